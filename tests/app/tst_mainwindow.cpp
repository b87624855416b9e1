#include "app/appstate.h"
#include "app/mainwindow.h"
#include "app/settingsscreen.h"
#include "app/statusbar.h"
#include "app/thememanager.h"
#include "app/welcomescreen.h"
#include "data/accountrepository.h"
#include "data/clock.h"
#include "data/database.h"
#include "data/ids.h"
#include "data/preferencesrepository.h"
#include "data/recurringrepository.h"
#include "data/store.h"
#include "data/transactionrepository.h"
#include "services/accountservice.h"
#include "support/core/fixtures.h"
#include "support/core/testdata.h"
#include "support/gui/modaldriver.h"
#include "support/gui/testapp.h"
#include "ui/prompt.h"
#include "ui/dialogs/accountformdialog.h"
#include "ui/dialogs/transactionformdialog.h"
#include "ui/import/importwindow.h"
#include "ui/import/qifmappingpanel.h"
#include "ui/register/registermodel.h"
#include "ui/register/registerscreen.h"
#include "ui/register/registertableview.h"
#include "ui/screens/searchscreen.h"
#include "ui/update/updatewindow.h"

#include <QAbstractSpinBox>
#include <QAccessible>
#include <QAction>
#include <QHash>
#include <QImage>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSettings>
#include <QShortcut>
#include <QStackedWidget>
#include <QTest>

#include <cmath>

class TestMainWindow : public QObject
{
    Q_OBJECT

private:
    static Account addAccount(AppState *state, const QString &name, Currency currency = Currency::USD,
                              qint64 opening = 0)
    {
        Account draft;
        draft.name = name;
        draft.currency = currency;
        draft.startingBalance = opening;
        return *state->accountService()->createAccount(draft, QDate(2024, 1, 1));
    }

    // The strongest contrast between any pixel of the area and its most
    // common colour, the background. Anti-aliasing only ever blends text into
    // its background, so this never reads higher than the text's own colour.
    static double textContrast(const QImage &shot, const QRect &area)
    {
        const QImage part = shot.copy(area).convertToFormat(QImage::Format_RGB32);
        QHash<QRgb, int> counts;
        for (int y = 0; y < part.height(); ++y) {
            for (int x = 0; x < part.width(); ++x)
                ++counts[part.pixel(x, y)];
        }
        QRgb background = 0;
        int most = -1;
        for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
            if (it.value() > most) {
                most = it.value();
                background = it.key();
            }
        }
        const auto luminance = [](QRgb rgb) {
            const auto channel = [](int c) {
                const double v = c / 255.0;
                return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
            };
            return 0.2126 * channel(qRed(rgb)) + 0.7152 * channel(qGreen(rgb)) + 0.0722 * channel(qBlue(rgb));
        };
        const double back = luminance(background);
        double best = 1.0;
        for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
            const double front = luminance(it.key());
            best = std::max(best, (std::max(front, back) + 0.05) / (std::min(front, back) + 0.05));
        }
        return best;
    }

    static QStringList sidebarIds(MainWindow &w)
    {
        QStringList ids;
        for (int i = 0; i < w.sidebar()->count(); ++i)
            ids.append(w.sidebar()->item(i)->data(Qt::UserRole).toString());
        return ids;
    }

