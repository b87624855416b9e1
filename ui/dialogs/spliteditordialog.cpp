#include "ui/dialogs/spliteditordialog.h"

#include "app/appstate.h"
#include "app/thememanager.h"
#include "services/money.h"
#include "ui/dialogs/splitlineswidget.h"
#include "ui/prompt.h"

#include <QDialogButtonBox>
#include <QEvent>
#include <QLabel>
#include <QVBoxLayout>

SplitEditorDialog::SplitEditorDialog(AppState *state, qint64 transactionAmount, const QList<SplitLine> &lines,
                                     Currency currency, QWidget *parent)
    : FormDialog(parent)
    , m_amount(transactionAmount)
    , m_negative(transactionAmount < 0)
    , m_currency(currency)
{
    setWindowTitle(tr("Split Transaction"));
    setMinimumSize(550, 350);

    auto *total = new QLabel(tr("Total: %1").arg(Money::formatMoney(qAbs(transactionAmount), currency)), this);
    ThemeManager::setRole(total, ThemeManager::BodyMedium, QFont::Bold);

    m_lines = new SplitLinesWidget(CategoryChoices::load(state->categories()), currency, this);
    m_lines->setLines(lines, m_negative);

    m_remaining = new QLabel(this);
    m_remaining->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &SplitEditorDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &SplitEditorDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(total);
    layout->addWidget(m_lines, 1);
    layout->addWidget(m_remaining);
    layout->addWidget(buttons);

    connect(m_lines, &SplitLinesWidget::changed, this, &SplitEditorDialog::updateRemaining);
    updateRemaining();
}

QList<SplitLine> SplitEditorDialog::lines() const
{
    return m_lines->lines(m_negative);
}

void SplitEditorDialog::updateRemaining()
{
    const qint64 remaining = shownAmount() - m_lines->total();
    m_remaining->setText(tr("Remaining: %1").arg(Money::formatMoney(remaining, m_currency)));
    // Green when the lines add up, red when they exceed the amount; the dark
    // palette takes the lighter shades that stay readable on it.
    const bool dark = ThemeManager::darkNow();
    QString style;
    if (remaining == 0)
        style = dark ? QStringLiteral("color: #66BB6A;") : QStringLiteral("color: green;");
    else if (remaining < 0)
        style = dark ? QStringLiteral("color: #FF8A80;") : QStringLiteral("color: #cc0000;");
    m_remaining->setStyleSheet(style);
}

void SplitEditorDialog::changeEvent(QEvent *event)
{
    FormDialog::changeEvent(event);
    if (event->type() == QEvent::PaletteChange && m_remaining)
        updateRemaining();
}

bool SplitEditorDialog::validate()
{
    if (m_lines->warnIfUncategorized())
        return false;
    const qint64 total = m_lines->total();
    // No lines at all means "not split"; there is nothing to add up.
    if (lines().isEmpty() || total == shownAmount())
        return true;
    const QString lines = Money::formatMoney(total, m_currency);
    const QMessageBox::StandardButton answer = Prompt::choice(
        this, windowTitle(),
        tr("The split lines add up to %1, not %2. Adjust the total to %1?")
            .arg(lines, Money::formatMoney(shownAmount(), m_currency)),
        {{QMessageBox::Yes, tr("&Adjust")}, {QMessageBox::No, tr("&Go Back")}, {QMessageBox::Ignore, tr("&Keep")}},
        QMessageBox::Yes, QMessageBox::No);
    if (answer == QMessageBox::Yes) {
        m_amount = m_negative ? -total : total;
        return true;
    }
    return answer == QMessageBox::Ignore;
}
