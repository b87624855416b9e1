#include "ui/editors/smartamountfield.h"

#include "services/money.h"

#include <QKeyEvent>
#include <QLineEdit>

#include <cmath>

namespace {
constexpr double kLargestMajor = 99999999.99;
}

SmartAmountField::SmartAmountField(QWidget *parent)
    : QDoubleSpinBox(parent)
{
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setDecimals(2);
    setRange(0.0, kLargestMajor);
}

void SmartAmountField::setCurrency(Currency currency)
{
    m_currency = currency;
    const int places = Money::decimals(int(currency));
    const double largest = std::floor(kLargestMajor * std::pow(10.0, places)) / std::pow(10.0, places);
    setDecimals(places);
    setMaximum(largest);
    if (minimum() < 0.0)
        setMinimum(-largest);
    setPrefix(Money::currencySymbol(int(currency)) + QLatin1Char(' '));
}

qint64 SmartAmountField::minorUnits() const
{
    return Money::toMinorUnits(value(), int(m_currency));
}

void SmartAmountField::setMinorUnits(qint64 amount)
{
    setValue(Money::toMajorUnits(amount, int(m_currency)));
}

void SmartAmountField::keyPressEvent(QKeyEvent *event)
{
    const QString typed = event->text();
    if (typed.size() == 1) {
        const QString point = locale().decimalPoint();
        const bool isPoint = typed == point || typed == QLatin1String(".") || typed == QLatin1String(",");
        const int at = lineEdit()->text().indexOf(point);
        if (isPoint && at >= 0) {
            lineEdit()->deselect();
            lineEdit()->setCursorPosition(at + point.size());
            event->accept();
            return;
        }
    }
    // Digits typed inside full decimals replace the next digit, so that "."
    // followed by "50" gives .50 instead of being refused as a third decimal.
    QLineEdit *line = lineEdit();
    if (typed.size() == 1 && typed.at(0).isDigit() && !line->hasSelectedText()) {
        const QString text = line->text();
        const int at = text.indexOf(locale().decimalPoint());
        const int pos = line->cursorPosition();
        const int end = text.size() - suffix().size();
        if (at >= 0 && pos > at && pos < end && text.at(pos).isDigit() && end - at - 1 >= decimals())
            line->setSelection(pos, 1);
    }
    QDoubleSpinBox::keyPressEvent(event);
}
