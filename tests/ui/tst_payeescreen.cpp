#include "app/appstate.h"
#include "data/accountrepository.h"
#include "data/clock.h"
#include "data/database.h"
#include "data/transactionrepository.h"
#include "support/core/fixtures.h"
#include "support/gui/testapp.h"
#include "ui/prompt.h"
#include "ui/screens/payeescreen.h"

#include <QLineEdit>
#include <QListWidget>
#include <QAccessible>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QSqlQuery>
#include <QTest>

class TestPayeeScreen : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestApp> m_app;
    Account m_checking, m_savings;

    AppState *state() const { return m_app->state(); }

    Transaction add(const Account &account, const QString &payee, bool synced = true)
    {
        Transaction t = Fixtures::newTransaction(account.id, QDate(2025, 5, 1), payee, -1000);
        t.version = 3;
        t.syncStatus = synced ? SyncStatus::Synced : SyncStatus::Pending;
        t.createdAt = t.updatedAt = QDateTime(QDate(2025, 5, 1), QTime(8, 0), Qt::UTC);
        state()->transactions()->insert(t);
        return t;
    }

    Account account(const QString &name)
    {
        return Fixtures::addAccount(state()->accounts(), name);
    }

    void select(PayeeScreen &screen, const QStringList &payees)
    {
        screen.list()->clearSelection();
        for (const QString &p : payees) {
            const QList<QListWidgetItem *> found = screen.list()->findItems(p, Qt::MatchExactly);
            QCOMPARE(found.size(), 1);
            found.first()->setSelected(true);
        }
    }

    int countOf(const QString &payee, bool includeDeleted = false)
    {
        QSqlQuery q(state()->database()->connection());
        q.prepare(includeDeleted ? QStringLiteral("SELECT COUNT(*) FROM transactions WHERE payee = ?")
                                 : QStringLiteral("SELECT COUNT(*) FROM transactions WHERE payee = ? AND deleted_at IS NULL"));
        q.addBindValue(payee);
        q.exec();
        q.next();
        return q.value(0).toInt();
    }

    QStringList listed(const PayeeScreen &screen)
    {
        QStringList texts;
        for (int i = 0; i < screen.list()->count(); ++i)
            texts.append(screen.list()->item(i)->text());
        return texts;
    }

