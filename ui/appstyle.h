#pragma once

#include <QProxyStyle>

// The application's widget style: Fusion, with check box and radio button
// frames drawn so they stay visible on dark palettes, where Fusion draws them a
// shade darker than the window. Dialog buttons carry no icons, as on
// Windows: the platform's stock icons are drawn dark whatever the palette, and
// vanish on a dark button.
class AppStyle : public QProxyStyle
{
    Q_OBJECT
public:
    AppStyle();

    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget = nullptr) const override;
    int styleHint(StyleHint hint, const QStyleOption *option = nullptr, const QWidget *widget = nullptr,
                  QStyleHintReturn *returnData = nullptr) const override;

    // Makes this the application's style.
    static void install();
};
