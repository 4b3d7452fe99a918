#pragma once

#include <QProxyStyle>

// The program's look: Fusion, which draws button faces in their colour, with a
// focus frame that can be seen on the pastel faces: 2 pixels, dark, on every
// button and box that holds the keyboard focus.
class FocusStyle : public QProxyStyle
{
public:
    FocusStyle();

    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
};

// The colour of the focus frame.
inline constexpr QRgb FocusFrameColour = 0xFF202060;
