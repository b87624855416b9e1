#include "app/appstate.h"
#include "data/clock.h"
#include "services/datetext.h"
#include "ui/editors/calendarpopup.h"
#include "ui/editors/datefield.h"
#include "ui/editors/smartamountfield.h"
#include "ui/editors/smartdateedit.h"

#include <QLineEdit>
#include <QPointer>
#include <QSignalSpy>
#include <QTest>

#include <memory>

class SmartEditorsTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<DateLineEdit> makeEditor(bool field)
    {
        if (field)
            return std::make_unique<DateField>();
        return std::make_unique<SmartDateEdit>();
    }

private Q_SLOTS:
    void initTestCase()
    {
        // 2024-06-20 at noon UTC: the same calendar day in every time zone in use.
        Clock::setFixedNow(QDateTime(QDate(2024, 6, 20), QTime(12, 0), Qt::UTC));
    }
    void cleanupTestCase() { Clock::setFixedNow(QDateTime()); }

    void startsAtToday()
    {
        SmartDateEdit edit;
        QCOMPARE(edit.date(), QDate(2024, 6, 20));
        QCOMPARE(edit.text(), QStringLiteral("6/20/2024"));
    }

    void dateKeys_data()
    {
        QTest::addColumn<bool>("field");
        QTest::addColumn<QDate>("start");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QDate>("expected");

        const QDate friday(2024, 3, 15);
        const QDate sunday(2024, 3, 10);
        for (bool field : {false, true}) {
            const char *kind = field ? "field" : "edit";
            auto row = [&](const char *name, const QDate &start, const char *key, const QDate &expected) {
                QTest::addRow("%s %s", kind, name) << field << start << QString::fromLatin1(key) << expected;
            };
            row("t", friday, "t", QDate(2024, 6, 20));
            row("T upper case", friday, "T", QDate(2024, 6, 20));
            row("+", friday, "+", QDate(2024, 3, 16));
            row("=", friday, "=", QDate(2024, 3, 16));
            row("- across month", QDate(2024, 3, 1), "-", QDate(2024, 2, 29));
            row("+ across year", QDate(2024, 12, 31), "+", QDate(2025, 1, 1));
            row("m", friday, "m", QDate(2024, 3, 1));
            row("h", friday, "h", QDate(2024, 3, 31));
            row("h leap February", QDate(2024, 2, 3), "H", QDate(2024, 2, 29));
            row("y", friday, "y", QDate(2024, 1, 1));
            row("r", friday, "r", QDate(2024, 12, 31));
            row("w", friday, "w", sunday);
            row("k", friday, "k", QDate(2024, 3, 16));
            row("w on Sunday keeps", sunday, "w", sunday);
            row("k on Sunday", sunday, "k", QDate(2024, 3, 16));
            row("k on Saturday keeps", QDate(2024, 3, 16), "k", QDate(2024, 3, 16));
            row("invalid starts from today", QDate(), "+", QDate(2024, 6, 21));
        }
    }

    void dateKeys()
    {
        QFETCH(bool, field);
        QFETCH(QDate, start);
        QFETCH(QString, key);
        QFETCH(QDate, expected);

        auto edit = makeEditor(field);
        edit->setDate(start);
        QTest::keyClicks(edit.get(), key);
        QCOMPARE(edit->date(), expected);
        QCOMPARE(edit->text(), DateText::formatShort(expected));
        QCOMPARE(edit->selectedText(), edit->text());
    }

    void keysActOnTheTypedText()
    {
        SmartDateEdit edit;
        edit.selectAll();
        QTest::keyClicks(&edit, QStringLiteral("3/15/2024"));
        QTest::keyClick(&edit, Qt::Key_H);
        QCOMPARE(edit.date(), QDate(2024, 3, 31));
        // A modified key is not a date key.
        QTest::keyClick(&edit, Qt::Key_T, Qt::ControlModifier);
        QCOMPARE(edit.date(), QDate(2024, 3, 31));
    }

    void dateFieldSignalsUserChangesOnly()
    {
        DateField field;
        QSignalSpy spy(&field, &DateField::dateChanged);
        field.setDate(QDate(2024, 3, 10));
        QCOMPARE(spy.count(), 0);
        QTest::keyClick(&field, Qt::Key_W);  // a Sunday: no change
        QCOMPARE(spy.count(), 0);
        QTest::keyClick(&field, Qt::Key_K);
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.at(0).at(0).toDate(), QDate(2024, 3, 16));
    }

    void typedText_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QDate>("expected");
        QTest::addColumn<bool>("changes");

        QTest::newRow("M/d/yyyy") << "4/2/2024" << QDate(2024, 4, 2) << true;
        QTest::newRow("MM/dd/yyyy") << "04/02/2024" << QDate(2024, 4, 2) << true;
        QTest::newRow("two-digit year near today") << "1/5/24" << QDate(2024, 1, 5) << true;
        QTest::newRow("two-digit year far back") << "1/5/70" << QDate(1970, 1, 5) << true;
        QTest::newRow("month 13 keeps the date") << "13/1/2024" << QDate(2024, 3, 15) << false;
        QTest::newRow("words keep the date") << "soon" << QDate(2024, 3, 15) << false;
        QTest::newRow("empty keeps the date") << "" << QDate(2024, 3, 15) << false;
    }

    void typedText()
    {
        QFETCH(QString, typed);
        QFETCH(QDate, expected);
        QFETCH(bool, changes);

        QWidget window;
        auto *field = new DateField(&window);
        auto *other = new QLineEdit(&window);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        field->setDate(QDate(2024, 3, 15));
        QSignalSpy spy(field, &DateField::dateChanged);

        field->setFocus();
        field->setText(typed);
        other->setFocus();
        QCOMPARE(field->date(), expected);
        QCOMPARE(field->text(), DateText::formatShort(expected));
        QCOMPARE(spy.count(), changes ? 1 : 0);
    }

    void calendarPopupPicksADay()
    {
        QWidget window;
        auto *field = new DateField(&window);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        field->setDate(QDate(2024, 3, 15));
        field->setFocus();
        QSignalSpy spy(field, &DateField::dateChanged);

        QTest::keyClick(field, Qt::Key_F4);
        auto *popup = field->findChild<CalendarPopup *>();
        QVERIFY(popup);
        QVERIFY(popup->isVisible());
        QVERIFY(popup->isGridVisible());
        QCOMPARE(popup->selectedDate(), QDate(2024, 3, 15));
        QCOMPARE(popup->firstDayOfWeek(), AppState::firstDayOfWeek());

        QPointer<CalendarPopup> guard(popup);
        Q_EMIT popup->clicked(QDate(2024, 3, 20));
        QTRY_VERIFY(guard.isNull());
        QCOMPARE(field->date(), QDate(2024, 3, 20));
        QCOMPARE(spy.count(), 1);

        // Alt+Down opens it too; Escape closes it without a change.
        QTest::keyClick(field, Qt::Key_Down, Qt::AltModifier);
        popup = field->findChild<CalendarPopup *>();
        QVERIFY(popup);
        guard = popup;
        QTest::keyClick(popup, Qt::Key_Escape);
        QTRY_VERIFY(guard.isNull());
        QCOMPARE(field->date(), QDate(2024, 3, 20));
        QCOMPARE(spy.count(), 1);
    }

    void calendarActionCarriesTheShortcutHint()
    {
        SmartDateEdit edit;
        QCOMPARE(edit.calendarAction()->toolTip(), QStringLiteral("Open calendar (F4)"));
        QVERIFY(!edit.calendarAction()->icon().isNull());
    }

    void amountDecimalPointJumpsToCents_data()
    {
        QTest::addColumn<QString>("point");
        QTest::newRow("dot") << ".";
        QTest::newRow("comma") << ",";
    }

    void amountDecimalPointJumpsToCents()
    {
        QFETCH(QString, point);
        SmartAmountField box;
        box.setValue(12.0);
        QLineEdit *line = box.findChild<QLineEdit *>();
        QVERIFY(line);
        QCOMPARE(line->text(), QStringLiteral("12.00"));
        line->setCursorPosition(0);
        QTest::keyClicks(&box, point);
        QCOMPARE(line->text(), QStringLiteral("12.00"));
        QCOMPARE(line->cursorPosition(), 3);
        QVERIFY(!line->hasSelectedText());
        QCOMPARE(box.alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
        // The cents are typed over, and a third decimal is still refused.
        QTest::keyClicks(&box, QStringLiteral("579"));
        QCOMPARE(line->text(), QStringLiteral("12.57"));
    }

    void amountInWholeYen()
    {
        SmartAmountField box;
        box.setCurrency(Currency::JPY);
        QCOMPARE(box.decimals(), 0);
        QCOMPARE(box.prefix(), QStringLiteral("\u00a5 "));
        box.findChild<QLineEdit *>()->selectAll();
        QTest::keyClicks(&box, QStringLiteral("1500"));
        box.interpretText();
        QCOMPARE(box.minorUnits(), qint64(1500));

        SmartAmountField dollars;
        dollars.setMinorUnits(2550);
        QCOMPARE(dollars.minorUnits(), qint64(2550));
        QCOMPARE(dollars.maximum(), 99999999.99);
    }
};

QTEST_MAIN(SmartEditorsTest)
#include "tst_smarteditors.moc"
