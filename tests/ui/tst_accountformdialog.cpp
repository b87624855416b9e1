#include "app/appstate.h"
#include "app/mainwindow.h"
#include "data/accountrepository.h"
#include "data/clock.h"
#include "data/transactionrepository.h"
#include "services/accountservice.h"
#include "support/gui/modaldriver.h"
#include "support/gui/screenshots.h"
#include "support/gui/testapp.h"
#include "ui/dialogs/accountformdialog.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QTest>

namespace {

template <typename T>
T *field(const QDialog &dialog, const char *accessibleName)
{
    const QList<T *> all = dialog.findChildren<T *>();
    for (T *w : all) {
        if (w->accessibleName() == QLatin1String(accessibleName))
            return w;
    }
    return nullptr;
}

// What a screen reader announces: the accessible name, else a button's text.
// Spin boxes and date edits take focus in their inner line edit.
QString spokenName(QWidget *w)
{
    for (; w; w = w->parentWidget()) {
        if (!w->accessibleName().isEmpty())
            return w->accessibleName();
        if (auto *button = qobject_cast<QAbstractButton *>(w))
            return button->text().remove(QLatin1Char('&'));
    }
    return QString();
}

void typeInto(QWidget *w, const QString &text)
{
    w->setFocus();
    QTest::keyClick(w, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(w, text);
}

} // namespace

class TestAccountFormDialog : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { Clock::setFixedNow(QDateTime(QDate(2025, 6, 15), QTime(12, 0), Qt::UTC)); }
    void cleanup() { Clock::setFixedNow(QDateTime()); }

    void newAccountFromTypedValues()
    {
        AccountFormDialog dialog;
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QCOMPARE(dialog.windowTitle(), QStringLiteral("New Account"));
        QVERIFY(dialog.minimumWidth() >= 400);
        QCOMPARE(dialog.asOfDate(), QDate(2025, 6, 15));

        typeInto(field<QLineEdit>(dialog, "Name"), QStringLiteral("  House Account  "));
        auto *type = field<QComboBox>(dialog, "Type");
        type->setCurrentIndex(type->findData(QStringLiteral("credit_card")));
        typeInto(field<QDoubleSpinBox>(dialog, "Starting Balance"), QStringLiteral("-0.01"));
        typeInto(field<QLineEdit>(dialog, "Institution"), QStringLiteral(" Bank "));
        typeInto(field<QLineEdit>(dialog, "Account Number"), QStringLiteral("123456"));

        const Account a = dialog.account();
        QCOMPARE(a.name, QStringLiteral("House Account"));
        QCOMPARE(a.type, AccountType::CreditCard);
        QCOMPARE(a.currency, Currency::USD);
        QCOMPARE(a.startingBalance, qint64(-1));  // half away from zero, not truncated to 0
        QCOMPARE(a.institution, QStringLiteral("Bank"));
        QCOMPARE(a.accountNumberLast4, QStringLiteral("1234"));
    }

    void balanceFollowsCurrencyDecimals_data()
    {
        QTest::addColumn<QString>("currency");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<qint64>("minorUnits");
        QTest::newRow("USD cents") << QStringLiteral("USD") << QStringLiteral("-250.00") << qint64(-25000);
        QTest::newRow("EUR half cent rounds away") << QStringLiteral("EUR") << QStringLiteral("1234.56")
                                                   << qint64(123456);
        QTest::newRow("JPY whole yen") << QStringLiteral("JPY") << QStringLiteral("1500") << qint64(1500);
        QTest::newRow("JPY largest") << QStringLiteral("JPY") << QStringLiteral("99999999") << qint64(99999999);
        QTest::newRow("USD largest") << QStringLiteral("USD") << QStringLiteral("99999999.99")
                                     << qint64(9999999999);
    }

    void balanceFollowsCurrencyDecimals()
    {
        QFETCH(QString, currency);
        QFETCH(QString, typed);
        QFETCH(qint64, minorUnits);
        AccountFormDialog dialog;
        dialog.show();
        auto *combo = field<QComboBox>(dialog, "Currency");
        combo->setCurrentIndex(combo->findData(currency));
        auto *balance = field<QDoubleSpinBox>(dialog, "Starting Balance");
        QCOMPARE(balance->decimals(), currency == QLatin1String("JPY") ? 0 : 2);
        typeInto(balance, typed);
        QCOMPARE(dialog.account().startingBalance, minorUnits);
    }

