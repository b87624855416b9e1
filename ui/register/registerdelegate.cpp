#include "ui/register/registerdelegate.h"

#include "app/appstate.h"
#include "app/thememanager.h"
#include "data/accountrepository.h"
#include "data/categoryrepository.h"
#include "data/transactionrepository.h"
#include "services/datetext.h"
#include "services/money.h"
#include "ui/editors/smartdateedit.h"
#include "ui/register/registercombobox.h"
#include "ui/register/registerlineedit.h"
#include "ui/register/registermodel.h"
#include "ui/register/tabcompleter.h"

#include <QAction>
#include <QApplication>
#include <QFocusEvent>
#include <QPainter>
#include <QPointer>
#include <QScopeGuard>
#include <QVBoxLayout>

namespace {

const char *const kCategoryIdProperty = "_larkCategoryId";

RegisterLineEdit *lineEditor(QWidget *parent, Qt::Alignment alignment)
{
    auto *edit = new RegisterLineEdit(parent);
    edit->setMaxLength(kMaxTextLength);
    edit->setAlignment(alignment | Qt::AlignVCenter);
    edit->setFocusPolicy(Qt::ClickFocus);
    return edit;
}

void setLineText(QLineEdit *edit, const QString &text)
{
    edit->setText(text);
    edit->selectAll();
}

QString trimmedPayee(const QString &text)
{
    return text.trimmed();
}

} // namespace

RegisterDelegate::RegisterDelegate(AppState *state, RegisterModel *model, QObject *parent)
    : QStyledItemDelegate(parent)
    , m_state(state)
    , m_model(model)
{
}

void RegisterDelegate::setAccountId(const QString &accountId)
{
    if (accountId != m_accountId)
        m_payeesValid = false;  // the transfer entries exclude the account itself
    m_accountId = accountId;
}

void RegisterDelegate::invalidateLists()
{
    m_payeesValid = false;
    m_categoriesValid = false;
}

QStringList RegisterDelegate::payeeList() const
{
    if (m_payeesValid)
        return m_payees;
    m_payees = m_state->transactions()->payees();
    const QList<Account> accounts = m_state->accounts()->listLive();
    for (const Account &account : accounts) {
        if (account.id == m_accountId)
            continue;
        const QString entry = QStringLiteral("[Transfer] %1").arg(account.name);
        if (!m_payees.contains(entry))
            m_payees.append(entry);
    }
    m_payeesValid = true;
    return m_payees;
}

QList<CategoryChoice> RegisterDelegate::categoryChoices() const
{
    if (m_categoriesValid)
        return m_categories;
    // In the grid "no category" is simply an empty cell.
    m_categories = CategoryChoices::load(m_state->categories());
    if (!m_categories.isEmpty())
        m_categories.first().label.clear();
    m_categoriesValid = true;
    return m_categories;
}

void RegisterDelegate::quickFill(const QString &payee, QLineEdit *memoEdit) const
{
    if (!m_model || m_model->editingRow() >= 0 || m_model->isReadOnly())
        return;
    const QString name = trimmedPayee(payee);
    if (name.isEmpty() || name == trimmedPayee(m_model->bufferText(RegisterModel::Payee)))
        return;
    // A memo already typed on the second line is the user's. It goes into the
    // buffer first, as every change below refills the open editor from there,
    // and it stays marked as typed.
    const QPointer<QLineEdit> typedMemo = memoEdit && memoEdit->isModified() ? memoEdit : nullptr;
    if (typedMemo)
        m_model->setBufferText(RegisterModel::Memo, typedMemo->text());
    const auto keepTyped = qScopeGuard([typedMemo] {
        if (typedMemo)
            typedMemo->setModified(true);
    });
    m_model->setBufferText(RegisterModel::Payee, payee);

    // "[Transfer] Savings" is stored as "Transfer to Savings": the last such
    // transfer fills the row like any payee's last transaction.
    const QString transferPrefix = QStringLiteral("[Transfer] ");
    const QString stored =
        name.startsWith(transferPrefix) ? tr("Transfer to %1").arg(name.mid(transferPrefix.size())) : name;
    const std::optional<Transaction> last = m_state->transactions()->latestByPayee(stored, m_accountId);
    if (!last)
        return;
    const QString amount = Money::formatAmount(last->amount < 0 ? -last->amount : last->amount, m_model->currency());
    m_model->setBufferText(RegisterModel::Payment, last->amount < 0 ? amount : QString());
    m_model->setBufferText(RegisterModel::Deposit, last->amount < 0 ? QString() : amount);
    if (!last->categoryId.isEmpty()) {
        const QList<CategoryChoice> choices = categoryChoices();
        for (const CategoryChoice &choice : choices) {
            if (choice.id == last->categoryId) {
                m_model->setBufferText(RegisterModel::Category, choice.label);
                m_model->setBufferCategoryId(choice.id);
                break;
            }
        }
    }
    if (!last->memo.isEmpty() && !typedMemo) {
        m_model->setBufferText(RegisterModel::Memo, last->memo);
        if (memoEdit)
            memoEdit->setText(last->memo);
    }
}