private Q_SLOTS:
    void accountShortcuts()
    {
        TestApp app;
        {
            MainWindow w(app.state());
            QVERIFY(w.accountShortcuts().isEmpty());
            QCOMPARE(w.totalText(), QStringLiteral("No accounts"));
            QCOMPARE(w.pages()->currentWidget(), w.welcomePage());
        }
        QStringList ids;
        for (int i = 0; i < 12; ++i)
            ids.append(addAccount(app.state(), QStringLiteral("Account %1").arg(i + 10)).id);
        MainWindow w(app.state());
        QCOMPARE(w.accountShortcuts().size(), 10);
        QCOMPARE(w.accountShortcuts().at(0)->key(), QKeySequence(Qt::ALT | Qt::Key_1));
        QCOMPARE(w.accountShortcuts().at(9)->key(), QKeySequence(Qt::ALT | Qt::Key_0));
        Q_EMIT w.accountShortcuts().at(9)->activated();
        QCOMPARE(app.state()->currentAccountId(), sidebarIds(w).at(9));
        QCOMPARE(w.sidebar()->currentItem()->data(Qt::UserRole).toString(), sidebarIds(w).at(9));

        // Removing accounts rebuilds the shortcuts.
        for (int i = 0; i < 11; ++i)
            QVERIFY(app.state()->accountService()->deleteAccount(ids.at(i)));
        QTRY_COMPARE(w.accountShortcuts().size(), 1);
    }

    void accountEntriesNeedACurrentAccount()
    {
        TestApp app;
        MainWindow w(app.state());
        for (const char *name : {"actionEditAccount", "actionDeleteAccount", "actionReconcile",
                                 "actionReconciliationHistory"}) {
            w.mainStatusBar()->clearMessage();
            w.action(QString::fromLatin1(name))->trigger();
            QCOMPARE(w.mainStatusBar()->currentMessage(), QStringLiteral("Select an account first"));
        }
        QVERIFY(Prompt::records().isEmpty());  // nothing else happened
    }

    void sidebarTotalsAcrossCurrencies()
    {
        TestApp app;
        const Account usd = addAccount(app.state(), QStringLiteral("Checking"), Currency::USD, 10000);
        const Account yen = addAccount(app.state(), QStringLiteral("Tokyo"), Currency::JPY, 1500);
        addAccount(app.state(), QStringLiteral("Card"), Currency::USD, -2550);
        MainWindow w(app.state());
        QCOMPARE(w.sidebar()->count(), 3);
        // Yen are never added to cents: one total per currency.
        QCOMPARE(w.totalText(), QStringLiteral("Total: $74.50 \u00b7 \u00a51,500"));
        QCOMPARE(w.mainStatusBar()->accountText(), QStringLiteral("3 account(s)"));

        // A new transaction updates the balances on the next turn of the event loop.
        Transaction t;
        t.id = Ids::newId();
        t.accountId = usd.id;
        t.date = QDate(2024, 2, 1);
        t.payee = QStringLiteral("Grocer");
        t.amount = -1000;
        t.createdAt = t.updatedAt = Clock::nowUtc();
        QVERIFY(app.state()->transactions()->insert(t));
        QTRY_COMPARE(w.totalText(), QStringLiteral("Total: $64.50 \u00b7 \u00a51,500"));
        Q_UNUSED(yen);
    }

    // The register's columns fit the page, Balance included, at every window
    // of at least 1024 px and every font scale, without a horizontal scroll
    // bar; a width the user dragged is kept, and Memo gives way first.
    void registerColumnsFitThePage_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("scale");
        QTest::addColumn<bool>("live");
        for (int width : {1024, 1280, 1600}) {
            for (int scale : {70, 100, 130, 160}) {
                QTest::addRow("%d px at %d %%", width, scale) << width << scale << false;
                QTest::addRow("%d px at %d %%, changed live", width, scale) << width << scale << true;
            }
        }
    }

    void registerColumnsFitThePage()
    {
        QFETCH(int, width);
        QFETCH(int, scale);
        QFETCH(bool, live);
        TestApp app;
        if (!live)
            app.state()->themeManager()->setFontScale(scale);
        const Account checking = addAccount(app.state(), QStringLiteral("Everyday Checking"), Currency::USD, 3340945);
        Transaction big = Fixtures::newTransaction(checking.id, QDate(2024, 2, 1), QStringLiteral("Maple Street "
                                                                                                 "Apartments"),
                                                   -165000);
        big.checkNumber = QStringLiteral("1231");
        QVERIFY(app.state()->transactions()->insert(big));
        MainWindow w(app.state());
        w.resize(width, 900);
        w.show();
        w.selectAccount(checking.id);
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        if (live)
            app.state()->themeManager()->setFontScale(scale);
        QCoreApplication::processEvents();
        RegisterTableView *table = w.registerPage()->table();
        QTRY_COMPARE(table->horizontalScrollBar()->maximum(), 0);
        // Rows are as tall as their text, and so is every label of the window.
        QVERIFY(table->rowHeight(0) >= table->fontMetrics().height() + 4);
        for (QLabel *label : w.findChildren<QLabel *>()) {
            if (!label->property("larkFontRole").isValid() && !label->font().resolveMask())
                QCOMPARE(label->font().pointSizeF(), QApplication::font().pointSizeF());
        }
        // The sidebar shows the name whole, except in the narrowest window at
        // the largest text, where the register's figures come first.
        QLabel *name = w.sidebar()->findChild<QLabel *>(QStringLiteral("accountName"));
        if (width >= 1280 || scale <= 130)
            QTRY_COMPARE(name->text(), QStringLiteral("Everyday Checking"));
        QVERIFY(!table->isColumnHidden(RegisterModel::Balance));
        QVERIFY(!table->isColumnHidden(RegisterModel::Payment));
        // Every figure shows whole.
        const QFontMetrics mono(ThemeManager::fontForRole(ThemeManager::Mono));
        QVERIFY(table->columnWidth(RegisterModel::Balance) > mono.horizontalAdvance(QStringLiteral("31,690.45")));
        QVERIFY(table->columnWidth(RegisterModel::Payment) > mono.horizontalAdvance(QStringLiteral("1,650.00")));
        QVERIFY(table->columnWidth(RegisterModel::Date)
                > table->fontMetrics().horizontalAdvance(QStringLiteral("12/28/2026")));
        const bool memoShown = !table->isColumnHidden(RegisterModel::Memo);
        QVERIFY(memoShown || table->columnWidth(RegisterModel::Payee) >= table->columnWidth(RegisterModel::Category));

        // A width the user drags is kept, and the others make room for it.
        const int narrower = table->columnWidth(RegisterModel::Category) * 3 / 4;
        table->horizontalHeader()->resizeSection(RegisterModel::Category, narrower);
        QCoreApplication::processEvents();
        QCOMPARE(table->columnWidth(RegisterModel::Category), narrower);
        QTRY_COMPARE(table->horizontalScrollBar()->maximum(), 0);
        w.registerPage()->resetColumnLayout();
        app.state()->themeManager()->setFontScale(100);
    }

    // Choosing an account with the mouse (or Enter) puts the keys on the
    // entry row's date, so that typing starts at once; so does creating one.
    void theEntryRowTakesTheKeys()
    {
        TestApp app;
        const Account checking = addAccount(app.state(), QStringLiteral("Checking"));
        const Account savings = addAccount(app.state(), QStringLiteral("Savings"));
        MainWindow w(app.state());
        w.resize(1280, 900);
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        w.selectAccount(checking.id);
        w.sidebar()->setFocus();
        QListWidgetItem *item = w.sidebar()->item(sidebarIds(w).indexOf(savings.id));
        QTest::mouseClick(w.sidebar()->viewport(), Qt::LeftButton, {}, w.sidebar()->visualItemRect(item).center());
        RegisterTableView *table = w.registerPage()->table();
        QTRY_VERIFY(table->isAncestorOf(QApplication::focusWidget()) || QApplication::focusWidget() == table);
        QCOMPARE(table->currentIndex().row(), w.registerPage()->model()->blankRow());
        QCOMPARE(table->currentIndex().column(), int(RegisterModel::Date));
        QVERIFY(table->activeEditor());

        const auto ran = ModalDriver::onNext<AccountFormDialog>([](AccountFormDialog *form) {
            for (QLineEdit *line : form->findChildren<QLineEdit *>()) {
                if (line->accessibleName() == QLatin1String("Name"))
                    line->setText(QStringLiteral("Wallet"));
            }
            form->accept();
        });
        w.showNewAccountDialog();
        QVERIFY(*ran);
        // The test platform does not hand activation back after a dialog;
        // the window's own focus widget is what the user gets on return.
        QTRY_VERIFY(table->isAncestorOf(w.focusWidget()));
        QCOMPARE(w.registerPage()->model()->blankRow(), table->currentIndex().row());
    }

    void theCurrencyOfAnAccountInUseCannotBeChanged()
    {
        TestApp app;
        const Account usd = addAccount(app.state(), QStringLiteral("Checking"), Currency::USD, 9800);
        MainWindow w(app.state());
        w.selectAccount(usd.id);
        bool disabled = false;
        QString why;
        const auto ran = ModalDriver::onNext<AccountFormDialog>([&](AccountFormDialog *form) {
            auto *currency = form->findChild<QComboBox *>();
            for (QComboBox *combo : form->findChildren<QComboBox *>()) {
                if (combo->accessibleName() == QLatin1String("Currency"))
                    currency = combo;
            }
            disabled = !currency->isEnabled();
            why = currency->toolTip();
            form->accept();
        });
        w.showEditAccountDialog();
        QVERIFY(*ran);
        QVERIFY(disabled);
        QVERIFY(why.contains(QStringLiteral("transactions")));
        QCOMPARE(app.state()->accounts()->findById(usd.id)->currency, Currency::USD);
    }

    // Another program writing to the same file (quillet-cli import while the
    // app runs) shows up in the open register and the sidebar without any
    // action in the app.
    void writesOfAnotherProgramAreShown()
    {
        TestApp app;
        const Account usd = addAccount(app.state(), QStringLiteral("Checking"), Currency::USD, 10000);
        MainWindow w(app.state());
        w.selectAccount(usd.id);
        auto *balance = w.registerPage()->findChild<QLabel *>(QStringLiteral("registerBalance"));
        QCOMPARE(balance->text(), QStringLiteral("$100.00"));

        Store other;
        QVERIFY(other.open(app.state()->database()->path()));
        Transaction t = Fixtures::newTransaction(usd.id, QDate(2024, 2, 1), QStringLiteral("Imported"), -2500);
        QVERIFY(other.transactions()->insert(t));

        QTRY_COMPARE_WITH_TIMEOUT(balance->text(), QStringLiteral("$75.00"), 5000);
        QTRY_COMPARE(w.totalText(), QStringLiteral("Total: $75.00"));
    }

    void preferencesReadAtEveryScale_data()
    {
        QTest::addColumn<int>("scale");
        QTest::addColumn<bool>("live");
        for (int scale : {70, 100, 130, 160}) {
            QTest::addRow("%d %%", scale) << scale << false;
            QTest::addRow("%d %%, changed live", scale) << scale << true;
        }
    }

    // Every page of the preferences shows whole, without a horizontal scroll
    // bar, whether the text size was chosen before or while it is open.
    void preferencesReadAtEveryScale()
    {
        QFETCH(int, scale);
        QFETCH(bool, live);
        TestApp app;
        if (!live)
            app.state()->themeManager()->setFontScale(scale);
        MainWindow w(app.state());
        w.show();
        w.showSettingsWindow();
        auto *settings = w.findChild<SettingsScreen *>();
        QVERIFY(settings);
        QVERIFY(QTest::qWaitForWindowExposed(settings));
        if (live)
            app.state()->themeManager()->setFontScale(scale);
        for (int page : {SettingsScreen::General, SettingsScreen::Register, SettingsScreen::DataAndSync,
                         SettingsScreen::About}) {
            settings->showPage(SettingsScreen::Page(page));
            QCoreApplication::processEvents();
            for (QScrollArea *scroll : settings->findChildren<QScrollArea *>()) {
                if (scroll->isVisible())
                    QTRY_COMPARE(scroll->horizontalScrollBar()->maximum(), 0);
            }
        }
        settings->showPage(SettingsScreen::General);
        QComboBox *language = settings->languageBox();
        QTRY_VERIFY(language->mapTo(settings, QPoint(language->width(), 0)).x() <= settings->width());
        app.state()->themeManager()->setFontScale(100);
    }

    void startingAccount()
    {
        TestApp app;
        const Account first = addAccount(app.state(), QStringLiteral("Alpha"));
        const Account second = addAccount(app.state(), QStringLiteral("Beta"));
        app.state()->setCurrentAccountId(second.id);
        {
            MainWindow w(app.state());
            QCOMPARE(w.pages()->currentWidget(), w.registerPage());
            QCOMPARE(app.state()->currentAccountId(), second.id);
        }
        // The last viewed account is gone: the first one is shown.
        QVERIFY(app.state()->accountService()->deleteAccount(second.id));
        {
            MainWindow w(app.state());
            QCOMPARE(app.state()->currentAccountId(), first.id);
            QCOMPARE(w.sidebar()->currentItem()->data(Qt::UserRole).toString(), first.id);
        }
    }

    void deletingAccounts()
    {
        TestApp app;
        const Account a = addAccount(app.state(), QStringLiteral("Alpha"));
        const Account b = addAccount(app.state(), QStringLiteral("Beta"));
        MainWindow w(app.state());
        w.selectAccount(b.id);

        // Not current: the register stays where it is. No answers "No" first.
        Prompt::queueAnswer(QMessageBox::No);
        w.deleteAccount(a.id);
        QCOMPARE(w.sidebar()->count(), 2);
        QVERIFY(Prompt::records().last().text.startsWith(QStringLiteral("Delete \"Alpha\"?")));
        Prompt::queueAnswer(QMessageBox::Yes);
        w.deleteAccount(a.id);
        QCOMPARE(sidebarIds(w), QStringList{b.id});
        QCOMPARE(app.state()->currentAccountId(), b.id);
        QCOMPARE(w.pages()->currentWidget(), w.registerPage());

        // The last one, current: the window falls back to its welcome page.
        Prompt::queueAnswer(QMessageBox::Yes);
        w.deleteCurrentAccount();
        QCOMPARE(w.sidebar()->count(), 0);
        QVERIFY(app.state()->currentAccountId().isEmpty());
        QCOMPARE(w.pages()->currentWidget(), w.welcomePage());
        QCOMPARE(w.welcomePage()->mode(), WelcomeScreen::Mode::FirstRun);
    }

    void deletingTheCurrentMovesToAnother()
    {
        TestApp app;
        const Account a = addAccount(app.state(), QStringLiteral("Alpha"));
        const Account b = addAccount(app.state(), QStringLiteral("Beta"));
        MainWindow w(app.state());
        w.selectAccount(b.id);
        Prompt::queueAnswer(QMessageBox::Yes);
        w.deleteCurrentAccount();
        QCOMPARE(app.state()->currentAccountId(), a.id);
        QCOMPARE(w.pages()->currentWidget(), w.registerPage());
    }

    void restoringFromPreferences()
    {
        TestApp app;
        const Account a = addAccount(app.state(), QStringLiteral("Alpha"), Currency::USD, 5000);
        MainWindow w(app.state());
        Prompt::queueAnswer(QMessageBox::Yes);
        w.deleteAccount(a.id);
        QCOMPARE(w.sidebar()->count(), 0);

        SettingsScreen settings(app.state());
        connect(&settings, &SettingsScreen::deletedAccountRestored, &w, &MainWindow::onAccountsChanged);
        QCOMPARE(settings.deletedAccountsList()->count(), 1);
        QVERIFY(!settings.restoreButton()->isEnabled());
        settings.deletedAccountsList()->setCurrentRow(0);
        QVERIFY(settings.restoreButton()->isEnabled());
        QTest::mouseClick(settings.restoreButton(), Qt::LeftButton);
        QCOMPARE(settings.deletedAccountsList()->count(), 0);
        QCOMPARE(w.sidebar()->count(), 1);
        QCOMPARE(w.totalText(), QStringLiteral("Total: $50.00"));  // the opening balance came back with it
    }

    void textReadsInBothThemes_data()
    {
        QTest::addColumn<int>("before");
        QTest::addColumn<int>("theme");
        QTest::newRow("light") << int(ThemeManager::Dark) << int(ThemeManager::Light);
        QTest::newRow("dark") << int(ThemeManager::Light) << int(ThemeManager::Dark);
    }

    // Switched live, from the other theme: every coloured text restyles and
    // reads at 4.5:1 or more.
    void textReadsInBothThemes()
    {
        QFETCH(int, before);
        QFETCH(int, theme);
        TestApp app;
        const Account overdrawn = addAccount(app.state(), QStringLiteral("Checking"));
        const Account savings = addAccount(app.state(), QStringLiteral("Savings"), Currency::USD, 120000);
        Transaction rent = Fixtures::newTransaction(overdrawn.id, QDate(2024, 2, 1), QStringLiteral("Rent"), -95000);
        rent.memo = QStringLiteral("February");
        QVERIFY(app.state()->transactions()->insert(rent));
        RecurringTransaction due;
        due.id = Ids::newId();
        due.accountId = savings.id;
        due.payee = QStringLiteral("Interest");
        due.amount = 100;
        due.startDate = due.nextDueDate = Clock::today();
        due.createdAt = due.updatedAt = Clock::nowUtc();
        QVERIFY(app.state()->recurring()->insert(due));

        app.state()->themeManager()->applyTheme(before);
        MainWindow w(app.state());
        w.resize(1280, 900);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        w.selectAccount(overdrawn.id);
        app.state()->themeManager()->applyTheme(theme);
        w.mainStatusBar()->clearMessage();
        QApplication::processEvents();
        const QImage shot = w.grab().toImage();

        QList<QPair<QString, QRect>> areas;
        const auto add = [&](const QString &what, QWidget *widget, QRect rect = QRect()) {
            if (rect.isNull())
                rect = widget->rect();
            areas.append({what, QRect(widget->mapTo(&w, rect.topLeft()), rect.size())});
        };
        for (QWidget *label : w.mainStatusBar()->shownLabels())
            add(label->accessibleName(), label);
        for (QLabel *label : w.sidebar()->findChildren<QLabel *>()) {
            if (!label->text().isEmpty())
                add(QStringLiteral("sidebar ") + label->text(), label);
        }
        add(QStringLiteral("sidebar total"), w.findChild<QLabel *>(QStringLiteral("sidebarTotal")));
        RegisterTableView *table = w.registerPage()->table();
        const int row = w.registerPage()->model()->rowOfTransaction(rent.id);
        for (int column : {int(RegisterModel::Payment), int(RegisterModel::Balance), int(RegisterModel::Memo)}) {
            const QRect cell = table->visualRect(w.registerPage()->model()->index(row, column)).adjusted(2, 2, -2, -2);
            add(QStringLiteral("register column %1").arg(column), table->viewport(), cell);
        }
        QVERIFY(areas.size() >= 9);
        for (const auto &[what, area] : areas) {
            const double contrast = textContrast(shot, area);
            if (contrast < 4.5)
                QFAIL(qPrintable(QStringLiteral("%1 reads at %2:1").arg(what).arg(contrast, 0, 'f', 2)));
        }
    }

    void autoPostsAtStart()
    {
        TestApp app;
        const Account a = addAccount(app.state(), QStringLiteral("Alpha"));
        RecurringTransaction r;
        r.id = Ids::newId();
        r.accountId = a.id;
        r.payee = QStringLiteral("Streaming");
        r.amount = -999;
        r.startDate = r.nextDueDate = Clock::today();
        r.autoPost = true;
        r.createdAt = r.updatedAt = Clock::nowUtc();
        QVERIFY(app.state()->recurring()->insert(r));
        RecurringTransaction manual = r;
        manual.id = Ids::newId();
        manual.autoPost = false;
        manual.payee = QStringLiteral("Rent");
        QVERIFY(app.state()->recurring()->insert(manual));

        MainWindow w(app.state());
        QVERIFY(w.mainStatusBar()->currentMessage().startsWith(QStringLiteral("Auto-posted 1 recurring")));
        QCOMPARE(w.totalText(), QStringLiteral("Total: -$9.99"));
        QVERIFY(w.mainStatusBar()->dueText().contains(QStringLiteral("1 recurring due")));
        // The message has the bar to itself; the counts come back after it.
        w.show();
        QVERIFY(w.mainStatusBar()->shownLabels().isEmpty());
        w.mainStatusBar()->clearMessage();
        QCOMPARE(w.mainStatusBar()->shownLabels().size(), 3);
        w.mainStatusBar()->showTransient(QStringLiteral("Sync complete"), 5000);
        w.mainStatusBar()->setDueCount(2);
        QVERIFY(w.mainStatusBar()->shownLabels().isEmpty());
    }

    void sampleDataEntriesFollowTheEnvironment()
    {
        TestApp app;
        qputenv("QUILLET_DEV", "");
        {
            MainWindow w(app.state());
            QVERIFY(!w.action(QStringLiteral("actionLoadSample")));
            QVERIFY(!w.action(QStringLiteral("actionClearSample")));
        }
        qputenv("QUILLET_DEV", "1");
        MainWindow w(app.state());
        QVERIFY(w.action(QStringLiteral("actionLoadSample")));
        w.action(QStringLiteral("actionLoadSample"))->trigger();
        QCOMPARE(w.mainStatusBar()->currentMessage(), QStringLiteral("Sample data loaded"));
        QVERIFY(w.sidebar()->count() >= 5);
        QCOMPARE(w.pages()->currentWidget(), w.registerPage());
        w.action(QStringLiteral("actionLoadSample"))->trigger();
        QCOMPARE(w.mainStatusBar()->currentMessage(), QStringLiteral("Sample data is already loaded."));
        w.action(QStringLiteral("actionClearSample"))->trigger();
        QCOMPARE(w.mainStatusBar()->currentMessage(), QStringLiteral("Sample data cleared"));
        QCOMPARE(w.sidebar()->count(), 0);
        QCOMPARE(w.pages()->currentWidget(), w.welcomePage());
        qunsetenv("QUILLET_DEV");
    }

    void geometry()
    {
        TestApp app;
        QSettings().setValue(QStringLiteral("mainwindow/geometry"), QByteArray("not a geometry"));
        {
            MainWindow w(app.state());
            QCOMPARE(w.size(), QSize(1280, 900));
            w.resize(1000, 700);
            w.close();
        }
        MainWindow w(app.state());
        QCOMPARE(w.size(), QSize(1000, 700));
    }

    // What a screen reader meets in every window: each control that takes
    // the keyboard speaks a name, and each window is a window.
    void everyWindowSpeaks()
    {
        TestApp app;
        const Account checking = addAccount(app.state(), QStringLiteral("Checking"), Currency::USD, 12500);
        MainWindow w(app.state());
        w.resize(1280, 900);
        w.show();
        w.selectAccount(checking.id);
        for (const char *name : {"actionRecurring", "actionCategories", "actionRenamePayees",
                                 "actionReconciliationHistory", "actionFind", "actionImport", "actionPreferences",
                                 "actionReports", "actionReconcile", "actionAbout", "actionWhatsNew"}) {
            QAction *action = w.action(QString::fromLatin1(name));
            QVERIFY2(action, name);
            if (action->isEnabled())
                action->trigger();
        }
        LarkUpdate::Release release;
        release.version = QStringLiteral("9.0.0");
        release.notes = QStringLiteral("- Notes");
        release.notesUrl = QUrl(QStringLiteral("https://example.org/notes"));
        (new UpdateWindow(release, QStringLiteral("1.1.1"), QStringLiteral("Larkspire Quillet"), &w))->show();
        QCoreApplication::processEvents();

        QStringList silent;
        for (QWidget *window : QApplication::topLevelWidgets()) {
            if (!window->isVisible())
                continue;
            QAccessibleInterface *frame = QAccessible::queryAccessibleInterface(window);
            if (!frame || (frame->role() != QAccessible::Window && frame->role() != QAccessible::Dialog))
                silent.append(QStringLiteral("%1: not a window").arg(window->windowTitle()));
            for (QWidget *child : window->findChildren<QWidget *>()) {
                // Windows of their own are walked as such; a spin box's line
                // edit speaks through the spin box.
                if (child->window() != window || !child->isVisibleTo(window) || !child->isEnabled()
                    || !(child->focusPolicy() & Qt::TabFocus) || qobject_cast<QAbstractSpinBox *>(child->parentWidget()))
                    continue;
                QAccessibleInterface *control = QAccessible::queryAccessibleInterface(child);
                if (!control || control->text(QAccessible::Name).trimmed().isEmpty())
                    silent.append(QStringLiteral("%1: %2 %3")
                                      .arg(window->windowTitle(), QString::fromLatin1(child->metaObject()->className()),
                                           child->objectName()));
            }
        }
        QVERIFY2(silent.isEmpty(), qPrintable(silent.join(QLatin1Char('\n'))));

        // Figures speak their value with their caption.
        const auto spoken = [](QWidget *widget) {
            return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name);
        };
        QCOMPARE(spoken(w.findChild<QLabel *>(QStringLiteral("sidebarTotal"))),
                 QStringLiteral("Total: $125.00"));
        QWidget *reconcile = nullptr;
        for (QWidget *window : QApplication::topLevelWidgets()) {
            if (window->isVisible() && window->windowTitle().startsWith(QStringLiteral("Reconcile")))
                reconcile = window;
        }
        QVERIFY(reconcile);
        for (QLabel *figure : reconcile->findChildren<QLabel *>()) {
            if (figure->objectName().startsWith(QLatin1String("figure")))
                QVERIFY2(spoken(figure).contains(QLatin1Char('$')), qPrintable(spoken(figure)));
        }
    }

    void screenWindows()
    {
        TestApp app;
        const Account checking = addAccount(app.state(), QStringLiteral("Checking"));
        MainWindow w(app.state());
        w.selectAccount(checking.id);
        auto windowTitled = [&w](const QString &title) -> QWidget * {
            QWidget *found = nullptr;
            for (QWidget *child : w.findChildren<QWidget *>()) {
                if (child->isWindow() && child->windowTitle() == title) {
                    if (found)
                        return nullptr;  // more than one
                    found = child;
                }
            }
            return found;
        };
        const QList<QPair<const char *, QString>> windows = {
            {"actionRecurring", QStringLiteral("Recurring Transactions")},
            {"actionCategories", QStringLiteral("Categories")},
            {"actionRenamePayees", QStringLiteral("Payee Management")},
            {"actionReconciliationHistory", QStringLiteral("Reconciliation History")},
        };
        for (const auto &[name, title] : windows) {
            w.action(QString::fromLatin1(name))->trigger();
            w.action(QString::fromLatin1(name))->trigger();  // the same window again
            QWidget *window = windowTitled(title);
            QVERIFY2(window && window->isVisible(), name);
        }

        // A new reconcile window each time, named after the account and gone once closed.
        w.action(QStringLiteral("actionReconcile"))->trigger();
        QPointer<QWidget> reconcile = windowTitled(QStringLiteral("Reconcile \u2014 Checking"));
        QVERIFY(reconcile);
        QCOMPARE(reconcile->size(), QSize(1100, 720));
        reconcile->close();
        QTRY_VERIFY(!reconcile);

        // Categories stay made; the others are made afresh.
        QPointer<QWidget> categories = windowTitled(QStringLiteral("Categories"));
        QPointer<QWidget> payees = windowTitled(QStringLiteral("Payee Management"));
        categories->close();
        payees->close();
        QTRY_VERIFY(!payees);
        QVERIFY(categories);

        // The kept window opens again at the size it was left at.
        QCOMPARE(categories->size(), QSize(600, 500));
        categories->show();
        categories->resize(900, 700);
        categories->close();
        w.action(QStringLiteral("actionCategories"))->trigger();
        QVERIFY(categories->isVisible());
        QCOMPARE(categories->size(), QSize(900, 700));
    }

    // The files the app is started with (from the file manager, say) open in
    // the one import window, read and ready to map.
    void filesFromTheCommandLineOpenInTheImportWindow()
    {
        TestApp app;
        addAccount(app.state(), QStringLiteral("Checking"));
        MainWindow w(app.state());
        w.show();
        const QStringList first = {TestData::file("multi_account.qif")};
        w.importFiles(first);
        auto *import = w.findChild<ImportWindow *>();
        QVERIFY(import && import->isVisible());
        QCOMPARE(import->files(), first);
        QCOMPARE(import->format(), ImportWindow::Qif);
        QCOMPARE(import->qifPanel()->sourceCount(), 3);
        QVERIFY(import->importButton()->isEnabled());

        const QStringList second = {TestData::file("bank.csv")};
        w.importFiles(second);
        QCOMPARE(w.findChildren<ImportWindow *>().size(), 1);
        QCOMPARE(import->files(), second);
        QCOMPARE(import->format(), ImportWindow::Csv);
    }

    void registerPreferencesReloadTheRegister()
    {
        TestApp app;
        const Account checking = addAccount(app.state(), QStringLiteral("Checking"), Currency::USD, 10000);
        MainWindow w(app.state());
        w.resize(1280, 900);
        w.show();
        w.selectAccount(checking.id);
        RegisterScreen *reg = w.registerPage();
        SettingsScreen settings(app.state());
        // The preferences show what the register does before anything is stored.
        QCOMPARE(settings.newestFirstBox()->isChecked(), reg->model()->blankRow() == 0);
        QVERIFY(!settings.twoLineBox()->isChecked());
        QVERIFY(!reg->table()->isColumnHidden(RegisterModel::Memo));

        settings.newestFirstBox()->click();
        QCOMPARE(reg->model()->blankRow() == 0, settings.newestFirstBox()->isChecked());
        settings.twoLineBox()->click();
        QVERIFY(reg->table()->isColumnHidden(RegisterModel::Memo));
        settings.twoLineBox()->click();
        QVERIFY(!reg->table()->isColumnHidden(RegisterModel::Memo));
    }

    void preferenceChangesKeepARowBeingTyped()
    {
        TestApp app;
        const Account checking = addAccount(app.state(), QStringLiteral("Checking"), Currency::USD, 10000);
        MainWindow w(app.state());
        w.selectAccount(checking.id);
        RegisterScreen *reg = w.registerPage();
        reg->table()->setCurrentIndex(reg->model()->index(reg->model()->blankRow(), RegisterModel::Payee));
        QTest::keyClick(reg->table(), Qt::Key_Return);
        auto *payee = qobject_cast<QLineEdit *>(reg->table()->activeEditor());
        QVERIFY(payee);
        QTest::keyClicks(payee, QStringLiteral("Half typed"));

        // Theme, font size (which applies the theme again), week start and
        // two-line rows each reload the register; the typing stays.
        SettingsScreen settings(app.state());
        settings.themeBox()->setCurrentIndex(settings.themeBox()->findData(QStringLiteral("dark")));
        QCOMPARE(reg->model()->bufferText(RegisterModel::Payee), QStringLiteral("Half typed"));
        settings.fontSizeBox()->setCurrentIndex(settings.fontSizeBox()->findData(115));
        settings.weekStartBox()->setCurrentIndex(settings.weekStartBox()->findData(6));
        settings.twoLineBox()->click();
        QCOMPARE(reg->model()->bufferText(RegisterModel::Payee), QStringLiteral("Half typed"));
        settings.twoLineBox()->click();
        QCOMPARE(reg->model()->bufferText(RegisterModel::Payee), QStringLiteral("Half typed"));
        QVERIFY(reg->table()->activeEditor());

        // Committing saves what was typed.
        QTest::keyClick(reg->table()->activeEditor(), Qt::Key_Return, Qt::ControlModifier);
        QCOMPARE(reg->messageText(), QStringLiteral("Enter a payment or deposit amount"));
        QCOMPARE(reg->model()->bufferText(RegisterModel::Payee), QStringLiteral("Half typed"));

        // A memo being typed in its own column stays in the buffer when two-line
        // rows take that column away, and no editor is left open in the hidden column.
        reg->table()->setCurrentIndex(reg->model()->index(reg->model()->blankRow(), RegisterModel::Memo));
        QTest::keyClick(reg->table(), Qt::Key_Return);
        auto *memo = qobject_cast<QLineEdit *>(reg->table()->activeEditor());
        QVERIFY(memo);
        QTest::keyClicks(memo, QStringLiteral("Note"));
        settings.twoLineBox()->click();
        QVERIFY(reg->table()->isColumnHidden(RegisterModel::Memo));
        QCOMPARE(reg->model()->bufferText(RegisterModel::Memo), QStringLiteral("Note"));
        QCOMPARE(reg->model()->bufferText(RegisterModel::Payee), QStringLiteral("Half typed"));
        QVERIFY(!reg->table()->isColumnHidden(reg->table()->currentIndex().column()));
        QVERIFY(reg->table()->activeEditor());
        auto *secondLine = reg->table()->activeEditor()->findChild<QLineEdit *>(QStringLiteral("memoEdit"));
        QVERIFY(secondLine);
        QCOMPARE(secondLine->text(), QStringLiteral("Note"));

        // Turning the order round moves the blank row and what it holds.
        settings.newestFirstBox()->click();
        QCOMPARE(reg->model()->bufferText(RegisterModel::Payee), QStringLiteral("Half typed"));
        QCOMPARE(reg->model()->bufferText(RegisterModel::Memo), QStringLiteral("Note"));
        QCOMPARE(reg->table()->currentIndex().row(), reg->model()->blankRow());
    }

    void searchHandsAResultToTheRegister()
    {
        TestApp app;
        const Account checking = addAccount(app.state(), QStringLiteral("Checking"));
        const Account savings = addAccount(app.state(), QStringLiteral("Savings"), Currency::USD, 50000);
        MainWindow w(app.state());
        w.selectAccount(checking.id);
        QCOMPARE(w.action(QStringLiteral("actionFind"))->shortcut(), QKeySequence(QKeySequence::Find));
        w.action(QStringLiteral("actionFind"))->trigger();
        auto *search = w.findChild<SearchScreen *>();
        QVERIFY(search && search->isVisible());
        QCOMPARE(search->windowTitle(), QStringLiteral("Search Transactions"));

        const QString openingId = app.state()->transactions()->listByAccount(savings.id).first().id;
        QString formAccount;
        const auto ran = ModalDriver::onNext<TransactionFormDialog>([&](TransactionFormDialog *form) {
            formAccount = form->transaction().accountId;
            form->reject();
        });
        Q_EMIT search->editTransactionRequested(openingId);
        QVERIFY(*ran);
        QCOMPARE(formAccount, savings.id);
        QCOMPARE(app.state()->currentAccountId(), savings.id);
        QCOMPARE(w.pages()->currentWidget(), w.registerPage());
    }

    void aMinimizedWindowComesBack()
    {
        TestApp app;
        addAccount(app.state(), QStringLiteral("Checking"));
        MainWindow w(app.state());
        for (const char *name : {"actionRecurring", "actionCategories", "actionFind", "actionPreferences",
                                 "actionOnlineAccount"}) {
            QAction *open = w.action(QString::fromLatin1(name));
            open->trigger();
            QWidget *window = nullptr;  // the one visible: the others were closed
            for (QWidget *child : w.findChildren<QWidget *>()) {
                if (child->isWindow() && child->isVisible())
                    window = child;
            }
            QVERIFY2(window, name);
            window->setWindowState(window->windowState() | Qt::WindowMinimized);
            open->trigger();
            QVERIFY2(!(window->windowState() & Qt::WindowMinimized), name);
            QVERIFY2(window->isVisible(), name);
            window->close();
        }
    }

    void laterWindowsAreDisabled()
    {
        TestApp app;
        MainWindow w(app.state());
        QVERIFY(w.action(QStringLiteral("actionFind"))->isEnabled());
        // Sharing is there; without a current account it asks for one first.
        QVERIFY(w.action(QStringLiteral("actionShare"))->isEnabled());
        w.action(QStringLiteral("actionShare"))->trigger();
        QCOMPARE(w.mainStatusBar()->currentMessage(), QStringLiteral("Select an account first"));
        QVERIFY(!w.action(QStringLiteral("actionSignOut"))->isVisible());
        QCOMPARE(w.mainStatusBar()->syncText(), QStringLiteral("Not signed in"));
        QCOMPARE(w.action(QStringLiteral("actionNewAccount"))->shortcut(), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_N));
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
