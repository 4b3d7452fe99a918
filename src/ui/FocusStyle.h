#pragma once

#include <QPalette>
#include <QProxyStyle>
#include <vector>

// The program's look: Fusion, which draws button faces in their colour, with a
// focus frame that can be seen on the pastel faces: 2 pixels, dark, on every
// button and box that holds the keyboard focus.
class FocusStyle : public QProxyStyle
{
public:
    // base is the style underneath (taken over); Fusion when none is given.
    explicit FocusStyle(QStyle* base = nullptr);

    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;

private:
    // The one palette that faces of these colours are drawn with.
    QPalette SharedPalette(const QPalette& palette) const;

    // Fusion keeps each button face it draws in the application's pixmap cache,
    // named after the palette's identity, and every palette given to a widget
    // is a new identity. Word buttons are made for every question and change
    // colour when clicked, so their faces would be cached again and again
    // under new names that outlive the buttons. Drawn with one palette per set
    // of colours, same-looking faces share one cached face.
    mutable std::vector<QPalette> palettes;
};

// The colour of the focus frame.
inline constexpr QRgb FocusFrameColour = 0xFF202060;
