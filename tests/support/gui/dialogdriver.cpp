#include "data/clock.h"
#include "support/core/fixtures.h"
#include "support/gui/dialogdriver.h"

#include "data/accountrepository.h"
#include "data/categoryrepository.h"
#include "data/transactionrepository.h"
#include "ui/editors/smartamountfield.h"

#include <QAbstractSpinBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace DialogDriver {

void pinClock()
{
    Clock::setFixedNow(QDateTime(QDate(2024, 6, 20), QTime(12, 0), Qt::UTC));
}

void releaseClock()
{
    Clock::setFixedNow(QDateTime());
}

Account addAccount(AppState *state, const QString &name, Currency currency)
{
    return Fixtures::addAccount(state->accounts(), name, currency);
}

Transaction addTransaction(AppState *state, const Account &account, const QString &payee, qint64 amount)
{
    Transaction t = Fixtures::newTransaction(account.id, QDate(2024, 5, 2), payee, amount);
    t.syncStatus = SyncStatus::Synced;
    state->transactions()->insert(t);
    return t;
}

QString categoryId(AppState *state, const QString &name)
{
    const std::optional<Category> c = state->categories()->findByName(name);
    return c ? c->id : QString();
}

QWidget *namedChild(QObject *parent, const char *name)
{
    QWidget *w = parent->findChild<QWidget *>(QLatin1String(name));
    if (!w)
        qFatal("missing child %s", name);
    return w;
}

QPushButton *button(QWidget *parent, const QString &text)
{
    const QList<QPushButton *> buttons = parent->findChildren<QPushButton *>();
    for (QPushButton *b : buttons) {
        if (b->text().startsWith(text))
            return b;
    }
    return nullptr;
}

void typeInto(QWidget *w, const QString &text)
{
    if (auto *line = qobject_cast<QLineEdit *>(w))
        line->selectAll();
    else if (auto *box = qobject_cast<QAbstractSpinBox *>(w))
        box->selectAll();
    QTest::keyClicks(w, text);
}

void typeAmount(SmartAmountField *box, const QString &text)
{
    typeInto(box, text);
    box->interpretText();
}

void typeCategory(QComboBox *box, const QString &text)
{
    typeInto(box->lineEdit(), text);
}

} // namespace DialogDriver

bool DialogTestCase::start()
{
    DialogDriver::pinClock();
    m_app = std::make_unique<TestApp>();
    return m_app->isReady();
}

void DialogTestCase::stop()
{
    m_app.reset();
    DialogDriver::releaseClock();
}
