#include "ui/dialogs/paymenttypechoice.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QRadioButton>

PaymentTypeChoice::PaymentTypeChoice(QWidget *parent)
    : QWidget(parent)
    , m_payment(new QRadioButton(tr("Payment"), this))
    , m_deposit(new QRadioButton(tr("Deposit"), this))
{
    m_payment->setObjectName(QStringLiteral("paymentRadio"));
    m_deposit->setObjectName(QStringLiteral("depositRadio"));
    m_payment->setChecked(true);
    auto *group = new QButtonGroup(this);
    group->addButton(m_payment);
    group->addButton(m_deposit);
    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(m_payment);
    row->addWidget(m_deposit);
    row->addStretch(1);
}

bool PaymentTypeChoice::isPayment() const
{
    return m_payment->isChecked();
}

void PaymentTypeChoice::setFromAmount(qint64 amount)
{
    (amount < 0 ? m_payment : m_deposit)->setChecked(true);
}
