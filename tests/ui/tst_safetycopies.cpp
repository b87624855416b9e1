#include "app/appstate.h"
#include "app/mainwindow.h"
#include "data/accountrepository.h"
#include "data/clock.h"
#include "data/database.h"
#include "data/store.h"
#include "services/backupservice.h"
#include "services/datetext.h"
#include "services/safetycopies.h"
#include "support/core/fixtures.h"
#include "support/core/storedamage.h"
#include "support/gui/testapp.h"
#include "ui/prompt.h"
#include "ui/settings/backuppanel.h"
#include "ui/register/registerscreen.h"
#include "ui/settings/safetycopiespanel.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QListWidget>
#include <QStackedWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>
#include <QUrl>

#include <memory>

namespace {

const QDateTime kT0(QDate(2024, 3, 1), QTime(9, 0), Qt::UTC);

QPushButton *button(QWidget &panel, const QString &text)
{
    for (QPushButton *b : panel.findChildren<QPushButton *>()) {
        if (b->text() == text)
            return b;
    }
    return nullptr;
}

QString accountName(AppState *state)
{
    return state->accounts()->listLive().value(0).name;
}

// The app started over a data directory whose store is sound, or damaged the
// way a failing disk damages it: a thousand accounts, then pages overwritten.
class AppOverStore
{
public:
    explicit AppOverStore(bool damaged)
    {
        const QString path = m_dir.filePath(QStringLiteral("quillet.db"));
        {
            Store store;
            m_ok = store.open(path) && fillForDamage(store.connection());
        }
        if (damaged)
            m_ok = m_ok && damageStoreFile(path);
        qputenv("QUILLET_DATA_DIR", m_dir.path().toUtf8());
        QSettings::setDefaultFormat(QSettings::IniFormat);
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, m_dir.path() + QStringLiteral("/settings"));
        Prompt::setTestMode(true);
        Prompt::clear();
        m_state = std::make_unique<AppState>();
        m_ok = m_ok && m_state->initialize();
    }
    ~AppOverStore() { m_state.reset(); }

    bool isReady() const { return m_ok; }
    AppState *state() const { return m_state.get(); }

private:
    QTemporaryDir m_dir;
    std::unique_ptr<AppState> m_state;
    bool m_ok = false;
};

} // namespace

class TestSafetyCopies : public QObject
{
    Q_OBJECT

public Q_SLOTS:
    // Stands in for the desktop's file manager.
    void openUrl(const QUrl &url) { m_opened.append(url); }

private Q_SLOTS:
    void init() { Clock::setFixedNow(kT0); }
    void cleanup()
    {
        Clock::setFixedNow(QDateTime());
        Prompt::clear();
    }

    // A copy chosen with the keyboard goes back in place of the store once
    // the user agrees; the store as it was becomes one more copy.
    void restoreThisCopy_data()
    {
        QTest::addColumn<bool>("agree");
        QTest::newRow("agreed") << true;
        QTest::newRow("declined") << false;
    }

