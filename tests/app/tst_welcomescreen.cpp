#include "app/welcomescreen.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QTest>

// The welcome page's wrapped texts get the height their lines need, whatever
// the font size and mode.
class TestWelcomeScreen : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void noTextIsClipped_data()
    {
        QTest::addColumn<qreal>("scale");
        QTest::addColumn<bool>("returning");
        QTest::newRow("100%") << 1.0 << false;
        QTest::newRow("150%") << 1.5 << false;
        QTest::newRow("160% returning") << 1.6 << true;
    }

    void noTextIsClipped()
    {
        QFETCH(qreal, scale);
        QFETCH(bool, returning);
        const QFont original = QApplication::font();
        QFont font = original;
        font.setPointSizeF(original.pointSizeF() * scale);
        QApplication::setFont(font);
        WelcomeScreen page;
        page.setMode(returning ? WelcomeScreen::Mode::Returning : WelcomeScreen::Mode::FirstRun);
        page.resize(1024, 900);
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        int wrapped = 0;
        for (QLabel *label : page.findChildren<QLabel *>()) {
            if (!label->wordWrap() || !label->isVisible())
                continue;
            ++wrapped;
            QVERIFY2(label->height() >= label->heightForWidth(label->width()), qPrintable(label->text()));
        }
        QApplication::setFont(original);
        QVERIFY(wrapped >= 5);
    }
};

QTEST_MAIN(TestWelcomeScreen)
#include "tst_welcomescreen.moc"
