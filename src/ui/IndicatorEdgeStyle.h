#pragma once

#include <QProxyStyle>

/// Fusion, with check boxes and radio buttons edged so that they read on a dark window too.
/// Fusion edges them a shade darker than the window, which a dark window swallows.
class IndicatorEdgeStyle : public QProxyStyle {
    Q_OBJECT
public:
    using QProxyStyle::QProxyStyle;

    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
        const QWidget *widget = nullptr) const override;
};