QWidget *RegisterDelegate::createPayeeEditor(QWidget *parent) const
{
    auto *payee = lineEditor(parent, Qt::AlignLeft);
    auto *completer = new TabCompleter(payeeList(), payee);
    payee->setCompleter(completer);
    if (!m_twoLine) {
        connect(completer, qOverload<const QString &>(&QCompleter::activated), payee,
                [this](const QString &text) { quickFill(text); });
        return payee;
    }

    auto *pair = new QWidget(parent);
    pair->setObjectName(QStringLiteral("PayeeMemoEditor"));
    pair->setAutoFillBackground(true);
    pair->setBackgroundRole(QPalette::Base);
    auto *layout = new QVBoxLayout(pair);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    payee->setParent(pair);
    payee->setObjectName(QStringLiteral("payeeEdit"));
    payee->setFrame(false);
    payee->setAccessibleName(tr("Payee"));
    auto *memo = lineEditor(pair, Qt::AlignLeft);
    memo->setObjectName(QStringLiteral("memoEdit"));
    memo->setFrame(false);
    memo->setPlaceholderText(tr("Memo"));
    memo->setAccessibleName(tr("Memo"));
    memo->setProperty("larkFontRole", int(ThemeManager::Small));
    memo->setProperty("larkFontItalic", true);
    QFont italic = QApplication::font();
    italic.setItalic(true);
    memo->setFont(italic);
    ThemeManager::applyRoleFont(memo);
    layout->addWidget(payee);
    layout->addWidget(memo);
    pair->setFocusProxy(payee);
    pair->setFocusPolicy(Qt::ClickFocus);
    connect(completer, qOverload<const QString &>(&QCompleter::activated), pair,
            [this, memo](const QString &text) { quickFill(text, memo); });
    return pair;
}

QWidget *RegisterDelegate::createCategoryEditor(QWidget *parent) const
{
    auto *combo = new RegisterComboBox(parent);
    combo->setEditable(true);
    combo->lineEdit()->setMaxLength(kMaxTextLength);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->setFocusPolicy(Qt::ClickFocus);
    combo->setAccessibleName(tr("Category"));
    const QList<CategoryChoice> choices = categoryChoices();
    for (const CategoryChoice &choice : choices)
        combo->addItem(choice.label, choice.id);
    combo->setProperty(kCategoryIdProperty, QString());
    connect(combo, &QComboBox::currentIndexChanged, combo,
            [combo](int i) { combo->setProperty(kCategoryIdProperty, combo->itemData(i).toString()); });
    auto *completer = new TabCompleter(combo->model(), combo);
    completer->setCompletionColumn(0);
    combo->setCompleter(completer);
    connect(completer, qOverload<const QString &>(&QCompleter::activated), combo, [combo](const QString &text) {
        const int found = combo->findText(text, Qt::MatchFixedString);
        if (found >= 0)
            combo->setCurrentIndex(found);
    });
    return combo;
}

