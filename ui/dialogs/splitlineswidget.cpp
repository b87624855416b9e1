#include "ui/dialogs/splitlineswidget.h"

#include "ui/editors/smartamountfield.h"
#include "ui/prompt.h"

#include <QApplication>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {
enum Column { CategoryColumn = 0, AmountColumn = 1, MemoColumn = 2 };
const char *const kLineIdProperty = "splitLineId";
}

SplitLinesWidget::SplitLinesWidget(const QList<CategoryChoice> &choices, Currency currency, QWidget *parent)
    : QWidget(parent)
    , m_choices(choices)
    , m_currency(currency)
{
    m_table = new QTableWidget(0, 3, this);
    m_table->setHorizontalHeaderLabels({tr("Category"), tr("Amount"), tr("Memo")});
    m_table->setAccessibleName(tr("Split lines"));
    m_table->verticalHeader()->hide();
    m_table->setSelectionMode(QAbstractItemView::NoSelection);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // The cell widgets carry the focus; Tab walks them row by row.
    m_table->setFocusPolicy(Qt::NoFocus);
    m_table->setTabKeyNavigation(false);
    m_table->setMinimumHeight(180);

    SmartAmountField probe;
    probe.setCurrency(currency);
    probe.setMinimum(-probe.maximum());  // room for a minus too
    probe.setValue(probe.minimum());
    QHeaderView *header = m_table->horizontalHeader();
    header->setSectionResizeMode(CategoryColumn, QHeaderView::Interactive);
    header->setSectionResizeMode(AmountColumn, QHeaderView::Fixed);
    header->setSectionResizeMode(MemoColumn, QHeaderView::Stretch);
    header->resizeSection(AmountColumn, probe.sizeHint().width() + 8);
    // The category column asks for its longest "Parent > Child" and the
    // combo's arrow; the memo takes what is left.
    QComboBox comboProbe;
    comboProbe.setFrame(false);
    int widest = 0;
    for (const CategoryChoice &choice : m_choices)
        widest = qMax(widest, fontMetrics().horizontalAdvance(choice.label));
    m_categoryWidth = widest + comboProbe.sizeHint().width() + fontMetrics().averageCharWidth();
    m_table->viewport()->installEventFilter(this);
    // Room for "Parent > Child" labels beside the amount.
    m_table->setMinimumWidth(header->sectionSize(AmountColumn) + 2 * fontMetrics().horizontalAdvance(QLatin1Char('M')) * 14);
    m_table->verticalHeader()->setDefaultSectionSize(probe.sizeHint().height() + 6);

    m_addButton = new QPushButton(tr("+ Add Line"), this);
    m_removeButton = new QPushButton(tr("- Remove"), this);
    connect(m_addButton, &QPushButton::clicked, this, [this] {
        addLine();
        if (QWidget *first = m_table->cellWidget(rowCount() - 1, CategoryColumn))
            first->setFocus(Qt::TabFocusReason);
    });
    connect(m_removeButton, &QPushButton::clicked, this, &SplitLinesWidget::removeCurrentLine);
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget *, QWidget *now) {
        const int row = rowOf(now);
        if (row >= 0)
            m_lastRow = row;
    });

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_addButton);
    buttons->addWidget(m_removeButton);
    buttons->addStretch(1);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_table, 1);
    layout->addLayout(buttons);
}

void SplitLinesWidget::setLines(const QList<SplitLine> &lines, bool negative)
{
    m_table->setRowCount(0);
    for (const SplitLine &line : lines)
        addRow(line.categoryId, negative ? -line.amount : line.amount, line.memo, line.id);
    renumberRows();
    Q_EMIT changed();
}

void SplitLinesWidget::addLine(const QString &categoryId, qint64 amount, const QString &memo)
{
    addRow(categoryId, amount, memo);
    renumberRows();
    Q_EMIT changed();
}

void SplitLinesWidget::clearLines()
{
    m_table->setRowCount(0);
    renumberRows();
    Q_EMIT changed();
}

int SplitLinesWidget::rowCount() const
{
    return m_table->rowCount();
}

bool SplitLinesWidget::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_table->viewport() && event->type() == QEvent::Resize) {
        // At most three fifths of what the amount leaves, so the memo stays usable.
        const int room = m_table->viewport()->width() - m_table->horizontalHeader()->sectionSize(AmountColumn);
        m_table->horizontalHeader()->resizeSection(CategoryColumn, qMin(m_categoryWidth, room * 3 / 5));
    }
    return QWidget::eventFilter(watched, event);
}

