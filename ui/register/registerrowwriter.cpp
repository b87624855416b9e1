#include "ui/register/registerrowwriter.h"

#include "app/appstate.h"
#include "data/accountrepository.h"
#include "data/categoryrepository.h"
#include "data/clock.h"
#include "data/ids.h"
#include "services/csvmapping.h"
#include "services/datetext.h"
#include "services/money.h"
#include "services/storefailure.h"
#include "services/transactionservice.h"
#include "ui/dialogs/formdialog.h"
#include "ui/prompt.h"
#include "ui/register/registermodel.h"
#include "ui/register/registerscreen.h"

struct RegisterRowWriter::RowInput {
    QDate date;
    QString payee;
    QString checkNumber;
    QString memo;
    qint64 amount = 0;
    QString categoryId;
    bool cleared = false;
    bool reconciled = false;
    std::optional<Account> transferTo;
};

namespace {

const QString kTransferPrefix = QStringLiteral("[Transfer] ");

} // namespace

RegisterRowWriter::RegisterRowWriter(AppState *state, RegisterScreen *screen, std::function<bool()> reloadPending)
    : m_state(state)
    , m_screen(screen)
    , m_reloadPending(std::move(reloadPending))
{
}

bool RegisterRowWriter::readTypedAmount(const QString &typed, Currency currency, qint64 *amount)
{
    return CsvConverter::parseAmount(typed, int(currency), amount);
}

QString RegisterRowWriter::categoryIdFromBuffer() const
{
    // The item picked in the category box, else the typed text by name, else
    // the part after " > " of a "Parent > Child" text.
    const RegisterModel *model = m_screen->model();
    if (!model->bufferCategoryId().isEmpty())
        return model->bufferCategoryId();
    const QString text = model->bufferText(RegisterModel::Category).trimmed();
    if (text.isEmpty())
        return QString();
    std::optional<Category> found = m_state->categories()->findByName(text);
    const int arrow = text.indexOf(QStringLiteral(" > "));
    if (!found && arrow >= 0)
        found = m_state->categories()->findByName(text.mid(arrow + 3).trimmed());
    return found ? found->id : QString();
}

bool RegisterRowWriter::readRow(const Account &account, RowInput *in, bool splitEntry)
{
    const RegisterModel *model = m_screen->model();
    in->payee = model->bufferText(RegisterModel::Payee).trimmed();
    if (in->payee.isEmpty()) {
        m_screen->showMessage(RegisterScreen::tr("Payee is required"), 3000);
        return false;
    }

    const QString payment = model->bufferText(RegisterModel::Payment).trimmed();
    const QString deposit = model->bufferText(RegisterModel::Deposit).trimmed();
    if (payment.isEmpty() && deposit.isEmpty()) {
        m_screen->showMessage(RegisterScreen::tr("Enter a payment or deposit amount"), 3000);
        return false;
    }
    const QString &typed = payment.isEmpty() ? deposit : payment;
    // What does not read is refused rather than saved as something else.
    if (!readTypedAmount(typed, account.currency, &in->amount)) {
        m_screen->showMessage(RegisterScreen::tr("\"%1\" is not an amount; type it like %2")
                                  .arg(typed, Money::formatAmount(123456, account.currency)),
                              5000);
        return false;
    }
    if (!payment.isEmpty())
        in->amount = -in->amount;

    in->date = DateText::parseTyped(model->bufferText(RegisterModel::Date));
    if (!in->date.isValid())
        in->date = Clock::today();

    in->categoryId = categoryIdFromBuffer();
    // A category that does not exist is a typing slip, not "no category":
    // saving the row uncategorized would lose what the user meant.
    const QString categoryText = model->bufferText(RegisterModel::Category).trimmed();
    if (!splitEntry && in->categoryId.isEmpty() && !categoryText.isEmpty()) {
        m_screen->showMessage(RegisterScreen::tr("Unknown category: %1").arg(categoryText), 5000);
        return false;
    }

    const QString marks = model->bufferText(RegisterModel::Cleared).trimmed().toUpper();
    in->cleared = marks == QLatin1String("C") || marks == QLatin1String("R");
    in->reconciled = marks == QLatin1String("R");

    in->checkNumber = model->bufferText(RegisterModel::CheckNumber).trimmed();
    in->memo = model->bufferText(RegisterModel::Memo).trimmed();

    if (in->payee.startsWith(kTransferPrefix)) {
        const QString name = in->payee.mid(kTransferPrefix.size());
        const QList<Account> accounts = m_state->accounts()->listLive();
        const auto other = std::find_if(accounts.cbegin(), accounts.cend(),
                                        [&name](const Account &a) { return a.name == name; });
        if (other == accounts.cend()) {
            m_screen->showMessage(RegisterScreen::tr("Transfer account not found"), 3000);
            return false;
        }
        if (other->id == account.id) {
            m_screen->showMessage(RegisterScreen::tr("A transfer needs another account"), 3000);
            return false;
        }
        if (other->currency != account.currency) {
            const QString text = RegisterScreen::tr("Transfers require both accounts to use the same currency");
            m_screen->showMessage(text, 5000);
            Q_EMIT m_screen->errorMessage(text);
            return false;
        }
        in->transferTo = *other;
        in->payee = RegisterScreen::tr("Transfer to %1").arg(other->name);
    }
    return true;
}

