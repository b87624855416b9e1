#pragma once

#include <QProxyStyle>

// The application's widget style: Fusion, with check box and radio button
// frames drawn so they stay visible on dark palettes, where Fusion draws them a
// shade darker than the window.
class AppStyle : public QProxyStyle
{
    Q_OBJECT
public:
    AppStyle();

    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget = nullptr) const override;

    // Makes this the application's style.
    static void install();
};
