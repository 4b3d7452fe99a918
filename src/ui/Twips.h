#pragma once

#include <QRect>
#include <cmath>

// The window's coordinates are kept in twips, 15 to a pixel at 96 dpi.
inline constexpr int TwipsPerPixel = 15;

inline int TwipsToPixels(int twips)
{
    return static_cast<int>(std::lround(static_cast<double>(twips) / TwipsPerPixel));
}

inline int PixelsToTwips(int pixels)
{
    return pixels * TwipsPerPixel;
}

inline QRect TwipsRect(int left, int top, int width, int height)
{
    return {TwipsToPixels(left), TwipsToPixels(top), TwipsToPixels(width), TwipsToPixels(height)};
}
