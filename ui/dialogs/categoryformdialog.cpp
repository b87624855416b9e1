#include "ui/dialogs/categoryformdialog.h"

#include "app/thememanager.h"
#include "ui/screens/screencolors.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
constexpr int kMinimumWidth = 420;
}

CategoryFormDialog::CategoryFormDialog(QWidget *parent)
    : FormDialog(parent)
{
    setWindowTitle(tr("New Category"));
    setMinimumWidth(kMinimumWidth);

    m_parentName = new QLabel(this);
    m_parentName->setObjectName(QStringLiteral("categoryParent"));
    m_parentName->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);

    m_name = new QLineEdit(this);

    m_name->setMaxLength(kMaxTextLength);
    m_name->setObjectName(QStringLiteral("categoryName"));
    m_name->setPlaceholderText(tr("Category name"));

    m_type = new QComboBox(this);
    m_type->setObjectName(QStringLiteral("categoryType"));
    m_type->addItem(tr("Expense"), QStringLiteral("expense"));
    m_type->addItem(tr("Income"), QStringLiteral("income"));

    m_taxRelevant = new QCheckBox(tr("Tax-relevant"), this);
    m_taxRelevant->setObjectName(QStringLiteral("categoryTaxRelevant"));
    auto *note = new QLabel(tr("Mark this category for inclusion in tax-time reports."), this);
    note->setWordWrap(true);
    note->setStyleSheet(ScreenColors::mutedStyle(ScreenColors::dark()));
    ThemeManager::setRole(note, ThemeManager::Small);

    m_taxCode = new QLineEdit(this);

    m_taxCode->setMaxLength(kMaxTextLength);
    m_taxCode->setObjectName(QStringLiteral("categoryTaxCode"));
    m_taxCode->setPlaceholderText(tr("e.g. charitable_contributions, mortgage_interest"));

    m_form = new QFormLayout;
    m_form->addRow(tr("&Parent:"), m_parentName);
    m_form->addRow(tr("&Name:"), m_name);
    m_form->addRow(tr("&Type:"), m_type);
    m_form->addRow(QString(), m_taxRelevant);
    m_form->addRow(QString(), note);
    m_form->addRow(tr("Tax &Code:"), m_taxCode);
    m_taxCodeLabel = qobject_cast<QLabel *>(m_form->labelForField(m_taxCode));
    // The parent row is shown only for a new subcategory.
    m_form->setRowVisible(m_parentName, false);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(m_form);
    layout->addStretch(1);
    layout->addWidget(buttons);

    connect(m_taxRelevant, &QCheckBox::toggled, this, &CategoryFormDialog::updateTaxCodeEnabled);
    updateTaxCodeEnabled();
    m_name->setFocus();
}

void CategoryFormDialog::setParentCategory(const QString &parentId, const QString &parentName)
{
    m_parentId = parentId;
    m_parentName->setText(parentName);
    m_form->setRowVisible(m_parentName, true);
    setWindowTitle(tr("New Subcategory"));
}

void CategoryFormDialog::setCategory(const Category &category)
{
    m_original = category;
    m_editMode = true;
    setWindowTitle(tr("Edit Category"));
    m_name->setText(category.name);
    setTypeCode(Codes::categoryTypeCode(category.type));
    m_taxRelevant->setChecked(category.isTaxRelevant);
    m_taxCode->setText(category.taxCategory);
    updateTaxCodeEnabled();
}

void CategoryFormDialog::setTypeCode(const QString &code)
{
    int at = m_type->findData(code);
    // The form offers expense and income; a transfer category (made by sync
    // or an import) keeps its type instead of silently becoming an expense.
    if (at < 0 && code == QLatin1String("transfer")) {
        m_type->addItem(tr("Transfer"), code);
        at = m_type->count() - 1;
    }
    m_type->setCurrentIndex(qMax(0, at));
}

void CategoryFormDialog::updateTaxCodeEnabled()
{
    const bool on = m_taxRelevant->isChecked();
    m_taxCode->setEnabled(on);
    if (m_taxCodeLabel)
        m_taxCodeLabel->setEnabled(on);
}

Category CategoryFormDialog::category() const
{
    Category c = m_original;
    if (!m_editMode)
        c.parentId = m_parentId;
    c.name = m_name->text().trimmed();
    c.type = Codes::categoryTypeFromCode(m_type->currentData().toString());
    c.isTaxRelevant = m_taxRelevant->isChecked();
    c.taxCategory = c.isTaxRelevant ? m_taxCode->text().trimmed() : QString();
    return c;
}