QWidget *RegisterDelegate::createEditor(QWidget *parent, const QStyleOptionViewItem &, const QModelIndex &index) const
{
    QWidget *editor = nullptr;
    switch (index.column()) {
    case RegisterModel::Date: {
        auto *date = new SmartDateEdit(parent);
        date->setFocusPolicy(Qt::ClickFocus);
        date->calendarAction()->setToolTip(tr("Open calendar (F4)"));
        editor = date;
        break;
    }
    case RegisterModel::CheckNumber:
    case RegisterModel::Memo:
        editor = lineEditor(parent, Qt::AlignLeft);
        break;
    case RegisterModel::Payee:
        editor = createPayeeEditor(parent);
        break;
    case RegisterModel::Category:
        editor = createCategoryEditor(parent);
        break;
    case RegisterModel::Payment:
    case RegisterModel::Deposit: {
        auto *amount = lineEditor(parent, Qt::AlignRight);
        amount->setProperty("larkFontRole", int(ThemeManager::Mono));
        ThemeManager::applyRoleFont(amount);
        editor = amount;
        break;
    }
    case RegisterModel::Cleared: {
        auto *cleared = lineEditor(parent, Qt::AlignHCenter);
        cleared->setMaxLength(1);
        editor = cleared;
        break;
    }
    default:
        return nullptr;
    }
    if (editor->accessibleName().isEmpty())
        editor->setAccessibleName(index.model()->headerData(index.column(), Qt::Horizontal).toString());
    return editor;
}

void RegisterDelegate::setEditorData(QWidget *editor, const QModelIndex &index) const
{
    const QString text = index.data(Qt::EditRole).toString();
    if (auto *date = qobject_cast<SmartDateEdit *>(editor)) {
        const QDate typed = DateText::parseTyped(text);
        if (typed.isValid())
            date->setDate(typed);
        date->selectAll();
        return;
    }
    if (editor->objectName() == QLatin1String("PayeeMemoEditor")) {
        if (auto *payee = editor->findChild<QLineEdit *>(QStringLiteral("payeeEdit")))
            setLineText(payee, text);
        if (auto *memo = editor->findChild<QLineEdit *>(QStringLiteral("memoEdit")))
            memo->setText(m_model ? m_model->bufferText(RegisterModel::Memo) : QString());
        return;
    }
    if (auto *combo = qobject_cast<QComboBox *>(editor)) {
        const QString id = m_model ? m_model->bufferCategoryId() : QString();
        int found = id.isEmpty() ? -1 : combo->findData(id);
        if (found < 0)
            found = combo->findText(text, Qt::MatchFixedString);
        if (found >= 0) {
            combo->setCurrentIndex(found);
            combo->setProperty(kCategoryIdProperty, combo->itemData(found).toString());
        } else {
            combo->setEditText(text);
        }
        if (combo->lineEdit())
            combo->lineEdit()->selectAll();
        return;
    }
    if (auto *line = qobject_cast<QLineEdit *>(editor))
        setLineText(line, text);
}

void RegisterDelegate::writePayee(const QString &payee, QLineEdit *memoEdit) const
{
    quickFill(payee, memoEdit);
    if (m_model)
        m_model->setBufferText(RegisterModel::Payee, payee);
}

void RegisterDelegate::setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const
{
    if (auto *date = qobject_cast<SmartDateEdit *>(editor)) {
        model->setData(index, DateText::formatShort(date->date()), Qt::EditRole);
        return;
    }
    if (editor->objectName() == QLatin1String("PayeeMemoEditor")) {
        auto *payee = editor->findChild<QLineEdit *>(QStringLiteral("payeeEdit"));
        auto *memo = editor->findChild<QLineEdit *>(QStringLiteral("memoEdit"));
        // A memo typed on the second line wins over the one quick fill brings.
        const bool memoTyped = memo && memo->isModified();
        const QString typedMemo = memo ? memo->text() : QString();
        if (payee)
            writePayee(payee->text(), memoTyped ? nullptr : memo);
        if (memo && m_model)
            m_model->setBufferText(RegisterModel::Memo, memoTyped ? typedMemo : memo->text());
        return;
    }
    if (auto *combo = qobject_cast<QComboBox *>(editor)) {
        // The id goes with the text only when the text names that item; a typed
        // text that matches no item is looked up by name when the row is saved.
        const QString text = combo->currentText();
        const int found = combo->findText(text, Qt::MatchFixedString);
        model->setData(index, text, Qt::EditRole);
        if (m_model)
            m_model->setBufferCategoryId(found >= 0 ? combo->itemData(found).toString() : QString());
        return;
    }
    if (auto *line = qobject_cast<QLineEdit *>(editor)) {
        if (index.column() == RegisterModel::Payee)
            writePayee(line->text(), nullptr);
        else
            model->setData(index, line->text(), Qt::EditRole);
    }
}

