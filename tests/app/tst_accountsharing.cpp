// Two people, each with their own store, signed in to one real server in
// this process: Ann shares "Joint Checking" with Ben through the Share
// dialog, Ben types into it, Ann makes him a viewer, Ben's next edit is
// refused and stays with him with a message, and when Ann stops sharing the
// account leaves Ben's store.
#include "app/appstate.h"
#include "app/mainwindow.h"
#include "app/statusbar.h"
#include "cloud/syncengine.h"
#include "data/accountrepository.h"
#include "data/categoryrepository.h"
#include "data/sharedaccess.h"
#include "data/transactionrepository.h"
#include "server/backend.h"
#include "server/familygroups.h"
#include "server/store.h"
#include "services/accountservice.h"
#include "services/categoryservice.h"
#include "services/transactionservice.h"
#include "support/gui/testapp.h"
#include "support/gui/testsync.h"
#include "testserver.h"
#include "ui/dialogs/shareaccountdialog.h"
#include "ui/prompt.h"
#include "ui/register/registermodel.h"
#include "ui/register/registerscreen.h"

#include <QComboBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTreeWidget>

class TestAccountSharing : public QObject
{
    Q_OBJECT

    TestServer m_server;

    // A press of the button as the keyboard makes it, then the service's answer.
    static bool press(ShareAccountDialog &dialog, QPushButton *button)
    {
        QSignalSpy answered(&dialog, &ShareAccountDialog::answered);
        if (!button->isVisible() || !button->isEnabled())
            return false;
        button->setFocus();
        QTest::keyClick(button, Qt::Key_Space);
        return answered.wait(10000);
    }

    static void selectPerson(ShareAccountDialog &dialog, const QString &email)
    {
        QTreeWidget *list = dialog.memberList();
        for (int i = 0; i < list->topLevelItemCount(); ++i) {
            if (list->topLevelItem(i)->text(0).contains(email))
                list->setCurrentItem(list->topLevelItem(i));
        }
    }

    static QString roleOf(ShareAccountDialog &dialog, const QString &email)
    {
        QTreeWidget *list = dialog.memberList();
        for (int i = 0; i < list->topLevelItemCount(); ++i) {
            if (list->topLevelItem(i)->text(0).contains(email))
                return list->topLevelItem(i)->text(1);
        }
        return {};
    }

private Q_SLOTS:
    void initTestCase()
    {
        Prompt::setTestMode(true);
        QString why;
        QVERIFY2(m_server.start(StoreKind::Sqlite, nullptr, &why), qPrintable(why));
        m_server.exportEnvironment();
    }

