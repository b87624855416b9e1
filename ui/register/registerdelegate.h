#pragma once

#include "ui/dialogs/categorychoices.h"

#include <QStringList>
#include <QStyledItemDelegate>

class AppState;
class QLineEdit;
class RegisterModel;

// Creates, fills and reads the register's cell editors: one per column, the
// two-line payee/memo editor, the category box, and the quick fill of a new
// row from the payee's last transaction.
class RegisterDelegate : public QStyledItemDelegate
{
    Q_OBJECT
public:
    RegisterDelegate(AppState *state, RegisterModel *model, QObject *parent = nullptr);

    void setAccountId(const QString &accountId);
    void setTwoLine(bool twoLine) { m_twoLine = twoLine; }
    bool isTwoLine() const { return m_twoLine; }
    // Payees and categories are read again the next time an editor needs them.
    void invalidateLists();

    // Every live payee, then "[Transfer] <name>" for each other account.
    QStringList payeeList() const;
    // The empty choice (no category) first, then every live category by name.
    QList<CategoryChoice> categoryChoices() const;

    // On the blank row: fills amount, category and memo from the most recent
    // transaction of this account with exactly this payee, and records the
    // payee. Does nothing when the payee is the one already filled from.
    void quickFill(const QString &payee, QLineEdit *memoEdit = nullptr) const;

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    void setEditorData(QWidget *editor, const QModelIndex &index) const override;
    void setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const override;
    void updateEditorGeometry(QWidget *editor, const QStyleOptionViewItem &option,
                              const QModelIndex &index) const override;
    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *createPayeeEditor(QWidget *parent) const;
    QWidget *createCategoryEditor(QWidget *parent) const;
    void paintPayeeMemo(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const;
    void writePayee(const QString &payee, QLineEdit *memoEdit) const;

    AppState *m_state;
    RegisterModel *m_model;
    QString m_accountId;
    bool m_twoLine = false;
    mutable bool m_payeesValid = false;
    mutable QStringList m_payees;
    mutable bool m_categoriesValid = false;
    mutable QList<CategoryChoice> m_categories;
};