void SplitLinesWidget::addRow(const QString &categoryId, qint64 amount, const QString &memo, const QString &lineId)
{
    const int row = m_table->rowCount();
    m_table->insertRow(row);

    auto *category = new QComboBox;
    category->setFrame(false);
    CategoryChoices::setUp(category, m_choices);
    CategoryChoices::selectId(category, categoryId);
    category->lineEdit()->home(false);  // a long "Parent > Child" shows its start

    auto *value = new SmartAmountField;
    value->setFrame(false);
    value->setCurrency(m_currency);
    value->setMinimum(-value->maximum());  // a line against the transaction's way
    value->setMinorUnits(amount);

    auto *note = new QLineEdit(memo);

    note->setMaxLength(kMaxTextLength);
    note->setFrame(false);
    // A line that was stored keeps its identity through the edit.
    note->setProperty(kLineIdProperty, lineId);

    m_table->setCellWidget(row, CategoryColumn, category);
    m_table->setCellWidget(row, AmountColumn, value);
    m_table->setCellWidget(row, MemoColumn, note);

    connect(category, &QComboBox::currentIndexChanged, this, &SplitLinesWidget::changed);
    connect(category, &QComboBox::editTextChanged, this, &SplitLinesWidget::changed);
    connect(value, &SmartAmountField::valueChanged, this, &SplitLinesWidget::changed);
    connect(note, &QLineEdit::textChanged, this, &SplitLinesWidget::changed);
}

void SplitLinesWidget::removeCurrentLine()
{
    if (rowCount() == 0)
        return;
    // The row last worked in: clicking the button has already taken the focus from it.
    int row = rowOf(QApplication::focusWidget());
    if (row < 0)
        row = m_lastRow >= 0 && m_lastRow < rowCount() ? m_lastRow : rowCount() - 1;
    m_lastRow = -1;
    m_table->removeRow(row);
    renumberRows();
    if (rowCount() > 0) {
        if (QWidget *next = m_table->cellWidget(std::min(row, rowCount() - 1), CategoryColumn))
            next->setFocus(Qt::OtherFocusReason);
    }
    Q_EMIT changed();
}

int SplitLinesWidget::rowOf(const QWidget *focus) const
{
    for (int row = 0; focus && row < rowCount(); ++row) {
        for (int column = CategoryColumn; column <= MemoColumn; ++column) {
            const QWidget *cell = m_table->cellWidget(row, column);
            if (cell && (cell == focus || cell->isAncestorOf(focus)))
                return row;
        }
    }
    return -1;
}

void SplitLinesWidget::renumberRows()
{
    // Names for screen readers, and a tab order that walks the rows in order
    // and then reaches the buttons.
    QWidget *previous = nullptr;
    for (int row = 0; row < rowCount(); ++row) {
        const QString number = QString::number(row + 1);
        const QString names[] = {tr("Category, line %1").arg(number), tr("Amount, line %1").arg(number),
                                 tr("Memo, line %1").arg(number)};
        for (int column = CategoryColumn; column <= MemoColumn; ++column) {
            QWidget *cell = m_table->cellWidget(row, column);
            cell->setAccessibleName(names[column]);
            if (previous)
                setTabOrder(previous, cell);
            previous = cell;
        }
    }
    if (previous)
        setTabOrder(previous, m_addButton);
    setTabOrder(m_addButton, m_removeButton);
}

SmartAmountField *SplitLinesWidget::amountAt(int row) const
{
    return static_cast<SmartAmountField *>(m_table->cellWidget(row, AmountColumn));
}

QString SplitLinesWidget::categoryIdAt(int row) const
{
    const auto *box = static_cast<QComboBox *>(m_table->cellWidget(row, CategoryColumn));
    const int match = box->findText(box->currentText(), Qt::MatchFixedString);
    return match < 0 ? QString() : box->itemData(match).toString();
}

qint64 SplitLinesWidget::total() const
{
    qint64 sum = 0;
    for (int row = 0; row < rowCount(); ++row)
        sum += amountAt(row)->minorUnits();
    return sum;
}

QList<SplitLine> SplitLinesWidget::lines(bool negative) const
{
    QList<SplitLine> result;
    for (int row = 0; row < rowCount(); ++row) {
        const qint64 amount = amountAt(row)->minorUnits();
        if (amount == 0)
            continue;
        const auto *note = static_cast<QLineEdit *>(m_table->cellWidget(row, MemoColumn));
        SplitLine line;
        line.id = note->property(kLineIdProperty).toString();
        line.categoryId = categoryIdAt(row);
        line.amount = negative ? -amount : amount;
        line.memo = note->text();
        result.append(line);
    }
    return result;
}

bool SplitLinesWidget::hasUncategorizedAmounts() const
{
    return firstUncategorizedRow() >= 0;
}

int SplitLinesWidget::firstUncategorizedRow() const
{
    for (int row = 0; row < rowCount(); ++row) {
        if (amountAt(row)->minorUnits() != 0 && categoryIdAt(row).isEmpty())
            return row;
    }
    return -1;
}

bool SplitLinesWidget::warnIfUncategorized()
{
    const int row = firstUncategorizedRow();
    if (row < 0)
        return false;
    Prompt::warning(window(), tr("Split Transaction"),
                    tr("Line %1 has an amount but no category. Choose a category for every split line with an "
                       "amount, or set its amount to 0.")
                        .arg(row + 1));
    m_table->cellWidget(row, CategoryColumn)->setFocus(Qt::OtherFocusReason);
    return true;
}