RegisterRowWriter::Result RegisterRowWriter::saveRow(const Account &account, const RegisterEntry *entry,
                                                     RegisterWrite *write)
{
    RowInput in;
    if (!readRow(account, &in, entry && entry->transaction.isSplit))
        return Result::Refused;

    const bool wasPending = m_reloadPending();
    TransactionService *service = m_state->transactionService();
    if (!entry) {
        Transaction t;
        t.accountId = account.id;
        t.date = in.date;
        t.payee = in.payee;
        t.checkNumber = in.checkNumber;
        t.memo = in.memo;
        t.amount = in.amount;
        t.categoryId = in.categoryId;
        t.cleared = in.cleared;
        t.reconciled = in.reconciled;
        QString id;
        const bool saved = saveOrKeep([&] {
            return in.transferTo ? service->addTransfer(t, account, *in.transferTo, &id) : service->add(t, {}, &id);
        });
        if (!saved)
            return Result::NotSaved;
        m_screen->model()->setLastDateEntered(DateText::formatShort(in.date));
        *write = RegisterWrite{wasPending, {id}, {}};
        return Result::Saved;
    }

    Transaction t = entry->transaction;
    if (in.transferTo) {
        // A stored row cannot be turned into a transfer, nor its other side
        // moved to another account, by an edit: the row is left as it is.
        if (!t.isTransfer() || t.transferDestAccountId != in.transferTo->id) {
            const QString text = t.isTransfer()
                ? RegisterScreen::tr("A transfer's other account cannot be changed. Delete the transfer and enter "
                                     "it again towards %1.")
                      .arg(in.transferTo->name)
                : RegisterScreen::tr("An existing transaction cannot become a transfer. Delete it and enter the "
                                     "transfer to %1 as a new transaction.")
                      .arg(in.transferTo->name);
            reportFailure(text);
            return Result::Refused;
        }
        // Already a transfer with that account: its own label stays.
        in.payee = t.payee;
    }
    t.date = in.date;
    t.payee = in.payee;
    t.checkNumber = in.checkNumber;
    t.memo = in.memo;
    // A split's amount and category belong to its lines.
    if (!t.isSplit) {
        t.amount = in.amount;
        t.categoryId = in.categoryId;
    }
    t.cleared = in.cleared;
    t.reconciled = in.reconciled;
    if (!saveOrKeep([&] { return service->update(t); }))
        return Result::NotSaved;
    // The other side of a transfer may have changed with it.
    *write = RegisterWrite{wasPending || t.isTransfer(), {t.id}, {}};
    return Result::Saved;
}

// A row that could not be written stays as typed: the user is told why, in
// the hint line and in a box that offers to try again. Nothing typed is lost.
bool RegisterRowWriter::saveOrKeep(const std::function<bool()> &save)
{
    const auto attempt = [&] {
        if (save())
            return true;
        reportFailure(RegisterScreen::tr("The transaction was not saved: %1").arg(StoreFailure::text()));
        return false;
    };
    return FormDialog::saveWithRetry(m_screen, RegisterScreen::tr("Transaction Not Saved"), attempt,
                                     RegisterScreen::tr("Everything you typed is still in the row."));
}

void RegisterRowWriter::reportFailure(const QString &text)
{
    m_screen->showMessage(text, 10000);
    Q_EMIT m_screen->errorMessage(text);
}

std::optional<RegisterWrite> RegisterRowWriter::deleteTransaction(const Transaction &t, Currency currency)
{
    const QString amount = Money::formatMoney(t.amount < 0 ? -t.amount : t.amount, currency);
    const QString text = t.isTransfer()
        ? RegisterScreen::tr("Delete transfer \"%1\" for %2?\n\nBoth sides of the transfer will be deleted.")
              .arg(t.payee, amount)
        : RegisterScreen::tr("Delete \"%1\" for %2?").arg(t.payee, amount);
    if (Prompt::question(m_screen, RegisterScreen::tr("Delete Transaction"), text) != QMessageBox::Yes)
        return std::nullopt;
    const bool wasPending = m_reloadPending();
    const bool ok = m_state->transactionService()->deleteWithPartner(t.id);
    if (!ok)
        reportFailure(RegisterScreen::tr("The transaction was not deleted: %1").arg(StoreFailure::text()));
    return RegisterWrite{wasPending || !ok, {}, {t.id, t.transferLinkId}};
}

RegisterWrite RegisterRowWriter::setCleared(const Transaction &t, bool cleared)
{
    const bool wasPending = m_reloadPending();
    const bool ok = m_state->transactionService()->setCleared(t.id, cleared);
    if (!ok)
        reportFailure(RegisterScreen::tr("The cleared mark was not changed: %1").arg(StoreFailure::text()));
    return RegisterWrite{wasPending || !ok, {t.id}, {}};
}
