#pragma once

#include <QWidget>

class AppState;
class DateField;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QTableView;
class QTimer;
class RegisterModel;

// Finds transactions across accounts by text and filters, newest first and at
// most one page of them, and hands a chosen one back for editing.
class SearchScreen : public QWidget
{
    Q_OBJECT
public:
    explicit SearchScreen(AppState *state, QWidget *parent = nullptr);

    QLineEdit *searchEdit() const { return m_text; }
    QComboBox *accountCombo() const { return m_account; }
    QComboBox *categoryCombo() const { return m_category; }
    QCheckBox *dateRangeCheck() const { return m_dateRange; }
    DateField *fromDateEdit() const { return m_from; }
    DateField *toDateEdit() const { return m_to; }
    QCheckBox *clearedOnlyCheck() const { return m_clearedOnly; }
    QTableView *table() const { return m_table; }
    RegisterModel *model() const { return m_model; }
    QLabel *statusLabel() const { return m_status; }

public Q_SLOTS:
    // Runs the search with the filters as they stand and shows the results.
    void performSearch();
    // Refills the account and category lists from the store, keeping the
    // chosen entries where they still exist. Showing the screen does it too.
    void refreshFilters();

Q_SIGNALS:
    // A result was double-clicked (or Enter pressed on it) to be edited.
    void editTransactionRequested(const QString &transactionId);

protected:
    void showEvent(QShowEvent *event) override;
    void changeEvent(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QLayout *buildFilters();
    void buildTable();
    // Refills both lists; true when a chosen entry disappeared and "All" took its place.
    bool refillFilters();
    void requestEdit(const QModelIndex &index);
    void applyColours();
    void fitTextColumns();

    AppState *m_state;
    RegisterModel *m_model;
    QLineEdit *m_text = nullptr;
    QComboBox *m_account = nullptr;
    QComboBox *m_category = nullptr;
    QCheckBox *m_dateRange = nullptr;
    DateField *m_from = nullptr;
    DateField *m_to = nullptr;
    QCheckBox *m_clearedOnly = nullptr;
    QLabel *m_status = nullptr;
    QTableView *m_table = nullptr;
    QTimer *m_typingTimer = nullptr;
    QTimer *m_refreshTimer = nullptr;
    QTimer *m_filtersTimer = nullptr;
};
