#include "ui/FocusStyle.h"

#include <QPainter>
#include <QStyleFactory>
#include <QStyleOption>
#include <QWidget>

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

FocusStyle::FocusStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

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
    QProxyStyle::drawPrimitive(element, option, painter, widget);
    if (element == PE_PanelLineEdit && HasFocus(option, widget))
        DrawFocusFrame(option->rect, painter);
}