    void editModeLoadsTheAccount()
    {
        Account stored;
        stored.id = QStringLiteral("acc-1");
        stored.name = QStringLiteral("Yen Wallet");
        stored.type = AccountType::Cash;
        stored.currency = Currency::JPY;
        stored.startingBalance = 1500;
        stored.institution = QStringLiteral("Post");
        stored.accountNumberLast4 = QStringLiteral("0042");
        stored.version = 7;

        AccountFormDialog dialog(stored);
        dialog.show();
        QVERIFY(dialog.isEditMode());
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Edit Account"));
        QCOMPARE(field<QDoubleSpinBox>(dialog, "Starting Balance")->value(), 1500.0);
        QVERIFY(!field<QLineEdit>(dialog, "As of")->isVisible());
        const Account unchanged = dialog.account();
        QCOMPARE(unchanged.id, stored.id);
        QCOMPARE(unchanged.version, 7);
        QCOMPARE(unchanged.type, AccountType::Cash);
        QCOMPARE(unchanged.currency, Currency::JPY);
        QCOMPARE(unchanged.startingBalance, qint64(1500));
        QCOMPARE(unchanged.accountNumberLast4, QStringLiteral("0042"));

        stored.currency = Currency::USD;
        stored.startingBalance = 1234;
        AccountFormDialog dollars(stored);
        QCOMPARE(field<QDoubleSpinBox>(dollars, "Starting Balance")->value(), 12.34);
        QCOMPARE(dollars.account().startingBalance, qint64(1234));
    }

    void everyFieldIsNamedAndReachable()
    {
        AccountFormDialog dialog;
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QApplication::setActiveWindow(&dialog);
        const QStringList order = {QStringLiteral("Name"), QStringLiteral("Type"), QStringLiteral("Currency"),
                                   QStringLiteral("Starting Balance"), QStringLiteral("As of"),
                                   QStringLiteral("Institution"), QStringLiteral("Account Number")};
        field<QLineEdit>(dialog, "Name")->setFocus();
        // One Tab per field: the "As of" date is left in one press, so what
        // is typed next lands in the institution, not in the date.
        QStringList visited;
        for (int i = 0; i < order.size() + 2; ++i) {
            visited.append(spokenName(QApplication::focusWidget()));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        QCOMPARE(spokenName(QApplication::focusWidget()), order.first());
        QStringList buttons = visited.mid(order.size());
        buttons.sort();  // their order follows the platform's button layout
        QCOMPARE(buttons, (QStringList{QStringLiteral("Cancel"), QStringLiteral("OK")}));
        visited = visited.mid(0, order.size());
        QCOMPARE(visited, order);

        // Escape cancels, Enter accepts.
        QTest::keyClick(field<QLineEdit>(dialog, "Name"), Qt::Key_Escape);
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        AccountFormDialog again;
        again.show();
        QTest::keyClick(field<QLineEdit>(again, "Name"), Qt::Key_Return);
        QCOMPARE(again.result(), int(QDialog::Accepted));
    }

    // An account opened with $1,500 keeps its starting balance as a
    // transaction; the form shows that one instead of a 0.00 to type over.
    void editShowsTheOpeningBalanceTransaction()
    {
        TestApp app;
        Account draft;
        draft.name = QStringLiteral("Checking");
        draft.startingBalance = 150000;
        const std::optional<Account> created =
            app.state()->accountService()->createAccount(draft, QDate(2025, 3, 1));
        QVERIFY(created);
        MainWindow w(app.state());
        w.selectAccount(created->id);
        QString shown;
        bool typeable = true;
        const auto ran = ModalDriver::onNext<AccountFormDialog>([&](AccountFormDialog *form) {
            auto *opening = form->findChild<QLineEdit *>(QStringLiteral("openingBalance"));
            shown = opening->isVisibleTo(form) && opening->isReadOnly() ? opening->text() : QString();
            typeable = field<QDoubleSpinBox>(*form, "Starting Balance")->isVisibleTo(form);
            form->accept();
        });
        w.showEditAccountDialog();
        QVERIFY(*ran);
        QCOMPARE(shown, QStringLiteral("$1,500.00 on 3/1/2025"));
        QVERIFY(!typeable);
        QCOMPARE(app.state()->accounts()->findById(created->id)->startingBalance, qint64(0));
        QCOMPARE(app.state()->transactions()->balance(created->id), qint64(150000));
    }

    void screenshots()
    {
        if (Screenshots::directory().isEmpty())
            QSKIP("set QUILLET_SHOT_DIR to a directory to render the form");
        AccountFormDialog dialog;
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        typeInto(field<QLineEdit>(dialog, "Name"), QStringLiteral("Everyday Checking"));
        field<QLineEdit>(dialog, "Institution")->setFocus();
        QVERIFY(Screenshots::saveLightAndDark(&dialog, QStringLiteral("accountform")));
    }
};

QTEST_MAIN(TestAccountFormDialog)
#include "tst_accountformdialog.moc"
