#pragma once

#include "data/records.h"

#include "ui/dialogs/formdialog.h"

class QCheckBox;
class QComboBox;
class QFormLayout;
class QLabel;
class QLineEdit;

// Creates a category (top-level or under a parent) or edits one. The dialog
// writes nothing: the caller stores category() after OK.
class CategoryFormDialog : public FormDialog
{
    Q_OBJECT
public:
    explicit CategoryFormDialog(QWidget *parent = nullptr);

    // Creating a subcategory of the named parent.
    void setParentCategory(const QString &parentId, const QString &parentName);
    // Editing an existing category.
    void setCategory(const Category &category);

    // The record built from the fields: a new id, created_at and the parent
    // when creating; updated_at now and pending in every case.
    Category category() const;

    bool isEditMode() const { return m_editMode; }

private:
    void setTypeCode(const QString &code);
    void updateTaxCodeEnabled();

    Category m_original;
    QString m_parentId;
    bool m_editMode = false;

    QFormLayout *m_form = nullptr;
    QLabel *m_parentName = nullptr;
    QLineEdit *m_name = nullptr;
    QComboBox *m_type = nullptr;
    QCheckBox *m_taxRelevant = nullptr;
    QLabel *m_taxCodeLabel = nullptr;
    QLineEdit *m_taxCode = nullptr;
};