bool RegisterDelegate::eventFilter(QObject *watched, QEvent *event)
{
    // A popup (a completer's list, the calendar) or another window taking the
    // activation for a moment is not the user leaving the cell: the editor
    // stays open and gets the focus back with its window.
    if (event->type() == QEvent::FocusOut) {
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
        if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason)
            return false;
    }
    return QStyledItemDelegate::eventFilter(watched, event);
}

void RegisterDelegate::updateEditorGeometry(QWidget *editor, const QStyleOptionViewItem &option,
                                            const QModelIndex &) const
{
    editor->setGeometry(option.rect);
}

void RegisterDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    if (m_twoLine && index.column() == RegisterModel::Payee) {
        paintPayeeMemo(painter, option, index);
        return;
    }
    QStyledItemDelegate::paint(painter, option, index);
}

void RegisterDelegate::paintPayeeMemo(QPainter *painter, const QStyleOptionViewItem &option,
                                      const QModelIndex &index) const
{
    QStyleOptionViewItem opt = option;
    initStyleOption(&opt, index);
    opt.text.clear();
    const QWidget *widget = option.widget;
    QStyle *style = widget ? widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &opt, painter, widget);

    const int row = index.row();
    const bool placeholderRow = m_model && m_model->isBlankRow(row) && m_model->editingRow() < 0;
    QString payee = index.data(Qt::DisplayRole).toString();
    const bool payeePlaceholder = placeholderRow && m_model->bufferText(RegisterModel::Payee).isEmpty();
    if (payeePlaceholder)
        payee = tr("Payee");
    const QString memo = index.sibling(row, RegisterModel::Memo).data(Qt::DisplayRole).toString();
    const bool memoPlaceholder = placeholderRow && m_model->bufferText(RegisterModel::Memo).isEmpty();

    const bool selected = opt.state & QStyle::State_Selected;
    const QColor text = selected ? opt.palette.color(QPalette::HighlightedText) : opt.palette.color(QPalette::Text);
    const QColor muted = selected ? text : opt.palette.color(QPalette::PlaceholderText);

    QRect area = style->subElementRect(QStyle::SE_ItemViewItemText, &opt, widget);
    area.adjust(2, 1, -2, -1);
    const QRect top(area.left(), area.top(), area.width(), area.height() / 2);
    const QRect bottom(area.left(), top.bottom() + 1, area.width(), area.height() - top.height());

    painter->save();
    painter->setFont(opt.font);
    painter->setPen(payeePlaceholder ? muted : text);
    if (memo.isEmpty()) {
        // Without a memo the payee sits on the row's middle like every other cell.
        painter->drawText(area, Qt::AlignLeft | Qt::AlignVCenter,
                          painter->fontMetrics().elidedText(payee, Qt::ElideRight, area.width()));
        painter->restore();
        return;
    }
    painter->drawText(top, Qt::AlignLeft | Qt::AlignBottom,
                      painter->fontMetrics().elidedText(payee, Qt::ElideRight, top.width()));
    QFont memoFont = ThemeManager::fontForRole(ThemeManager::Small);
    memoFont.setItalic(true);
    painter->setFont(memoFont);
    painter->setPen(memoPlaceholder || !selected ? muted : text);
    painter->drawText(bottom, Qt::AlignLeft | Qt::AlignTop,
                      painter->fontMetrics().elidedText(memo, Qt::ElideRight, bottom.width()));
    painter->restore();
}