    void aHouseholdSharesAnAccount()
    {
        TestApp ann;
        TestApp ben;
        QVERIFY(ann.isReady() && ben.isReady());
        bool allowAnn = false;
        bool allowBen = false;
        ann.state()->syncEngine()->setMaySync([&allowAnn] { return allowAnn; });
        ben.state()->syncEngine()->setMaySync([&allowBen] { return allowBen; });
        QVERIFY(TestSync::signIn(ann.state(), m_server.client(), QStringLiteral("ann@example.org")));
        QVERIFY(TestSync::signIn(ben.state(), m_server.client(), QStringLiteral("ben@example.org")));
        QuilletServer::FamilyGroups &family = m_server.server().backend().family;
        const QString annId = m_server.userId(QStringLiteral("ann@example.org"));
        const QString benId = m_server.userId(QStringLiteral("ben@example.org"));
        QVERIFY(family.create(annId).ok());
        QuilletServer::FamilyInvitation invitation;
        QVERIFY(family.invite(annId, QStringLiteral("ben@example.org"), &invitation).ok());
        QVERIFY(family.accept(benId, invitation.id).ok());

        Account draft;
        draft.name = QStringLiteral("Joint Checking");
        draft.startingBalance = 250000;
        const std::optional<Account> joint = ann.state()->accountService()->createAccount(draft, QDate(2024, 1, 1));
        QVERIFY(joint);
        const QString jointId = joint->id;

        // Before the first sync the service does not know the account.
        {
            ShareAccountDialog early(ann.state()->accountSharingService(), jointId, joint->name);
            QVERIFY(early.messageText().contains(QLatin1String("has not been synced yet")));
            QVERIFY(!early.addButton()->isVisibleTo(&early));
        }
        QVERIFY(TestSync::sync(ann.state(), &allowAnn));

        // Ann adds Ben as an editor.
        ShareAccountDialog dialog(ann.state()->accountSharingService(), jointId, joint->name);
        dialog.show();
        QVERIFY(QTest::qWaitFor([&] { return !dialog.isBusy(); }, 10000));
        QCOMPARE(dialog.personChoice()->count(), 1);
        QVERIFY(dialog.personChoice()->currentText().contains(QLatin1String("ben@example.org")));
        dialog.roleChoice()->setFocus();
        QTest::keyClick(dialog.roleChoice(), Qt::Key_Down);
        QCOMPARE(dialog.roleChoice()->currentData().toString(), QStringLiteral("editor"));
        QVERIFY(press(dialog, dialog.addButton()));
        QCOMPARE(roleOf(dialog, QStringLiteral("ben@example.org")), ShareAccountDialog::roleText(QStringLiteral("editor")));
        QCOMPARE(dialog.personChoice()->count(), 0);
        QVERIFY(TestSync::sync(ann.state(), &allowAnn));
        QVERIFY(ann.state()->accounts()->findById(jointId)->isShared);

        // Ben sees it after a sync and adds a payment.
        QVERIFY(TestSync::sync(ben.state(), &allowBen));
        const std::optional<Account> bensJoint = ben.state()->accounts()->findById(jointId);
        QVERIFY(bensJoint && !bensJoint->isDeleted() && bensJoint->isShared);
        QCOMPARE(ben.state()->transactions()->balance(jointId), 250000);
        const std::optional<SharedAccess::Access> access = SharedAccess(ben.state()->preferences()).of(jointId);
        QVERIFY(access && !access->viewOnly());
        QCOMPARE(access->ownerEmail, QStringLiteral("ann@example.org"));
        // He files it under a category of his own: Ann is given it with the row.
        Category bensOwn;
        bensOwn.name = QStringLiteral("Ben's groceries");
        QString bensOwnId;
        QVERIFY(ben.state()->categoryService()->addCategory(bensOwn, &bensOwnId));
        Transaction payment;
        payment.accountId = jointId;
        payment.date = QDate(2024, 2, 3);
        payment.payee = QStringLiteral("Grocer");
        payment.amount = -4500;
        payment.categoryId = bensOwnId;
        QString paymentId;
        QVERIFY(ben.state()->transactionService()->add(payment, {}, &paymentId));
        QVERIFY(TestSync::sync(ben.state(), &allowBen));
        QCOMPARE(ben.state()->transactions()->getById(paymentId)->syncStatus, SyncStatus::Synced);
        QVERIFY(TestSync::sync(ann.state(), &allowAnn));
        QCOMPARE(ann.state()->transactions()->getById(paymentId)->payee, QStringLiteral("Grocer"));
        QCOMPARE(ann.state()->transactions()->getById(paymentId)->categoryId, bensOwnId);
        const std::optional<Category> given = ann.state()->categories()->findById(bensOwnId);
        QVERIFY(given);
        QCOMPARE(given->name, QStringLiteral("Ben's groceries"));
        QCOMPARE(ann.state()->transactions()->balance(jointId), 245500);

        // Ann makes Ben a viewer; his next edit, typed before he learns it, is refused.
        selectPerson(dialog, QStringLiteral("ben@example.org"));
        QVERIFY(press(dialog, dialog.roleButton()));
        QCOMPARE(roleOf(dialog, QStringLiteral("ben@example.org")), ShareAccountDialog::roleText(QStringLiteral("viewer")));
        std::optional<Transaction> edited = ben.state()->transactions()->getById(paymentId);
        edited->amount = -9900;
        QVERIFY(ben.state()->transactionService()->update(*edited));
        MainWindow window(ben.state());
        window.selectAccount(jointId);
        QVERIFY(TestSync::sync(ben.state(), &allowBen));
        QCOMPARE(ben.state()->syncEngine()->lastCycle().forbidden, 1);
        QCOMPARE(ben.state()->transactions()->getById(paymentId)->syncStatus, SyncStatus::Pending);
        QVERIFY2(window.mainStatusBar()->syncText().contains(QLatin1String("not accepted")),
                 qPrintable(window.mainStatusBar()->syncText()));
        QVERIFY(window.mainStatusBar()->currentMessage().contains(QLatin1String("view")));
        // From now on his register only shows it, and says whose it is.
        QTRY_VERIFY(window.registerPage()->isViewOnly());
        QVERIFY(window.registerPage()->model()->isReadOnly());
        QCOMPARE(window.registerPage()->sharedText(), QStringLiteral("Shared with you by Test Person \u00b7 view only"));
        edited->amount = -1;
        QVERIFY(!ben.state()->transactionService()->update(*edited));
        QVERIFY(TestSync::sync(ann.state(), &allowAnn));
        QCOMPARE(ann.state()->transactions()->getById(paymentId)->amount, -4500);

        // Ann stops sharing; the account leaves Ben's store, his refused edit with it.
        selectPerson(dialog, QStringLiteral("ben@example.org"));
        Prompt::queueAnswer(QMessageBox::Yes);
        QVERIFY(press(dialog, dialog.removeButton()));
        QCOMPARE(dialog.memberList()->topLevelItemCount(), 1);
        QVERIFY(TestSync::sync(ben.state(), &allowBen));
        QVERIFY(ben.state()->accounts()->findById(jointId)->isDeleted());
        QVERIFY(ben.state()->transactions()->getById(paymentId)->isDeleted());
        QCOMPARE(ben.state()->transactions()->getById(paymentId)->syncStatus, SyncStatus::Synced);
        QVERIFY(!SharedAccess(ben.state()->preferences()).of(jointId));
        QVERIFY(TestSync::sync(ben.state(), &allowBen));
        QCOMPARE(ben.state()->syncEngine()->lastCycle().forbidden, 0);
        QCOMPARE(ben.state()->syncEngine()->lastCycle().pushed, 0);
        // Ann keeps all of it, Ben's payment included.
        QVERIFY(TestSync::sync(ann.state(), &allowAnn));
        QVERIFY(!ann.state()->accounts()->findById(jointId)->isShared);
        QCOMPARE(ann.state()->transactions()->balance(jointId), 245500);
    }
};

QTEST_MAIN(TestAccountSharing)
#include "tst_accountsharing.moc"
