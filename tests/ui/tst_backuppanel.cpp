#include "app/appstate.h"
#include "data/accountrepository.h"
#include "data/clock.h"
#include "services/backupservice.h"
#include "support/core/fixtures.h"
#include "support/core/zipbuilder.h"
#include "support/gui/testapp.h"
#include "support/gui/screenshots.h"
#include "ui/prompt.h"
#include "ui/settings/backuppanel.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace {

QPushButton *button(BackupPanel &panel, const QString &text)
{
    const QList<QPushButton *> buttons = panel.findChildren<QPushButton *>();
    for (QPushButton *b : buttons) {
        if (b->text() == text)
            return b;
    }
    return nullptr;
}

// Activates a button the way a keyboard user does.
void press(QPushButton *b)
{
    QVERIFY(b);
    b->setFocus();
    QTest::keyClick(b, Qt::Key_Space);
}

Account addAccount(AppState *state, const QString &name)
{
    return Fixtures::addAccount(state->accounts(), name);
}

QString lastKinds()
{
    QStringList kinds;
    for (const Prompt::Record &r : std::as_const(Prompt::records()))
        kinds.append(r.kind);
    return kinds.join(QLatin1Char(','));
}

} // namespace

class TestBackupPanel : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { Clock::setFixedNow(QDateTime(QDate(2024, 3, 1), QTime(9, 0), Qt::UTC)); }
    void cleanup() { Clock::setFixedNow(QDateTime()); }

    void exportWritesTheFileAndSaysWhere()
    {
        TestApp app;
        QVERIFY(app.isReady());
        addAccount(app.state(), QStringLiteral("Checking"));
        BackupPanel panel(app.state());
        panel.show();
        const QString path = QDir(app.directory()).filePath(QStringLiteral("out.zip"));

        Prompt::queueText(path);
        press(button(panel, QStringLiteral("Export Backup")));
        QCOMPARE(lastKinds(), QStringLiteral("save,information"));
        const Prompt::Record save = Prompt::records().at(0);
        QCOMPARE(save.title, QStringLiteral("Export Backup"));
        QVERIFY(save.text.endsWith(QStringLiteral("/quillet-backup-2024-03-01.zip")));
        QCOMPARE(Prompt::records().at(1).title, QStringLiteral("Backup Complete"));
        QCOMPARE(Prompt::records().at(1).text, QStringLiteral("Backup saved to:\n") + QDir::toNativeSeparators(path));
        QVERIFY(QFile::exists(path));
        QVERIFY(button(panel, QStringLiteral("Export Backup"))->isEnabled());

        // A place that cannot be written to.
        Prompt::clear();
        const QString bad = QDir(app.directory()).filePath(QStringLiteral("missing/dir/out.zip"));
        Prompt::queueText(bad);
        press(button(panel, QStringLiteral("Export Backup")));
        QCOMPARE(lastKinds(), QStringLiteral("save,warning"));
        QCOMPARE(Prompt::records().at(1).title, QStringLiteral("Backup Failed"));
        QCOMPARE(Prompt::records().at(1).text, QStringLiteral("Could not write to:\n") + QDir::toNativeSeparators(bad));

        // Cancelled dialog: nothing happens.
        Prompt::clear();
        press(button(panel, QStringLiteral("Export Backup")));
        QCOMPARE(lastKinds(), QStringLiteral("save"));
    }

    void importRestoresAndReports()
    {
        TestApp app;
        QVERIFY(app.isReady());
        AppState *state = app.state();
        const Account kept = addAccount(state, QStringLiteral("Checking"));
        const QString path = QDir(app.directory()).filePath(QStringLiteral("backup.zip"));
        QVERIFY(BackupService::writeFile(path, state->backupService()->exportBackup()));
        state->accounts()->softDelete(kept.id);

        BackupPanel panel(state);
        panel.show();
        QPushButton *importButton = button(panel, QStringLiteral("Import Backup"));
        QString busyText;
        bool busyEnabled = true;
        connect(state->backupService(), &BackupService::restored, this, [&]() {
            busyText = importButton->text();
            busyEnabled = importButton->isEnabled();
        });
        QSignalSpy accountsChanged(state->accounts(), &AccountRepository::accountsChanged);

        Prompt::queueText(path);
        Prompt::queueText(QStringLiteral("Replace all with backup data"));
        press(importButton);
        QCOMPARE(lastKinds(), QStringLiteral("open,item,information"));
        QCOMPARE(Prompt::records().at(0).title, QStringLiteral("Import Backup"));
        QCOMPARE(Prompt::records().at(1).title, QStringLiteral("Import Mode"));
        QCOMPARE(Prompt::records().at(1).text, QStringLiteral("How should existing data be handled?"));
        QCOMPARE(Prompt::records().at(2).title, QStringLiteral("Import Complete"));
        QVERIFY(Prompt::records().at(2).text.startsWith(QStringLiteral("Imported ")));
        QVERIFY(Prompt::records().at(2).text.endsWith(QStringLiteral(" items, skipped 0.")));
        QCOMPARE(busyText, QStringLiteral("Importing..."));
        QVERIFY(!busyEnabled);
        QCOMPARE(importButton->text(), QStringLiteral("Import Backup"));
        QVERIFY(importButton->isEnabled());
        // The backup's live account is live again, and the screens heard about it.
        QVERIFY(!state->accounts()->findById(kept.id)->isDeleted());
        QCOMPARE(accountsChanged.count(), 1);

        // Everything exists now: skipping imports nothing.
        Prompt::clear();
        Prompt::queueText(path);
        Prompt::queueText(QStringLiteral("Skip existing items"));
        press(importButton);
        QCOMPARE(lastKinds(), QStringLiteral("open,item,information"));
        QVERIFY(Prompt::records().at(2).text.startsWith(QStringLiteral("Imported 0 items, skipped ")));
    }

    // The fourth mode leaves the store holding the backup alone, and says
    // where the store as it was is kept.
    void exactImportNamesTheSafetyCopy()
    {
        TestApp app;
        QVERIFY(app.isReady());
        AppState *state = app.state();
        addAccount(state, QStringLiteral("Checking"));
        const QString path = QDir(app.directory()).filePath(QStringLiteral("backup.zip"));
        QVERIFY(BackupService::writeFile(path, state->backupService()->exportBackup()));
        addAccount(state, QStringLiteral("Opened later"));

        BackupPanel panel(state);
        panel.show();
        Prompt::queueText(path);
        Prompt::queueText(QStringLiteral("Restore exactly (the store becomes the backup)"));
        press(button(panel, QStringLiteral("Import Backup")));
        QCOMPARE(lastKinds(), QStringLiteral("open,item,information"));
        const QString text = Prompt::records().at(2).text;
        const QString copies = QDir::toNativeSeparators(QDir(app.directory()).filePath(QStringLiteral("Backups")));
        QVERIFY2(text.contains(QStringLiteral(" items, skipped 0.\n\nYour data as it was before is kept as a safety "
                                              "copy:\n") + copies),
                 qPrintable(text));
        QVERIFY(text.endsWith(QStringLiteral("-before-exact-restore.db")));
        const QList<Account> live = state->accounts()->listLive();
        QCOMPARE(live.size(), 1);
        QCOMPARE(live.first().name, QStringLiteral("Checking"));
    }

    void importProblemsAreShown_data()
    {
        QTest::addColumn<QByteArray>("content");  // empty: the file does not exist
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("text");

        QTest::newRow("unreadable") << QByteArray() << "warning"
                                    << "Import Failed"
                                    << "Could not read file.";
        QTest::newRow("not a backup") << QByteArray("just some text") << "warning"
                                      << "Import Failed"
                                      << "Failed to open ZIP archive";
        ZipBuilder zip;
        zip.add(QStringLiteral("accounts/a.json"),
                QJsonDocument(QJsonObject{{QStringLiteral("id"), QStringLiteral("a")},
                                          {QStringLiteral("name"), QStringLiteral("A")},
                                          {QStringLiteral("nickname"), QStringLiteral("x")},
                                          {QStringLiteral("created_at"), QStringLiteral("2024-01-01T00:00:00Z")},
                                          {QStringLiteral("updated_at"), QStringLiteral("2024-01-01T00:00:00Z")}})
                    .toJson());
        zip.add(QStringLiteral("accounts/b.json"), "not json");
        zip.add(QStringLiteral("manifest.json"), "{\"version\": 1}");
        QTest::newRow("row errors") << zip.bytes() << "information"
                                    << "Import Complete"
                                    << "Imported 1 items, skipped 0.\n\n2 error(s) occurred.";
    }

    void importProblemsAreShown()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, kind);
        QFETCH(QString, title);
        QFETCH(QString, text);
        TestApp app;
        QVERIFY(app.isReady());
        const QString path = QDir(app.directory()).filePath(QStringLiteral("in.zip"));
        if (!content.isEmpty())
            QVERIFY(BackupService::writeFile(path, content));
        BackupPanel panel(app.state());

        Prompt::queueText(path);
        Prompt::queueText(QStringLiteral("Keep newer (compare timestamps)"));
        press(button(panel, QStringLiteral("Import Backup")));
        QCOMPARE(lastKinds(), QStringLiteral("open,item,") + kind);
        QCOMPARE(Prompt::records().last().title, title);
        QCOMPARE(Prompt::records().last().text, text);
    }

    void cancellingTheModeDoesNothing()
    {
        TestApp app;
        QVERIFY(app.isReady());
        BackupPanel panel(app.state());
        QSignalSpy restored(app.state()->backupService(), &BackupService::restored);
        Prompt::queueText(QDir(app.directory()).filePath(QStringLiteral("in.zip")));
        press(button(panel, QStringLiteral("Import Backup")));
        QCOMPARE(lastKinds(), QStringLiteral("open,item"));
        QCOMPARE(restored.count(), 0);
    }

    void screenshots()
    {
        if (Screenshots::directory().isEmpty())
            QSKIP("set QUILLET_SHOT_DIR to render the panel");
        TestApp app;
        QVERIFY(app.isReady());
        QWidget frame;
        frame.setAutoFillBackground(true);
        auto *panel = new BackupPanel(app.state(), &frame);
        panel->move(16, 16);
        frame.resize(520, panel->sizeHint().height() + 32);
        panel->resize(488, panel->sizeHint().height());
        frame.show();
        QVERIFY(Screenshots::saveLightAndDark(&frame, QStringLiteral("backuppanel")));
    }
};

QTEST_MAIN(TestBackupPanel)
#include "tst_backuppanel.moc"