private Q_SLOTS:
    void init()
    {
        Clock::setFixedNow(QDateTime(QDate(2025, 6, 15), QTime(14, 30, 5), Qt::UTC));
        m_app = std::make_unique<TestApp>();
        QVERIFY(m_app->isReady());
        m_checking = account(QStringLiteral("Checking"));
        m_savings = account(QStringLiteral("Savings"));
    }
    void cleanup()
    {
        m_app.reset();
        Clock::setFixedNow(QDateTime());
    }

    void renameAcrossAccountsStampsIsoTimeAndKeepsDeletedRows()
    {
        const Transaction a = add(m_checking, QStringLiteral("Shell Oil"));
        add(m_savings, QStringLiteral("Shell Oil"));
        const Transaction gone = add(m_checking, QStringLiteral("Shell Oil"));
        state()->transactions()->softDelete(gone.id);
        add(m_checking, QStringLiteral("Other"));

        PayeeScreen screen(state());
        QCOMPARE(listed(screen), (QStringList{QStringLiteral("Other"), QStringLiteral("Shell Oil")}));
        QSignalSpy changed(&screen, &PayeeScreen::payeesChanged);
        select(screen, {QStringLiteral("Shell Oil")});
        QTest::keyClicks(screen.targetEdit(), QStringLiteral("  Shell  "));
        screen.onRename();

        QCOMPARE(Prompt::records().last().title, QStringLiteral("Rename Complete"));
        QCOMPARE(Prompt::records().last().text, QStringLiteral("Renamed 2 transaction(s)."));
        QCOMPARE(changed.count(), 1);
        QCOMPARE(countOf(QStringLiteral("Shell")), 2);
        QCOMPARE(state()->transactions()->getById(gone.id)->payee, QStringLiteral("Shell Oil"));
        QCOMPARE(listed(screen), (QStringList{QStringLiteral("Other"), QStringLiteral("Shell")}));

        QSqlQuery q(state()->database()->connection());
        q.prepare(QStringLiteral("SELECT updated_at, version, sync_status FROM transactions WHERE id = ?"));
        q.addBindValue(a.id);
        QVERIFY(q.exec() && q.next());
        QCOMPARE(q.value(0).toString(), QStringLiteral("2025-06-15T14:30:05Z"));
        QCOMPARE(q.value(1).toInt(), 3);
        QCOMPARE(q.value(2).toString(), QStringLiteral("pending"));
    }

    void renameToSameNameReportsZero()
    {
        const Transaction t = add(m_checking, QStringLiteral("Grocer"));
        PayeeScreen screen(state());
        select(screen, {QStringLiteral("Grocer")});
        screen.targetEdit()->setText(QStringLiteral("Grocer"));
        screen.onRename();
        QCOMPARE(Prompt::records().last().text, QStringLiteral("Renamed 0 transaction(s)."));
        const Transaction after = *state()->transactions()->getById(t.id);
        QCOMPARE(after.syncStatus, SyncStatus::Synced);
        QCOMPARE(after.updatedAt, t.updatedAt);
    }

    void renameNeedsTargetAndSelection()
    {
        add(m_checking, QStringLiteral("Grocer"));
        PayeeScreen screen(state());
        QSignalSpy changed(&screen, &PayeeScreen::payeesChanged);
        screen.targetEdit()->setText(QStringLiteral("Market"));
        screen.onRename();  // nothing selected
        select(screen, {QStringLiteral("Grocer")});
        screen.targetEdit()->setText(QStringLiteral("   "));
        screen.onRename();  // blank target
        QCOMPARE(changed.count(), 0);
        QVERIFY(Prompt::records().isEmpty());
        QCOMPARE(countOf(QStringLiteral("Grocer")), 1);
    }

    void mergeIntoFirstSelectedWhenTargetEmpty()
    {
        add(m_checking, QStringLiteral("ACME"));
        add(m_checking, QStringLiteral("Acme Corp"));
        add(m_savings, QStringLiteral("Acme Corp"));
        add(m_checking, QStringLiteral("Acme Inc"));
        PayeeScreen screen(state());
        QSignalSpy changed(&screen, &PayeeScreen::payeesChanged);

        select(screen, {QStringLiteral("Acme Inc")});
        screen.onMerge();
        QCOMPARE(Prompt::records().last().text, QStringLiteral("Select 2 or more payees to merge."));

        select(screen, {QStringLiteral("ACME"), QStringLiteral("Acme Corp"), QStringLiteral("Acme Inc")});
        Prompt::queueAnswer(QMessageBox::No);
        screen.onMerge();
        QCOMPARE(Prompt::records().last().text, QStringLiteral("Merge 3 payees into \"ACME\"?"));
        QCOMPARE(countOf(QStringLiteral("ACME")), 1);

        Prompt::queueAnswer(QMessageBox::Yes);
        screen.onMerge();
        QCOMPARE(Prompt::records().last().title, QStringLiteral("Merge Complete"));
        QCOMPARE(Prompt::records().last().text, QStringLiteral("Merged 3 transaction(s)."));
        QCOMPARE(countOf(QStringLiteral("ACME")), 4);
        QCOMPARE(changed.count(), 1);
        QCOMPARE(listed(screen), QStringList{QStringLiteral("ACME")});
    }

    // Everything a screen reader user needs goes through the accessibility
    // interfaces alone: each payee's Toggle action, the spoken count, and the
    // Merge button's press action.
    void aScreenReaderSelectsAndMerges()
    {
        add(m_checking, QStringLiteral("Acme"));
        add(m_checking, QStringLiteral("Acme Corp"));
        add(m_checking, QStringLiteral("Zed"));
        PayeeScreen screen(state());
        screen.show();
        QAccessible::setActive(true);
        QAccessibleInterface *list = QAccessible::queryAccessibleInterface(screen.list());
        QVERIFY(list);
        QCOMPARE(list->text(QAccessible::Description), QStringLiteral("Selected: 0 of 3"));
        for (int row : {0, 1}) {
            QAccessibleInterface *item = list->child(row);
            QVERIFY(item && item->actionInterface());
            QVERIFY(item->state().selectable);
            item->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
            QVERIFY(item->state().selected);
        }
        QCOMPARE(list->text(QAccessible::Description), QStringLiteral("Selected: 2 of 3"));
        QCOMPARE(screen.findChild<QLabel *>(QStringLiteral("payeeSelection"))->text(),
                 QStringLiteral("Selected: 2 of 3"));

        QAccessibleInterface *merge =
            QAccessible::queryAccessibleInterface(screen.findChild<QPushButton *>(QStringLiteral("mergePayees")));
        QVERIFY(merge && merge->actionInterface());
        QCOMPARE(merge->text(QAccessible::Name), QStringLiteral("Merge Selected"));
        Prompt::queueAnswer(QMessageBox::Yes);
        merge->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QTRY_COMPARE(countOf(QStringLiteral("Acme")), 2);  // the press is an animated click
        QCOMPARE(listed(screen), (QStringList{QStringLiteral("Acme"), QStringLiteral("Zed")}));
        QAccessible::setActive(false);
    }

    void failedMergeChangesNothing()
    {
        add(m_checking, QStringLiteral("Alpha"));
        add(m_checking, QStringLiteral("Beta"));
        add(m_checking, QStringLiteral("Zeta"));
        QSqlQuery q(state()->database()->connection());
        QVERIFY(q.exec(QStringLiteral("CREATE TEMP TRIGGER refuse_zeta BEFORE UPDATE OF payee ON transactions "
                                      "WHEN old.payee = 'Zeta' BEGIN SELECT RAISE(ABORT, 'refused'); END")));
        PayeeScreen screen(state());
        QSignalSpy changed(&screen, &PayeeScreen::payeesChanged);
        QSignalSpy repoChanged(state()->transactions(), &TransactionRepository::transactionsChanged);
        select(screen, {QStringLiteral("Alpha"), QStringLiteral("Beta"), QStringLiteral("Zeta")});
        screen.targetEdit()->setText(QStringLiteral("Omega"));
        Prompt::queueAnswer(QMessageBox::Yes);
        screen.onMerge();

        QCOMPARE(Prompt::records().last().kind, QStringLiteral("critical"));
        QCOMPARE(countOf(QStringLiteral("Omega")), 0);
        QCOMPARE(countOf(QStringLiteral("Alpha")), 1);
        QCOMPARE(countOf(QStringLiteral("Beta")), 1);
        QCOMPARE(changed.count(), 0);
        QCOMPARE(repoChanged.count(), 0);
    }

    void listAfterRenameIsTheStoresList()
    {
        // The list is updated in place after a rename, so it must come out as
        // the store would list it: byte order, each payee once.
        for (const char *payee : {"Bravo", "Delta", "Echo", "apple", "Zulu"})
            add(m_checking, QString::fromUtf8(payee));
        const Transaction gone = add(m_checking, QStringLiteral("Echo"));
        state()->transactions()->softDelete(gone.id);
        PayeeScreen screen(state());
        screen.show();
        const auto renameTo = [&](const QStringList &payees, const QString &target) {
            select(screen, payees);
            screen.targetEdit()->setText(target);
            screen.onRename();
            QCoreApplication::processEvents();
            QCOMPARE(listed(screen), state()->transactions()->payees());
        };
        renameTo({QStringLiteral("Bravo")}, QStringLiteral("Charlie"));
        renameTo({QStringLiteral("Charlie"), QStringLiteral("Echo")}, QStringLiteral("Delta"));
        renameTo({QStringLiteral("Delta")}, QStringLiteral("\u00c9clair"));
        renameTo({QStringLiteral("Zulu")}, QStringLiteral("banana"));
        QCOMPARE(listed(screen), (QStringList{QStringLiteral("apple"), QStringLiteral("banana"),
                                              QStringLiteral("\u00c9clair")}));
    }
};

QTEST_MAIN(TestPayeeScreen)
#include "tst_payeescreen.moc"
