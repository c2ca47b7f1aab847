#pragma once

#include <QProxyStyle>

// Fusion draws a check box or radio button's frame a shade darker than the
// window, which on the design's black grounds leaves an unchecked box all but
// invisible. These indicators get a light frame and a light mark instead, in
// every window, checked or not, enabled or not.
class DarkStyle final : public QProxyStyle
{
public:
    explicit DarkStyle(QStyle *base);

    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget = nullptr) const override;

private:
    static void drawCheckBox(const QStyleOption *option, QPainter *painter);
    static void drawRadioButton(const QStyleOption *option, QPainter *painter);
};
