#include "ui/FocusStyle.h"

#include <QPainter>
#include <QStyleFactory>
#include <QStyleOption>
#include <QWidget>
#include <algorithm>

namespace {

void DrawFocusFrame(const QRect& r, QPainter* painter)
{
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, false);
    painter->setPen(QPen(QColor::fromRgb(FocusFrameColour), 2));
    painter->setBrush(Qt::NoBrush);
    painter->drawRect(r.adjusted(1, 1, -1, -1));
    painter->restore();
}

bool HasFocus(const QStyleOption* option, const QWidget* widget)
{
    return widget ? widget->hasFocus() : (option->state & QStyle::State_HasFocus);
}

} // namespace

FocusStyle::FocusStyle(QStyle* base)
    : QProxyStyle(base ? base : QStyleFactory::create(QStringLiteral("Fusion")))
{}

void FocusStyle::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                             const QWidget* widget) const
{
    QProxyStyle::drawControl(element, option, painter, widget);
    if ((element == CE_PushButton || element == CE_ShapedFrame) && HasFocus(option, widget))
        DrawFocusFrame(option->rect, painter);
}

void FocusStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                               QPainter* painter, const QWidget* widget) const
{
    if (element == PE_FrameFocusRect) {
        // Check boxes and radio buttons: the same frame around their text.
        DrawFocusFrame(option->rect.adjusted(-1, -1, 1, 1), painter);
        return;
    }
    if (element == PE_PanelButtonCommand) {
        // Under the one palette of its colours (see palettes).
        auto draw = [&](auto shared) {
            shared.palette = SharedPalette(option->palette);
            QProxyStyle::drawPrimitive(element, &shared, painter, widget);
        };
        if (const auto* button = qstyleoption_cast<const QStyleOptionButton*>(option))
            draw(*button);
        else
            draw(*option);
        return;
    }
    QProxyStyle::drawPrimitive(element, option, painter, widget);
    if (element == PE_PanelLineEdit && HasFocus(option, widget))
        DrawFocusFrame(option->rect, painter);
}

QPalette FocusStyle::SharedPalette(const QPalette& palette) const
{
    auto found = std::find(palettes.begin(), palettes.end(), palette);
    if (found == palettes.end()) {
        // A window uses a handful of face colours; should more ever come, the
        // oldest makes room, and is shared anew should it come back.
        constexpr size_t Most = 32;
        if (palettes.size() == Most)
            palettes.erase(palettes.begin());
        found = palettes.insert(palettes.end(), palette);
    }
    // The colour group (active, inactive, disabled) is the widget's own and
    // leaves the palette's identity as it is.
    QPalette shared = *found;
    shared.setCurrentColorGroup(palette.currentColorGroup());
    return shared;
}
