#include "ui/appstyle.h"

#include "app/thememanager.h"

#include <QApplication>
#include <QPainter>
#include <QStyleFactory>
#include <QStyleOption>

AppStyle::AppStyle()
    : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion")))
{
}

int AppStyle::styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                        QStyleHintReturn *returnData) const
{
    if (hint == SH_DialogButtonBox_ButtonsHaveIcons)
        return 0;
    return QProxyStyle::styleHint(hint, option, widget, returnData);
}

void AppStyle::drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                             const QWidget *widget) const
{
    QProxyStyle::drawPrimitive(element, option, painter, widget);
    if (element != PE_IndicatorCheckBox && element != PE_IndicatorRadioButton)
        return;
    const QPalette &palette = option->palette;
    if (!ThemeManager::isDarkPalette(palette))
        return;
    // A frame in the text colour, faint enough not to shout, over Fusion's own.
    QColor frame = palette.color(QPalette::WindowText);
    frame.setAlphaF(option->state & State_Enabled ? 0.55 : 0.25);
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, true);
    painter->setPen(QPen(frame, 1));
    painter->setBrush(Qt::NoBrush);
    const QRectF box = QRectF(option->rect).adjusted(0.5, 0.5, -0.5, -0.5);
    if (element == PE_IndicatorRadioButton)
        painter->drawEllipse(box);
    else
        painter->drawRoundedRect(box, 2, 2);
    painter->restore();
}

void AppStyle::install()
{
    QApplication::setStyle(new AppStyle);
}