    void restoreThisCopy()
    {
        QFETCH(bool, agree);
        TestApp app;
        QVERIFY(app.isReady());
        AppState *state = app.state();
        Fixtures::addAccount(state->accounts(), QStringLiteral("Checking"));
        SafetyCopies *copies = state->backupService()->safetyCopies();
        const QDateTime lastYear = kT0.addDays(-70);
        Clock::setFixedNow(lastYear);
        QVERIFY(!copies->make(QStringLiteral("before-import")).isEmpty());
        Clock::setFixedNow(kT0);
        QVERIFY(!copies->makeDailyIfDue().isEmpty());
        Account account = state->accounts()->listLive().first();
        account.name = QStringLiteral("Renamed");
        QVERIFY(state->accounts()->update(account));

        SafetyCopiesPanel panel(state);
        panel.show();
        panel.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&panel));
        auto *list = panel.findChild<QTreeWidget *>(QStringLiteral("safetyCopies"));
        QVERIFY(list);
        QCOMPARE(list->topLevelItemCount(), 2);
        // Newest first; a daily copy by its day, the year only when it is not this one.
        QCOMPARE(list->topLevelItem(0)->text(0), QStringLiteral("Mar 1"));
        QCOMPARE(list->topLevelItem(0)->text(1), QStringLiteral("Daily"));
        QTreeWidgetItem *older = list->topLevelItem(1);
        const QString made = QStringLiteral("%1, %2").arg(DateText::formatLong(lastYear.toLocalTime().date()),
                                                          lastYear.toLocalTime().time().toString(QStringLiteral("h:mm AP")));
        QCOMPARE(older->text(0), made);
        QCOMPARE(older->text(1), QStringLiteral("Before import"));
        QVERIFY(older->text(2).endsWith(QStringLiteral(" KB")));

        QPushButton *restore = button(panel, QStringLiteral("Restore This Copy"));
        QVERIFY(restore);
        list->setFocus();
        QTest::keyClick(list, Qt::Key_End);
        QVERIFY(restore->isEnabled());
        QTest::keyClick(list, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), restore);

        QSignalSpy accountsChanged(state->accounts(), &AccountRepository::accountsChanged);
        Prompt::queueAnswer(agree ? QMessageBox::Yes : QMessageBox::No);
        QTest::keyClick(restore, Qt::Key_Space);
        QCOMPARE(Prompt::records().first().title, QStringLiteral("Restore This Copy"));
        QVERIFY(Prompt::records().first().text.startsWith(QStringLiteral("Replace all of your data with the copy made %1?").arg(made)));
        if (!agree) {
            QCOMPARE(Prompt::records().size(), 1);
            QCOMPARE(accountName(state), QStringLiteral("Renamed"));
            return;
        }
        QCOMPARE(accountName(state), QStringLiteral("Checking"));
        QCOMPARE(accountsChanged.count(), 1);
        QCOMPARE(Prompt::records().size(), 2);
        const Prompt::Record done = Prompt::records().at(1);
        QCOMPARE(done.kind, QStringLiteral("information"));
        QCOMPARE(done.title, QStringLiteral("Copy Restored"));
        QVERIFY2(done.text.endsWith(QStringLiteral("-before-copy-restore.db")), qPrintable(done.text));
        QCOMPARE(list->topLevelItemCount(), 3);
    }

    // A copy from before the account on show was opened: the window moves
    // on to an account the store still has.
    void restoreTakingTheShownAccountAway()
    {
        TestApp app;
        QVERIFY(app.isReady());
        AppState *state = app.state();
        const Account kept = Fixtures::addAccount(state->accounts(), QStringLiteral("Checking"));
        SafetyCopies *copies = state->backupService()->safetyCopies();
        const QString copy = copies->make(QStringLiteral("before-import"));
        Clock::setFixedNow(kT0.addSecs(60));
        const Account later = Fixtures::addAccount(state->accounts(), QStringLiteral("Opened later"));
        MainWindow window(state);
        window.selectAccount(later.id);

        QString before;
        QString error;
        QVERIFY2(state->backupService()->restoreCopy(QFileInfo(copy).fileName(), &before, &error), qPrintable(error));
        QCOMPARE(state->currentAccountId(), kept.id);
        QCOMPARE(window.pages()->currentWidget(), static_cast<QWidget *>(window.registerPage()));
        QTRY_COMPARE(window.sidebar()->count(), 1);
    }

    void openFolderShowsWhereTheCopiesAre()
    {
        TestApp app;
        QVERIFY(app.isReady());
        SafetyCopiesPanel panel(app.state());
        panel.show();
        QDesktopServices::setUrlHandler(QStringLiteral("file"), this, "openUrl");
        QPushButton *open = button(panel, QStringLiteral("Open Folder"));
        open->setFocus();
        QTest::keyClick(open, Qt::Key_Space);
        QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
        const QString folder = QDir(app.directory()).filePath(QStringLiteral("Backups"));
        QCOMPARE(m_opened, QList<QUrl>{QUrl::fromLocalFile(folder)});
        QVERIFY(QDir(folder).exists());
    }

    // A little after start, once a day: the store is checked, and only a
    // sound one gets its daily copy; damage is told at once.
    void dailyCheckAtStart_data()
    {
        QTest::addColumn<bool>("damaged");
        QTest::newRow("sound store") << false;
        QTest::newRow("damaged store") << true;
    }

    void dailyCheckAtStart()
    {
        QFETCH(bool, damaged);
        AppOverStore app(damaged);
        QVERIFY(app.isReady());
        SafetyCopies *copies = app.state()->backupService()->safetyCopies();
        QVERIFY(copies->dailyDue());
        MainWindow window(app.state());
        window.show();
        QMessageBox *message = nullptr;
        if (damaged) {
            QTRY_VERIFY_WITH_TIMEOUT(
                (message = window.findChild<QMessageBox *>(QStringLiteral("damagedStoreMessage"))) != nullptr, 15000);
            QVERIFY(message->text().contains(QDir::toNativeSeparators(copies->folder())));
            QVERIFY(message->text().contains(QStringLiteral("Safety Copies")));
            QVERIFY(copies->dailyDue());
            QVERIFY(copies->list().isEmpty());
        } else {
            QTRY_VERIFY_WITH_TIMEOUT(!copies->dailyDue(), 15000);
            QCOMPARE(copies->list().size(), 1);
            QVERIFY(!window.findChild<QMessageBox *>(QStringLiteral("damagedStoreMessage")));
        }
    }

    // A damaged store is not exported; the message says where the way back is.
    void exportOfADamagedStorePointsAtTheCopies()
    {
        AppOverStore app(true);
        QVERIFY(app.isReady());
        BackupPanel panel(app.state());
        panel.show();
        QTemporaryDir out;
        const QString path = out.filePath(QStringLiteral("backup.zip"));
        Prompt::queueText(path);
        QPushButton *exportButton = button(panel, QStringLiteral("Export Backup"));
        exportButton->setFocus();
        QTest::keyClick(exportButton, Qt::Key_Space);
        QCOMPARE(Prompt::records().size(), 2);
        const Prompt::Record warning = Prompt::records().at(1);
        QCOMPARE(warning.kind, QStringLiteral("warning"));
        QCOMPARE(warning.title, QStringLiteral("Backup Failed"));
        QVERIFY2(warning.text.startsWith(QStringLiteral("The store is damaged (")), qPrintable(warning.text));
        QVERIFY(warning.text.contains(
            QDir::toNativeSeparators(app.state()->backupService()->safetyCopies()->folder())));
        QVERIFY(!QFile::exists(path));
    }

private:
    QList<QUrl> m_opened;
};

QTEST_MAIN(TestSafetyCopies)
#include "tst_safetycopies.moc"
