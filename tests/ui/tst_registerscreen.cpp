#include "app/appstate.h"
#include "data/accountrepository.h"
#include "data/categoryrepository.h"
#include "data/clock.h"
#include "data/database.h"
#include "data/preferencesrepository.h"
#include "data/transactionrepository.h"
#include "services/transactionservice.h"
#include "support/core/fixtures.h"
#include "support/core/lockholder.h"
#include "support/gui/modaldriver.h"
#include "support/gui/testapp.h"
#include "data/recurringrepository.h"
#include "data/splitlinerepository.h"
#include "ui/dialogs/recurringformdialog.h"
#include "ui/dialogs/spliteditordialog.h"
#include "ui/dialogs/splitlineswidget.h"
#include "ui/dialogs/transactiondetailsdialog.h"
#include "ui/dialogs/transactionformdialog.h"
#include "ui/editors/smartamountfield.h"
#include "ui/prompt.h"
#include "ui/register/registerdelegate.h"
#include "ui/register/registermodel.h"
#include "ui/register/registerscreen.h"
#include "ui/register/registertableview.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QCompleter>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QSettings>
#include <QSignalSpy>
#include <QSqlQuery>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>

// Drives the real register with keys and checks what reached the store.
class TestRegisterScreen : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestApp> m_app;
    std::unique_ptr<RegisterScreen> m_screen;

    AppState *state() const { return m_app->state(); }
    RegisterModel *model() const { return m_screen->model(); }
    RegisterTableView *table() const { return m_screen->table(); }

    Account addAccount(const QString &name, Currency currency = Currency::USD, qint64 starting = 0)
    {
        return Fixtures::addAccount(state()->accounts(), name, currency, starting);
    }

    Transaction addTransaction(const Account &a, const QDate &date, const QString &payee, qint64 amount,
                               const QString &categoryId = QString())
    {
        static int sequence = 0;
        Transaction t = Fixtures::newTransaction(a.id, date, payee, amount);
        t.categoryId = categoryId;
        t.createdAt = t.updatedAt = Clock::nowUtc().addSecs(++sequence);
        state()->transactions()->insert(t);
        return t;
    }

    void open(const Account &a)
    {
        m_screen->setAccount(a.id);
        QCoreApplication::processEvents();
    }

    QWidget *editor() const { return table()->activeEditor(); }

    // The line that takes the keys of the open editor.
    QLineEdit *line() const
    {
        QWidget *e = editor();
        if (!e)
            return nullptr;
        if (auto *combo = qobject_cast<QComboBox *>(e))
            return combo->lineEdit();
        if (auto *l = qobject_cast<QLineEdit *>(e))
            return l;
        return e->findChild<QLineEdit *>(QStringLiteral("payeeEdit"));
    }

    // Types text into the open editor and leaves it with key.
    void type(const QString &text, Qt::Key key = Qt::Key_Tab, Qt::KeyboardModifiers mods = Qt::NoModifier)
    {
        QLineEdit *l = line();
        QVERIFY2(l, "no editor open");
        if (!text.isEmpty())
            QTest::keyClicks(l, text);
        QTest::keyClick(l, key, mods);
        QCoreApplication::processEvents();
    }

    void startOnBlankRow()
    {
        const QModelIndex date = model()->index(model()->blankRow(), RegisterModel::Date);
        table()->setCurrentIndex(date);
        QTest::keyClick(table(), Qt::Key_Return);
        QVERIFY(editor());
    }

    QList<Transaction> stored(const Account &a) { return state()->transactions()->listByAccount(a.id); }

    // An account whose last "Grocery Mart" row was -45.67 "weekly", shown with
    // two-line rows, with the editor open on the blank row's payee.
    Account openTwoLineOnBlankPayee()
    {
        const Account a = addAccount(QStringLiteral("Checking"));
        Transaction last = addTransaction(a, QDate(2024, 5, 1), QStringLiteral("Grocery Mart"), -4567);
        last.memo = QStringLiteral("weekly");
        state()->transactions()->update(last);
        state()->preferences()->setBool(QStringLiteral("registerTwoLine"), true);
        open(a);
        startOnBlankRow();
        type(QString());
        type(QString());
        return a;
    }

    // Acts on the next modal dialog of type D once it is up (then it must close it).
    template <typename D>
    void whenDialogOpens(const std::function<void(D *)> &act)
    {
        auto *timer = new QTimer(m_screen.get());
        timer->setInterval(10);
        connect(timer, &QTimer::timeout, m_screen.get(), [timer, act] {
            if (auto *dialog = qobject_cast<D *>(QApplication::activeModalWidget())) {
                timer->stop();
                timer->deleteLater();
                act(dialog);
            }
        });
        timer->start();
    }

