#include "app/thememanager.h"
#include "ui/appstyle.h"

#include <QApplication>
#include <QCheckBox>
#include <QStyleFactory>
#include <QStyleOptionButton>
#include <QTest>

// The frame of an unticked check box must stand out from a dark window.
class TestAppStyle : public QObject
{
    Q_OBJECT

private:
    // The largest lightness difference between the indicator's pixels and the window.
    static int indicatorContrast(QStyle *style, const QPalette &palette)
    {
        QCheckBox box(QStringLiteral("Two-line rows"));
        box.setStyle(style);
        box.setPalette(palette);
        box.resize(box.sizeHint());
        const QImage image = box.grab().toImage();
        QStyleOptionButton option;
        option.initFrom(&box);
        const QRect indicator = style->subElementRect(QStyle::SE_CheckBoxIndicator, &option, &box);
        const int window = palette.color(QPalette::Window).lightness();
        int contrast = 0;
        const qreal ratio = image.devicePixelRatio();
        for (int y = indicator.top(); y <= indicator.bottom(); ++y) {
            for (int x = indicator.left(); x <= indicator.right(); ++x) {
                const QColor c = image.pixelColor(int(x * ratio), int(y * ratio));
                contrast = qMax(contrast, qAbs(c.lightness() - window));
            }
        }
        return contrast;
    }

private Q_SLOTS:
    void uncheckedBoxIsVisibleOnDark()
    {
        std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
        AppStyle ours;
        const QPalette dark = ThemeManager::darkPalette();
        QVERIFY(indicatorContrast(&ours, dark) >= 60);
        QVERIFY(indicatorContrast(&ours, dark) > indicatorContrast(fusion.get(), dark));
        // The light palette is left as Fusion draws it.
        const QPalette light = ThemeManager::lightPalette();
        QCOMPARE(indicatorContrast(&ours, light), indicatorContrast(fusion.get(), light));
    }
};

QTEST_MAIN(TestAppStyle)
#include "tst_appstyle.moc"