private Q_SLOTS:
    void init()
    {
        Clock::setFixedNow(QDateTime(QDate(2024, 6, 15), QTime(12, 0), Qt::UTC));
        m_app = std::make_unique<TestApp>();
        QVERIFY(m_app->isReady());
        state()->preferences()->setBool(QStringLiteral("registerNewestFirst"), false);
        m_screen = std::make_unique<RegisterScreen>(state());
        m_screen->resize(1200, 600);
        m_screen->show();
        m_screen->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_screen.get()));
    }

    void cleanup()
    {
        m_screen.reset();
        m_app.reset();
        Clock::setFixedNow(QDateTime());
    }

    void newPaymentTypedThroughEveryField()
    {
        const Account a = addAccount(QStringLiteral("Checking"));
        const QString groceries = state()->categories()->findByName(QStringLiteral("Groceries"))->id;
        open(a);
        startOnBlankRow();
        type(QStringLiteral("3/5/2024"));
        type(QStringLiteral("101"));
        type(QStringLiteral("Grocery Mart"));
        type(QStringLiteral("Groceries"));
        type(QStringLiteral("weekly shop"));
        type(QStringLiteral("45.67"));
        type(QString());  // Deposit
        QCOMPARE(table()->currentIndex().column(), int(RegisterModel::Cleared));
        type(QStringLiteral("c"));  // Tab stops at Clr
        QCOMPARE(table()->currentIndex().column(), int(RegisterModel::Cleared));
        QVERIFY(stored(a).isEmpty());
        type(QString(), Qt::Key_Return);  // Enter past Clr saves

        const QList<Transaction> rows = stored(a);
        QCOMPARE(rows.size(), 1);
        const Transaction &t = rows.first();
        QCOMPARE(t.date, QDate(2024, 3, 5));
        QCOMPARE(t.checkNumber, QStringLiteral("101"));
        QCOMPARE(t.payee, QStringLiteral("Grocery Mart"));
        QCOMPARE(t.categoryId, groceries);
        QCOMPARE(t.memo, QStringLiteral("weekly shop"));
        QCOMPARE(t.amount, -4567);
        QVERIFY(t.cleared);
        QVERIFY(!t.reconciled);
        QCOMPARE(t.version, 1);
        QCOMPARE(t.syncStatus, SyncStatus::Pending);
        QCOMPARE(t.id.size(), 36);

        // Back on the blank row, which starts at the date just entered.
        QVERIFY(model()->isBlankRow(table()->currentIndex().row()));
        QCOMPARE(table()->currentIndex().column(), int(RegisterModel::Date));
        QCOMPARE(model()->bufferText(RegisterModel::Date), QStringLiteral("3/5/2024"));
        QCOMPARE(m_screen->findChild<QLabel *>(QStringLiteral("registerBalance"))->text(), QStringLiteral("-$45.67"));
    }

    void validationKeepsWhatWasTyped()
    {
        const Account a = addAccount(QStringLiteral("Checking"));
        open(a);
        startOnBlankRow();
        type(QString());
        type(QStringLiteral("7"));
        type(QStringLiteral("   "));  // payee of blanks only
        type(QString());
        type(QString());
        type(QStringLiteral("12.50"));
        type(QStringLiteral("3.00"), Qt::Key_Return, Qt::ControlModifier);
        QCOMPARE(m_screen->messageText(), QStringLiteral("Payee is required"));
        QVERIFY(stored(a).isEmpty());
        QCOMPARE(model()->bufferText(RegisterModel::CheckNumber), QStringLiteral("7"));
        QCOMPARE(model()->bufferText(RegisterModel::Payment), QStringLiteral("12.50"));

        model()->setBufferText(RegisterModel::Payee, QStringLiteral("Both"));
        model()->setBufferText(RegisterModel::Payment, QString());
        model()->setBufferText(RegisterModel::Deposit, QString());
        m_screen->commitCurrentRow();
        QCOMPARE(m_screen->messageText(), QStringLiteral("Enter a payment or deposit amount"));

        // Payment wins over Deposit; a lower-case r reconciles.
        model()->setBufferText(RegisterModel::Payment, QStringLiteral("12.50"));
        model()->setBufferText(RegisterModel::Deposit, QStringLiteral("3.00"));
        model()->setBufferText(RegisterModel::Cleared, QStringLiteral("r"));
        m_screen->commitCurrentRow();
        QCOMPARE(stored(a).size(), 1);
        QCOMPARE(stored(a).first().amount, -1250);
        QVERIFY(stored(a).first().reconciled && stored(a).first().cleared);
    }

    void transfersMakeLinkedPairsOrAreRefused()
    {
        const Account checking = addAccount(QStringLiteral("Checking"));
        const Account savings = addAccount(QStringLiteral("Savings"));
        const Account yen = addAccount(QStringLiteral("Yen Wallet"), Currency::JPY);
        open(checking);
        QVERIFY(m_screen->delegate()->payeeList().contains(QStringLiteral("[Transfer] Savings")));
        QVERIFY(!m_screen->delegate()->payeeList().contains(QStringLiteral("[Transfer] Checking")));

        QSignalSpy errors(m_screen.get(), &RegisterScreen::errorMessage);
        startOnBlankRow();
        type(QString());
        type(QString());
        type(QStringLiteral("[Transfer] Savngs"));
        type(QString());
        type(QString());
        type(QStringLiteral("100.00"), Qt::Key_Return, Qt::ControlModifier);
        QCOMPARE(m_screen->messageText(), QStringLiteral("Transfer account not found"));

        model()->setBufferText(RegisterModel::Payee, QStringLiteral("[Transfer] Yen Wallet"));
        m_screen->commitCurrentRow();
        QCOMPARE(errors.count(), 1);
        QCOMPARE(errors.first().first().toString(),
                 QStringLiteral("Transfers require both accounts to use the same currency"));
        QVERIFY(stored(checking).isEmpty());
        QVERIFY(stored(yen).isEmpty());

        model()->setBufferText(RegisterModel::Payee, QStringLiteral("[Transfer] Savings"));
        m_screen->commitCurrentRow();
        QCOMPARE(stored(checking).size(), 1);
        QCOMPARE(stored(savings).size(), 1);
        const Transaction out = stored(checking).first();
        const Transaction in = stored(savings).first();
        QCOMPARE(out.payee, QStringLiteral("Transfer to Savings"));
        QCOMPARE(in.payee, QStringLiteral("Transfer from Checking"));
        QCOMPARE(out.amount, -10000);
        QCOMPARE(in.amount, 10000);
        QCOMPARE(out.transferLinkId, in.id);
        QCOMPARE(in.transferLinkId, out.id);
        QCOMPARE(out.transferDestAccountId, savings.id);
        QCOMPARE(in.transferDestAccountId, checking.id);
        QCOMPARE(in.date, out.date);

        // Deleting the side in the other account removes both.
        open(savings);
        table()->setCurrentIndex(model()->index(model()->rowOfTransaction(in.id), RegisterModel::Payee));
        Prompt::queueAnswer(QMessageBox::Yes);
        QTest::keyClick(table(), Qt::Key_D, Qt::ControlModifier);
        QCOMPARE(Prompt::records().last().title, QStringLiteral("Delete Transaction"));
        QCOMPARE(Prompt::records().last().text,
                 QStringLiteral("Delete transfer \"Transfer from Checking\" for $100.00?\n\nBoth sides of the "
                                "transfer will be deleted."));
        QVERIFY(stored(checking).isEmpty());
        QVERIFY(stored(savings).isEmpty());
        QCOMPARE(model()->rowCount(), 1);
    }

    // A stored row is not turned into a transfer, nor a transfer's other side
    // moved, by picking "[Transfer] X" as its payee: that is refused with a
    // message and the row stays as stored. Picking the account it already
    // goes to changes nothing about the link.
    void aStoredRowKeepsItsTransferLink_data()
    {
        QTest::addColumn<bool>("transfer");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("saved");
        QTest::newRow("plain row") << false << "[Transfer] Savings" << false;
        QTest::newRow("transfer to another account") << true << "[Transfer] Brokerage" << false;
        QTest::newRow("transfer to the same account") << true << "[Transfer] Savings" << true;
    }

    void aStoredRowKeepsItsTransferLink()
    {
        QFETCH(bool, transfer);
        QFETCH(QString, typed);
        QFETCH(bool, saved);
        const Account checking = addAccount(QStringLiteral("Checking"));
        const Account savings = addAccount(QStringLiteral("Savings"));
        const Account brokerage = addAccount(QStringLiteral("Brokerage"));
        Transaction t = Fixtures::newTransaction(checking.id, QDate(2024, 5, 3),
                                                 transfer ? QStringLiteral("Transfer to Savings") : QStringLiteral("Cafe"), -5000);
        QString id;
        QVERIFY(transfer ? state()->transactionService()->addTransfer(t, checking, savings, &id)
                         : state()->transactionService()->add(t, {}, &id));
        const Transaction before = *state()->transactions()->getById(id);

        open(checking);
        QSignalSpy errors(m_screen.get(), &RegisterScreen::errorMessage);
        table()->setCurrentIndex(model()->index(model()->rowOfTransaction(id), RegisterModel::Payee));
        QTest::keyClick(table(), Qt::Key_Return);
        QVERIFY(line());
        line()->selectAll();
        type(typed);
        model()->setBufferText(RegisterModel::Payment, QStringLiteral("45.00"));
        m_screen->commitCurrentRow();

        const Transaction after = *state()->transactions()->getById(id);
        QCOMPARE(errors.count(), saved ? 0 : 1);
        QCOMPARE(after.payee, before.payee);
        QCOMPARE(after.transferLinkId, before.transferLinkId);
        QCOMPARE(after.transferDestAccountId, before.transferDestAccountId);
        QCOMPARE(after.amount, saved ? qint64(-4500) : before.amount);
        QCOMPARE(stored(savings).size(), transfer ? 1 : 0);
        QVERIFY(stored(brokerage).isEmpty());
        if (transfer)
            QCOMPARE(stored(savings).first().amount, -after.amount);
    }

    // Typed over in place, either side of a transfer takes the other with it.
    void editingATransferInPlaceMovesTheOtherSide()
    {
        const Account checking = addAccount(QStringLiteral("Checking"));
        const Account savings = addAccount(QStringLiteral("Savings"));
        Transaction draft = Fixtures::newTransaction(checking.id, QDate(2024, 5, 3), QStringLiteral("Transfer to Savings"), -5000);
        QString outId;
        QVERIFY(state()->transactionService()->addTransfer(draft, checking, savings, &outId));
        const QString inId = state()->transactions()->getById(outId)->transferLinkId;

        open(checking);
        table()->setCurrentIndex(model()->index(model()->rowOfTransaction(outId), RegisterModel::Payment));
        QTest::keyClick(table(), Qt::Key_Return);
        QVERIFY(line());
        line()->selectAll();
        type(QStringLiteral("45.00"), Qt::Key_Return, Qt::ControlModifier);
        QCOMPARE(state()->transactions()->getById(outId)->amount, qint64(-4500));
        QCOMPARE(state()->transactions()->getById(inId)->amount, qint64(4500));

        open(savings);
        table()->setCurrentIndex(model()->index(model()->rowOfTransaction(inId), RegisterModel::Date));
        QTest::keyClick(table(), Qt::Key_Return);
        QVERIFY(line());
        line()->selectAll();
        type(QStringLiteral("5/6/2024"), Qt::Key_Return, Qt::ControlModifier);
        QCOMPARE(state()->transactions()->getById(inId)->date, QDate(2024, 5, 6));
        QCOMPARE(state()->transactions()->getById(outId)->date, QDate(2024, 5, 6));
        QCOMPARE(state()->transactions()->getById(outId)->payee, QStringLiteral("Transfer to Savings"));
    }

    // A save that fails (here: another program holds the store's write lock
    // for longer than we wait) keeps everything typed in the row; a later
    // save writes it once.
    void aRowThatCannotBeSavedKeepsWhatWasTyped()
    {
        const Account a = addAccount(QStringLiteral("Checking"));
        open(a);
        startOnBlankRow();
        type(QString());
        type(QString());
        type(QStringLiteral("Hardware Store"));
        type(QString());
        type(QString());

        LockHolder holder(state()->database()->path(), 6000);
        holder.start();
        QVERIFY(holder.waitUntilHeld());
        QSignalSpy errors(m_screen.get(), &RegisterScreen::errorMessage);
        Prompt::clear();
        Prompt::queueAnswer(QMessageBox::Cancel);
        type(QStringLiteral("12.50"), Qt::Key_Return, Qt::ControlModifier);
        QVERIFY(stored(a).isEmpty());
        QCOMPARE(Prompt::records().last().title, QStringLiteral("Transaction Not Saved"));
        QVERIFY(Prompt::records().last().text.contains(QStringLiteral("in use by another program")));
        QCOMPARE(errors.count(), 1);
        QCOMPARE(model()->bufferText(RegisterModel::Payee), QStringLiteral("Hardware Store"));
        QCOMPARE(model()->bufferText(RegisterModel::Payment), QStringLiteral("12.50"));

        holder.wait();
        m_screen->commitCurrentRow();
        QCOMPARE(stored(a).size(), 1);
        QCOMPARE(stored(a).first().amount, qint64(-1250));
        QCOMPARE(stored(a).first().payee, QStringLiteral("Hardware Store"));
    }

    // The same for a dialog: it stays open with what was entered until the
    // save works or the user gives up.
    void aDialogThatCannotSaveStaysOpen()
    {
        const Account a = addAccount(QStringLiteral("Checking"));
        open(a);
        QSqlQuery refuse(state()->database()->connection());
        QVERIFY(refuse.exec(QStringLiteral("CREATE TEMP TRIGGER refuse_inserts BEFORE INSERT ON transactions "
                                           "BEGIN SELECT RAISE(ABORT, 'the disk is full'); END")));
        bool stayedOpen = false;
        const auto ran = ModalDriver::onNext<TransactionFormDialog>([&](TransactionFormDialog *form) {
            form->findChild<QLineEdit *>(QStringLiteral("payeeEdit"))->setText(QStringLiteral("Hardware Store"));
            form->findChild<SmartAmountField *>(QStringLiteral("amountField"))->setMinorUnits(500);
            Prompt::clear();
            Prompt::queueAnswer(QMessageBox::Cancel);
            form->accept();
            stayedOpen = form->isVisible() && Prompt::records().size() == 1
                && Prompt::records().first().text.contains(QStringLiteral("the disk is full"));
            QSqlQuery allow(state()->database()->connection());
            allow.exec(QStringLiteral("DROP TRIGGER temp.refuse_inserts"));
            form->accept();
        });
        m_screen->newTransactionDialog();
        QVERIFY(*ran);
        QVERIFY(stayedOpen);
        QCOMPARE(stored(a).size(), 1);
        QCOMPARE(stored(a).first().payee, QStringLiteral("Hardware Store"));
        QCOMPARE(stored(a).first().amount, qint64(-500));
    }

    void quickFillFromThePayeeCompleter()
    {
        const Account a = addAccount(QStringLiteral("Checking"));
        const QString groceries = state()->categories()->findByName(QStringLiteral("Groceries"))->id;
        Transaction last = addTransaction(a, QDate(2024, 5, 1), QStringLiteral("Grocery Mart"), -4567, groceries);
        last.memo = QStringLiteral("weekly");
        state()->transactions()->update(last);
        open(a);
        startOnBlankRow();
        type(QString());
        type(QString());
        QLineEdit *payee = line();
        QTest::keyClicks(payee, QStringLiteral("gro"));
        QCompleter *completer = payee->completer();
        QTRY_VERIFY(completer->popup()->isVisible());
        QTest::keyClick(completer->popup(), Qt::Key_Down);
        QTest::keyClick(completer->popup(), Qt::Key_Tab);
        QTRY_COMPARE(table()->currentIndex().column(), int(RegisterModel::Category));
        QCOMPARE(model()->bufferText(RegisterModel::Payee), QStringLiteral("Grocery Mart"));
        QCOMPARE(model()->bufferText(RegisterModel::Payment), QStringLiteral("45.67"));
        QCOMPARE(model()->bufferText(RegisterModel::Deposit), QString());
        QCOMPARE(model()->bufferText(RegisterModel::Category), QStringLiteral("Groceries"));
        QCOMPARE(model()->bufferText(RegisterModel::Memo), QStringLiteral("weekly"));
        QVERIFY(editor());
        QCOMPARE(qobject_cast<QComboBox *>(editor())->currentData().toString(), groceries);
        QTest::keyClick(line(), Qt::Key_Return, Qt::ControlModifier);
        QCOMPARE(stored(a).size(), 2);
        QCOMPARE(stored(a).first().categoryId, groceries);

        // An existing row keeps its own amount when its payee is changed.
        const Transaction other = addTransaction(a, QDate(2024, 5, 2), QStringLiteral("Bakery"), -300);
        QCoreApplication::processEvents();
        table()->setCurrentIndex(model()->index(model()->rowOfTransaction(other.id), RegisterModel::Payee));
        QTest::keyClick(table(), Qt::Key_Return);
        type(QStringLiteral("Grocery Mart"));
        QCOMPARE(model()->bufferText(RegisterModel::Payment), QStringLiteral("3.00"));
    }

    // With the completer's popup open, Tab and Ctrl+Return take the
    // highlighted completion, or the first when none is highlighted, and
    // never a typed fragment; a category that does not exist is refused.
    void completionsAreTakenNotFragments_data()
    {
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("payee");
        QTest::addColumn<QString>("category");
        QTest::newRow("payee, Tab") << int(RegisterModel::Payee) << "Gro" << int(Qt::Key_Tab) << "Grocery Mart"
                                    << "Groceries";
        QTest::newRow("payee, Ctrl+Return") << int(RegisterModel::Payee) << "Gro" << int(Qt::Key_Return)
                                            << "Grocery Mart" << "Groceries";
        QTest::newRow("category, Tab") << int(RegisterModel::Category) << "Groc" << int(Qt::Key_Tab) << "Corner Shop"
                                       << "Groceries";
        QTest::newRow("category, Ctrl+Return") << int(RegisterModel::Category) << "Groc" << int(Qt::Key_Return)
                                               << "Corner Shop" << "Groceries";
    }

    void completionsAreTakenNotFragments()
    {
        QFETCH(int, column);
        QFETCH(QString, typed);
        QFETCH(int, key);
        QFETCH(QString, payee);
        QFETCH(QString, category);
        const Account a = addAccount(QStringLiteral("Checking"));
        const QString groceries = state()->categories()->findByName(QStringLiteral("Groceries"))->id;
        addTransaction(a, QDate(2024, 5, 1), QStringLiteral("Grocery Mart"), -4567, groceries);
        open(a);
        startOnBlankRow();
        type(QString());
        type(QString());
        if (column == RegisterModel::Category) {
            model()->setBufferText(RegisterModel::Payment, QStringLiteral("9.99"));
            type(QStringLiteral("Corner Shop"));
            QTRY_COMPARE(table()->currentIndex().column(), int(RegisterModel::Category));
        }
        QLineEdit *field = line();
        QTest::keyClicks(field, typed);
        QCompleter *completer = field->completer();
        QTRY_VERIFY(completer->popup()->isVisible());
        QVERIFY(!completer->popup()->currentIndex().isValid());
        if (key == Qt::Key_Tab) {
            QTest::keyClick(completer->popup(), Qt::Key_Tab);
            QTRY_VERIFY(table()->currentIndex().column() != column);
            QTest::keyClick(table(), Qt::Key_Return, Qt::ControlModifier);
            m_screen->commitCurrentRow();
        } else {
            QTest::keyClick(completer->popup(), Qt::Key_Return, Qt::ControlModifier);
        }
        QTRY_COMPARE(stored(a).size(), 2);
        const Transaction saved = stored(a).first();
        QCOMPARE(saved.payee, payee);
        QCOMPARE(saved.categoryId, category == QLatin1String("Groceries") ? groceries : QString());
    }

    void anUnknownCategoryIsRefused()
    {
        const Account a = addAccount(QStringLiteral("Checking"));
        open(a);
        startOnBlankRow();
        type(QString());
        type(QString());
        model()->setBufferText(RegisterModel::Payment, QStringLiteral("9.99"));
        type(QStringLiteral("Corner Shop"));
        QTest::keyClicks(line(), QStringLiteral("Groc"));
        QTRY_VERIFY(line()->completer()->popup()->isVisible());
        QTest::keyClick(line()->completer()->popup(), Qt::Key_Escape);  // closes the popup, keeps the text
        QVERIFY(!line()->completer()->popup()->isVisible());
        QTest::keyClicks(line(), QStringLiteral("x"));
        QTest::keyClick(line(), Qt::Key_Return, Qt::ControlModifier);
        QVERIFY(stored(a).isEmpty());
        QCOMPARE(m_screen->messageText(), QStringLiteral("Unknown category: Grocx"));
        QCOMPARE(model()->bufferText(RegisterModel::Payee), QStringLiteral("Corner Shop"));
    }

    // "[Transfer] Savings" is offered, and fills the row from the last
    // transfer to Savings.
    void quickFillForTransfers()
    {
        const Account checking = addAccount(QStringLiteral("Checking"));
        const Account savings = addAccount(QStringLiteral("Savings"));
        Transaction draft = Fixtures::newTransaction(checking.id, QDate(2024, 5, 1), QString(), -30000);
        draft.memo = QStringLiteral("Monthly savings");
        QVERIFY(state()->transactionService()->addTransfer(draft, checking, savings));
        open(checking);
        startOnBlankRow();
        type(QString());
        type(QString());
        QTest::keyClicks(line(), QStringLiteral("[Transfer] Sav"));
        QTRY_VERIFY(line()->completer()->popup()->isVisible());
        QTest::keyClick(line()->completer()->popup(), Qt::Key_Tab);
        QCOMPARE(model()->bufferText(RegisterModel::Payee), QStringLiteral("[Transfer] Savings"));
        QCOMPARE(model()->bufferText(RegisterModel::Payment), QStringLiteral("300.00"));
        QCOMPARE(model()->bufferText(RegisterModel::Memo), QStringLiteral("Monthly savings"));
        m_screen->commitCurrentRow();
        QCOMPARE(stored(savings).size(), 2);
    }

    void twoLineRowsAndReturnInThePopup()
    {
        const Account a = openTwoLineOnBlankPayee();
        QVERIFY(table()->isColumnHidden(RegisterModel::Memo));
        QCOMPARE(editor()->objectName(), QStringLiteral("PayeeMemoEditor"));
        auto *payee = editor()->findChild<QLineEdit *>(QStringLiteral("payeeEdit"));
        auto *memo = editor()->findChild<QLineEdit *>(QStringLiteral("memoEdit"));
        QVERIFY(memo->font().italic());

        // Return in the popup takes the completion and stays put.
        QTest::keyClicks(payee, QStringLiteral("mart"));
        QTRY_VERIFY(payee->completer()->popup()->isVisible());
        QTest::keyClick(payee->completer()->popup(), Qt::Key_Down);
        QTest::keyClick(payee->completer()->popup(), Qt::Key_Return);
        QCOMPARE(payee->text(), QStringLiteral("Grocery Mart"));
        QVERIFY(!payee->completer()->popup()->isVisible());
        QCOMPARE(table()->currentIndex().column(), int(RegisterModel::Payee));
        QVERIFY(stored(a).size() == 1);

        // Tab goes on to the memo line, which quick fill has filled, then to Category.
        QTest::keyClick(payee, Qt::Key_Tab);
        QVERIFY(memo->hasFocus());
        QCOMPARE(memo->text(), QStringLiteral("weekly"));
        QTest::keyClick(memo, Qt::Key_End);
        QTest::keyClicks(memo, QStringLiteral(" and more"));
        QTest::keyClick(memo, Qt::Key_Tab);
        QCOMPARE(table()->currentIndex().column(), int(RegisterModel::Category));
        QTest::keyClick(line(), Qt::Key_Return, Qt::ControlModifier);
        QCOMPARE(stored(a).size(), 2);
        QCOMPARE(stored(a).first().memo, QStringLiteral("weekly and more"));
        QCOMPARE(stored(a).first().amount, -4567);
    }

    void twoLineMemoTypedBeforeThePayeeStays()
    {
        const Account a = openTwoLineOnBlankPayee();
        auto *payee = editor()->findChild<QLineEdit *>(QStringLiteral("payeeEdit"));
        auto *memo = editor()->findChild<QLineEdit *>(QStringLiteral("memoEdit"));
        // A payee with no history, a memo, then back to put the payee right.
        QTest::keyClicks(payee, QStringLiteral("Grocer"));
        QTest::keyClick(payee, Qt::Key_Tab);
        QVERIFY(memo->hasFocus());
        QTest::keyClicks(memo, QStringLiteral("birthday cake"));
        QTest::keyClick(memo, Qt::Key_Backtab, Qt::ShiftModifier);
        QVERIFY(payee->hasFocus());
        payee->completer()->popup()->hide();
        QTest::keyClick(payee, Qt::Key_End);
        QTest::keyClicks(payee, QStringLiteral("y Mart"));
        payee->completer()->popup()->hide();
        QTest::keyClick(payee, Qt::Key_Tab);
        // Quick fill brings the amount; the memo stays the one typed.
        QCOMPARE(memo->text(), QStringLiteral("birthday cake"));
        QCOMPARE(model()->bufferText(RegisterModel::Payment), QStringLiteral("45.67"));
        QTest::keyClick(memo, Qt::Key_Return, Qt::ControlModifier);
        QCOMPARE(stored(a).size(), 2);
        QCOMPARE(stored(a).first().payee, QStringLiteral("Grocery Mart"));
        QCOMPARE(stored(a).first().memo, QStringLiteral("birthday cake"));
        QCOMPARE(stored(a).first().amount, -4567);
    }

    void dateKeysTwoDigitYearsAndTheLastDate()
    {
        const Account a = addAccount(QStringLiteral("Checking"));
        open(a);
        startOnBlankRow();
        QCOMPARE(line()->text(), QStringLiteral("6/15/2024"));
        QTest::keyClick(line(), Qt::Key_Plus);
        QTest::keyClick(line(), Qt::Key_K);  // Saturday of that week
        QCOMPARE(line()->text(), QStringLiteral("6/22/2024"));
        QTest::keyClick(line(), Qt::Key_M);
        QCOMPARE(line()->text(), QStringLiteral("6/1/2024"));
        type(QStringLiteral("1/5/24"));
        QCOMPARE(model()->bufferText(RegisterModel::Date), QStringLiteral("1/5/2024"));
        type(QString());
        type(QStringLiteral("Old Times"));
        type(QString());
        type(QString());
        type(QStringLiteral("1"), Qt::Key_Return, Qt::ControlModifier);
        QCOMPARE(stored(a).first().date, QDate(2024, 1, 5));
        QCOMPARE(model()->bufferText(RegisterModel::Date), QStringLiteral("1/5/2024"));

        // t goes back to today; the next row starts at the date last entered.
        startOnBlankRow();
        QTest::keyClick(line(), Qt::Key_T);
        type(QString());
        type(QString());
        type(QStringLiteral("Today"));
        type(QString());
        type(QString());
        type(QStringLiteral("2"), Qt::Key_Return, Qt::ControlModifier);
        QCOMPARE(stored(a).first().date, QDate(2024, 6, 15));
        QCOMPARE(model()->bufferText(RegisterModel::Date), QStringLiteral("6/15/2024"));
    }

    void editingInPlaceRaisesTheVersion()
    {
        const Account a = addAccount(QStringLiteral("Checking"));
        const Transaction first = addTransaction(a, QDate(2024, 5, 1), QStringLiteral("Cafe"), -450);
        const Transaction second = addTransaction(a, QDate(2024, 5, 2), QStringLiteral("Pay"), 100000);
        open(a);
        const int row = model()->rowOfTransaction(first.id);
        table()->setCurrentIndex(model()->index(row, RegisterModel::Payee));
        QTest::keyClick(table(), Qt::Key_Return);
        QCOMPARE(line()->text(), QStringLiteral("Cafe"));
        type(QStringLiteral("Corner Cafe"));
        QCOMPARE(table()->currentIndex().column(), int(RegisterModel::Category));
        QTest::keyClick(line(), Qt::Key_Return, Qt::ControlModifier);

        const Transaction t = *state()->transactions()->getById(first.id);
        QCOMPARE(t.payee, QStringLiteral("Corner Cafe"));
        QCOMPARE(t.amount, -450);
        QCOMPARE(t.version, 2);
        QCOMPARE(t.createdAt, first.createdAt);
        QCOMPARE(state()->transactions()->getById(second.id)->version, 1);
        // On to the Date cell of the next row.
        QCOMPARE(table()->currentIndex(), model()->index(model()->rowOfTransaction(second.id), RegisterModel::Date));
        QCOMPARE(model()->editingRow(), model()->rowOfTransaction(second.id));
    }

    void splitRowsAreNotEditedInPlace()
    {
        const Account a = addAccount(QStringLiteral("Checking"));
        Transaction split = addTransaction(a, QDate(2024, 5, 1), QStringLiteral("Mart"), -2500);
        split.isSplit = true;
        state()->transactions()->update(split);
        open(a);
        const int row = model()->rowOfTransaction(split.id);
        for (int column : {int(RegisterModel::Category), int(RegisterModel::Payment), int(RegisterModel::Deposit)}) {
            table()->setCurrentIndex(model()->index(row, column));
            QTest::keyClick(table(), Qt::Key_Return);
            QVERIFY(!editor() || table()->currentIndex().column() != column);
            table()->commitAndCloseEditor();
        }
        const QRect payment = table()->visualRect(model()->index(row, RegisterModel::Payment));
        QTest::mouseClick(table()->viewport(), Qt::LeftButton, {}, payment.center());
        QVERIFY(!editor());
        const QRect payee = table()->visualRect(model()->index(row, RegisterModel::Payee));
        QTest::mouseClick(table()->viewport(), Qt::LeftButton, {}, payee.center());
        QVERIFY(editor());
        type(QStringLiteral("Mart & Co"), Qt::Key_Return, Qt::ControlModifier);
        const Transaction t = *state()->transactions()->getById(split.id);
        QCOMPARE(t.payee, QStringLiteral("Mart & Co"));
        QCOMPARE(t.amount, -2500);
        QVERIFY(t.isSplit);
        QVERIFY(t.categoryId.isEmpty());
    }

    void yenAmountsAreWholeYen()
    {
        const Account yen = addAccount(QStringLiteral("Yen"), Currency::JPY, 100000);
        addTransaction(yen, QDate(2024, 5, 1), QStringLiteral("Ramen"), -1500);
        open(yen);
        QCOMPARE(model()->index(model()->rowOfTransaction(stored(yen).first().id), RegisterModel::Payment).data()
                     .toString(),
                 QStringLiteral("1,500"));
        QCOMPARE(m_screen->findChild<QLabel *>(QStringLiteral("registerBalance"))->text(), QStringLiteral("\u00a598,500"));

        startOnBlankRow();
        type(QString());
        type(QString());
        type(QStringLiteral("Ramen"));  // quick fill in whole yen
        QCOMPARE(model()->bufferText(RegisterModel::Payment), QStringLiteral("1,500"));
        type(QString());
        type(QString());
        type(QStringLiteral("2,000"), Qt::Key_Return, Qt::ControlModifier);
        QCOMPARE(stored(yen).first().amount, -2000);

        // Cents typed out of habit are refused, not saved as nothing.
        model()->setBufferText(RegisterModel::Payee, QStringLiteral("Tea"));
        model()->setBufferText(RegisterModel::Payment, QStringLiteral("15.50"));
        m_screen->commitCurrentRow();
        QVERIFY(m_screen->messageText().contains(QStringLiteral("15.50")));
        QCOMPARE(stored(yen).size(), 2);
        model()->setBufferText(RegisterModel::Payment, QStringLiteral("0"));
        m_screen->commitCurrentRow();
        QCOMPARE(stored(yen).size(), 3);
        for (const Transaction &t : stored(yen)) {
            if (t.payee == QLatin1String("Tea"))
                QCOMPARE(t.amount, 0);
        }
    }

    // The grid reads a comma as bank files do: a decimal comma unless it
    // groups thousands; what fits neither is refused, not stored 100 times over.
    void gridAmountsReadCommasAsBankFilesDo_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<qint64>("amount");
        QTest::newRow("decimal comma") << "12,50" << true << qint64(-1250);
        QTest::newRow("one decimal after a comma") << "1,5" << true << qint64(-150);
        QTest::newRow("thousands group") << "1,250" << true << qint64(-125000);
        QTest::newRow("grouped with a decimal point") << "1,234.56" << true << qint64(-123456);
        QTest::newRow("dot groups and a decimal comma") << "1.234,56" << true << qint64(-123456);
        QTest::newRow("comma with four digits") << "1,2345" << false << qint64(0);
        QTest::newRow("zero") << "0,00" << true << qint64(0);
        QTest::newRow("words") << "twelve" << false << qint64(0);
    }

    void gridAmountsReadCommasAsBankFilesDo()
    {
        QFETCH(QString, typed);
        QFETCH(bool, ok);
        QFETCH(qint64, amount);
        const Account a = addAccount(QStringLiteral("Checking"));
        open(a);
        startOnBlankRow();
        model()->setBufferText(RegisterModel::Payee, QStringLiteral("Cafe"));
        model()->setBufferText(RegisterModel::Payment, typed);
        m_screen->commitCurrentRow();
        QCOMPARE(stored(a).size(), ok ? 1 : 0);
        if (ok)
            QCOMPARE(stored(a).first().amount, amount);
        else
            QVERIFY(m_screen->messageText().contains(typed));

        // The dialog opened from the blank row starts from the same amount.
        startOnBlankRow();
        model()->setBufferText(RegisterModel::Payee, QStringLiteral("Cafe"));
        model()->setBufferText(RegisterModel::Payment, typed);
        qint64 seeded = -1;
        whenDialogOpens<TransactionFormDialog>([&](TransactionFormDialog *d) {
            seeded = d->transaction().amount;
            d->reject();
        });
        m_screen->editNewRowInDialog();
        QCOMPARE(seeded, amount);
    }

    void copyFromAboveAndClearing()
    {
        const Account a = addAccount(QStringLiteral("Checking"));
        addTransaction(a, QDate(2024, 5, 1), QStringLiteral("Joe's Diner"), -1200);
        open(a);
        startOnBlankRow();
        type(QString());
        type(QString());
        // An apostrophe on a fresh field copies the payee above...
        QTest::keyClick(line(), Qt::Key_Apostrophe);
        QCOMPARE(line()->text(), QStringLiteral("Joe's Diner"));
        QCOMPARE(model()->bufferText(RegisterModel::Payee), QStringLiteral("Joe's Diner"));
        // ...but inside typed text it is only a character.
        line()->selectAll();
        QTest::keyClicks(line(), QStringLiteral("Bob's"));
        QCOMPARE(line()->text(), QStringLiteral("Bob's"));
        type(QString());

        QTest::keyClick(line(), Qt::Key_D, Qt::ControlModifier);
        QCOMPARE(m_screen->messageText(), QStringLiteral("Fields cleared"));
        QCOMPARE(model()->bufferText(RegisterModel::Payee), QString());
    }

    void changesElsewhereReloadOnceAndKeepTyping()
    {
        const Account a = addAccount(QStringLiteral("Checking"));
        open(a);
        startOnBlankRow();
        type(QString());
        type(QString());
        QTest::keyClicks(line(), QStringLiteral("Half typed"));
        QSignalSpy resets(model(), &QAbstractItemModel::modelReset);
        for (int i = 0; i < 3; ++i)
            addTransaction(a, QDate(2024, 5, i + 1), QStringLiteral("Posted %1").arg(i), -100);
        state()->categories()->update(*state()->categories()->findByName(QStringLiteral("Groceries")));
        QCOMPARE(resets.count(), 0);
        QTRY_COMPARE(resets.count(), 1);
        QCoreApplication::processEvents();
        QCOMPARE(resets.count(), 1);
        QCOMPARE(model()->rowCount(), 4);
        QCOMPARE(model()->bufferText(RegisterModel::Payee), QStringLiteral("Half typed"));
        QVERIFY(line());
        QCOMPARE(line()->text(), QStringLiteral("Half typed"));
    }

    void splitLinesThatDoNotAddUp_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("closed");
        QTest::addColumn<qint64>("storedAmount");
        QTest::addColumn<int>("storedLines");

        // Lines of 20.00 + 10.00 under a payment of 25.00.
        QTest::newRow("adjust") << int(QMessageBox::Yes) << true << qint64(-3000) << 2;
        QTest::newRow("go back") << int(QMessageBox::No) << false << qint64(-2500) << 0;
        QTest::newRow("keep") << int(QMessageBox::Ignore) << true << qint64(-2500) << 2;
    }

    void splitLinesThatDoNotAddUp()
    {
        QFETCH(int, answer);
        QFETCH(bool, closed);
        QFETCH(qint64, storedAmount);
        QFETCH(int, storedLines);

        const Account a = addAccount(QStringLiteral("Checking"));
        const QString groceries = state()->categories()->findByName(QStringLiteral("Groceries"))->id;
        const QString household = state()->categories()->findByName(QStringLiteral("Household"))->id;
        const Transaction t = addTransaction(a, QDate(2024, 4, 2), QStringLiteral("Farm Stand"), -2500, groceries);
        open(a);
        table()->setCurrentIndex(model()->index(model()->rowOfTransaction(t.id), RegisterModel::Payee));

        Prompt::clear();
        Prompt::queueAnswer(QMessageBox::StandardButton(answer));
        bool stayedOpen = false;
        whenDialogOpens<SplitEditorDialog>([&](SplitEditorDialog *d) {
            auto *lines = d->findChild<SplitLinesWidget *>();
            lines->clearLines();
            lines->addLine(groceries, 2000);
            lines->addLine(household, 1000);
            d->accept();
            stayedOpen = d->isVisible() && d->result() != QDialog::Accepted;
            if (stayedOpen)
                d->reject();
        });
        m_screen->editCurrentSplits();

        QCOMPARE(Prompt::records().size(), 1);
        QCOMPARE(Prompt::records().first().text,
                 QStringLiteral("The split lines add up to $30.00, not $25.00. Adjust the total to $30.00?"));
        QCOMPARE(!stayedOpen, closed);
        const Transaction after = *state()->transactions()->getById(t.id);
        QCOMPARE(after.amount, storedAmount);
        QCOMPARE(int(state()->splitLines()->linesOf(t.id).size()), storedLines);
        QCOMPARE(after.isSplit, storedLines > 0);
    }

    void dialogsFromTheKeyboard()
    {
        const Account a = addAccount(QStringLiteral("Checking"));
        const QString groceries = state()->categories()->findByName(QStringLiteral("Groceries"))->id;
        open(a);

        // Ctrl+E on the blank row takes what was typed into the form.
        startOnBlankRow();
        type(QStringLiteral("4/2/2024"));
        type(QString());
        type(QStringLiteral("Farm Stand"));
        type(QStringLiteral("Groceries"));
        type(QString());
        type(QStringLiteral("25.00"));
        whenDialogOpens<TransactionFormDialog>([](TransactionFormDialog *d) { d->accept(); });
        QTest::keyClick(line(), Qt::Key_E, Qt::ControlModifier);
        QCOMPARE(stored(a).size(), 1);
        Transaction t = stored(a).first();
        QCOMPARE(t.payee, QStringLiteral("Farm Stand"));
        QCOMPARE(t.date, QDate(2024, 4, 2));
        QCOMPARE(t.amount, -2500);
        QCOMPARE(t.categoryId, groceries);
        QCOMPARE(model()->bufferText(RegisterModel::Payee), QString());

        // Split it: 20.00 groceries and 5.00 household.
        const QString household = state()->categories()->findByName(QStringLiteral("Household"))->id;
        table()->setCurrentIndex(model()->index(model()->rowOfTransaction(t.id), RegisterModel::Payee));
        std::unique_ptr<QMenu> menu(m_screen->createContextMenu(table()->currentIndex()));
        QAction *split = nullptr;
        for (QAction *action : menu->actions()) {
            if (action->text() == QStringLiteral("&Split Transaction..."))
                split = action;
        }
        QVERIFY(split);
        whenDialogOpens<SplitEditorDialog>([&](SplitEditorDialog *d) {
            auto *lines = d->findChild<SplitLinesWidget *>();
            lines->clearLines();
            lines->addLine(groceries, 2000);
            lines->addLine(household, 500);
            d->accept();
        });
        split->trigger();
        t = *state()->transactions()->getById(t.id);
        QVERIFY(t.isSplit);
        QVERIFY(t.categoryId.isEmpty());
        QCOMPARE(t.amount, -2500);
        const QList<SplitLine> parts = state()->splitLines()->linesOf(t.id);
        QCOMPARE(parts.size(), 2);
        QCOMPARE(parts.at(0).amount + parts.at(1).amount, -2500);
        QCOMPARE(model()->index(model()->rowOfTransaction(t.id), RegisterModel::Category).data().toString(),
                 QStringLiteral("\u2014Split\u2014"));

        // Alt+Return shows the details; Ctrl+M memorizes it as a monthly schedule.
        table()->setCurrentIndex(model()->index(model()->rowOfTransaction(t.id), RegisterModel::Payee));
        bool shown = false;
        whenDialogOpens<TransactionDetailsDialog>([&](TransactionDetailsDialog *d) {
            shown = d->transaction().id == t.id;
            d->reject();
        });
        QTest::keyClick(table(), Qt::Key_Return, Qt::AltModifier);
        QVERIFY(shown);
        whenDialogOpens<RecurringFormDialog>([](RecurringFormDialog *d) { d->accept(); });
        QTest::keyClick(table(), Qt::Key_M, Qt::ControlModifier);
        QCOMPARE(m_screen->messageText(), QStringLiteral("Transaction memorized as recurring"));
        const QList<RecurringTransaction> schedules = state()->recurring()->listAll();
        QCOMPARE(schedules.size(), 1);
        QCOMPARE(schedules.first().payee, QStringLiteral("Farm Stand"));
        QCOMPARE(schedules.first().amount, -2500);
        QCOMPARE(schedules.first().frequency, Frequency::Monthly);
        QCOMPARE(schedules.first().nextDueDate, QDate(2024, 4, 2));
        QCOMPARE(schedules.first().updatedAt, schedules.first().createdAt);

        // A row from before 2000 cannot be memorized.
        const Transaction old = addTransaction(a, QDate(1999, 12, 31), QStringLiteral("Y2K"), -100);
        QCoreApplication::processEvents();
        table()->setCurrentIndex(model()->index(model()->rowOfTransaction(old.id), RegisterModel::Payee));
        QTest::keyClick(table(), Qt::Key_M, Qt::ControlModifier);
        QCOMPARE(m_screen->messageText(), QStringLiteral("Cannot memorize: source transaction has an invalid date"));
        QCOMPARE(state()->recurring()->listAll().size(), 1);
    }

    void markClearedAndColumnLayout()
    {
        const Account a = addAccount(QStringLiteral("Checking"));
        const Transaction t = addTransaction(a, QDate(2024, 5, 1), QStringLiteral("Cafe"), -450);
        open(a);
        table()->setCurrentIndex(model()->index(model()->rowOfTransaction(t.id), RegisterModel::Payee));
        std::unique_ptr<QMenu> menu(m_screen->createContextMenu(table()->currentIndex()));
        QAction *mark = nullptr;
        for (QAction *action : menu->actions()) {
            if (action->text() == QStringLiteral("Mark &Cleared"))
                mark = action;
        }
        QVERIFY(mark);
        mark->trigger();
        const Transaction cleared = *state()->transactions()->getById(t.id);
        QVERIFY(cleared.cleared);
        QCOMPARE(cleared.version, 1);
        QCOMPARE(model()->index(model()->rowOfTransaction(t.id), RegisterModel::Cleared).data().toString(),
                 QStringLiteral("C"));

        QSettings settings;
        table()->horizontalHeader()->resizeSection(RegisterModel::Payee, 321);
        QCOMPARE(settings.value(QStringLiteral("register/colWidth/2")).toInt(), 321);
        table()->sortByColumn(RegisterModel::Payee, Qt::DescendingOrder);
        QCOMPARE(settings.value(QStringLiteral("register/sortColumn")).toInt(), int(RegisterModel::Payee));
        QCOMPARE(settings.value(QStringLiteral("register/sortOrder")).toInt(), 1);
        std::unique_ptr<QMenu> header(m_screen->createHeaderMenu());
        const QList<QAction *> actions = header->actions();
        QAction *memo = nullptr;
        QAction *date = nullptr;
        QAction *reset = nullptr;
        for (QAction *action : actions) {
            if (action->text() == QStringLiteral("Memo"))
                memo = action;
            else if (action->text() == QStringLiteral("Date"))
                date = action;
            else if (action->text() == QStringLiteral("Reset register layout"))
                reset = action;
        }
        QVERIFY(memo && date && reset);
        QVERIFY(!date->isEnabled());
        memo->trigger();
        QVERIFY(table()->isColumnHidden(RegisterModel::Memo));
        QVERIFY(settings.value(QStringLiteral("register/colHidden/4")).toBool());

        reset->trigger();
        QVERIFY(!table()->isColumnHidden(RegisterModel::Memo));
        QVERIFY(table()->columnWidth(RegisterModel::Payee) != 321);
        QCOMPARE(model()->sortColumn(), int(RegisterModel::Date));
        QVERIFY(!settings.contains(QStringLiteral("register/colWidth/2")));
        QVERIFY(!settings.contains(QStringLiteral("register/sortColumn")));
    }
};

QTEST_MAIN(TestRegisterScreen)
#include "tst_registerscreen.moc"
