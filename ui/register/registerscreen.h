#pragma once

#include "data/records.h"

#include <QWidget>

#include <functional>
#include <optional>

class AppState;
class QKeyEvent;
class QLabel;
class QMenu;
class QPushButton;
class QTimer;
class RegisterColumns;
class RegisterDelegate;
class RegisterModel;
class RegisterTableView;

// The register page: the current account's header, the grid typed into in
// place (keyboard first), and a hint line. A row is saved as a whole from
// the model's edit buffer; "[Transfer] <account>" as payee makes a transfer.
class RegisterScreen : public QWidget
{
    Q_OBJECT
public:
    explicit RegisterScreen(AppState *state, QWidget *parent = nullptr);
    ~RegisterScreen() override;

    // Shows the account's register at once (an empty id shows nothing).
    void setAccount(const QString &accountId);
    QString accountId() const { return m_accountId; }

    RegisterModel *model() const { return m_model; }
    RegisterTableView *table() const { return m_table; }
    RegisterDelegate *delegate() const { return m_delegate; }
    QString messageText() const;

    // The menus the right mouse button opens; the caller owns them.
    QMenu *createContextMenu(const QModelIndex &index);
    QMenu *createHeaderMenu();

    // Puts the keyboard on the entry row's date, ready to type a new transaction.
    void focusEntryRow();
    // The narrowest this page can be with every figure of the register shown.
    int leastWidth() const;

    // A transient message beside the hint line, cleared after timeoutMs.
    void showMessage(const QString &text, int timeoutMs);

Q_SIGNALS:
    void newTransactionRequested(const QString &accountId);
    void editTransactionRequested(const QString &transactionId);
    void reconcileRequested();
    void errorMessage(const QString &text);

public Q_SLOTS:
    // Reads the register again on the next turn of the event loop; further
    // requests before then are folded into the one reload.
    void reload();
    void onContextMenu(const QPoint &pos);
    void commitCurrentRow();
    void deleteCurrentRow();
    void copyFromAbove();
    void advanceToNextField();
    void advanceToPreviousField();
    void startEditingRow();
    void insertNewRow();
    void newTransactionDialog();
    void presentNewTransactionDialog(const std::optional<Transaction> &seed);
    void editNewRowInDialog();
    void editCurrentInDialog();
    void editTransaction(const QString &transactionId);
    void showCurrentDetails();
    void editCurrentSplits();
    void toggleCurrentCleared();
    void memorizeCurrentRow();
    void showHeaderContextMenu(const QPoint &pos);
    void resetColumnLayout();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildUi();
    bool saveOrKeep(const std::function<bool()> &save);
    void applyTheme();
    void loadNow();
    void reloadKeepingInput();
    void loadEntries(const std::function<void()> &fill);
    void refreshHeader();
    void onCurrentRowChanged(const QModelIndex &current, const QModelIndex &previous);
    void onCellClicked(const QModelIndex &index);
    void onCellDoubleClicked(const QModelIndex &index);
    void onPreferenceChanged(const QString &key);
    void onTransactionsChanged(const QString &accountId);
    void onSortChanged(int column, Qt::SortOrder order);

    // Keys and navigation.
    bool handleKey(QKeyEvent *event);
    bool isRegisterKey(const QKeyEvent *event) const;
    void onEnter();
    void advance(bool forward, bool byEnter);
    void goToBlankRow(bool openDateEditor);
    void selectCell(int row, int column, bool openEditor);
    const RegisterEntry *currentEntry() const;
    // Closes any editor and gives the current row's stored transaction, if
    // the current row is one (not the blank or the opening-balance row).
    const RegisterEntry *takeStoredEntry();

    // Writes.
    struct RowInput;
    bool readRow(RowInput *input, bool splitEntry);
    QString categoryIdFromBuffer() const;
    // After this screen wrote rows: reads back just those rows, or the whole
    // register when fullReload (other changes are pending, or a write failed).
    void afterOwnWrite(bool fullReload, const QStringList &changedIds, const QStringList &removedIds);

    // Column layout and sort.
    void applyColumnLayout();
    void rememberCurrentForSort();

    struct Anchor {
        QString transactionId;
        bool blank = true;
        int row = -1;
        int column = 0;
    };
    Anchor m_sortAnchor;

    AppState *m_state;
    QString m_accountId;
    Account m_account;
    RegisterModel *m_model = nullptr;
    RegisterTableView *m_table = nullptr;
    RegisterDelegate *m_delegate = nullptr;
    RegisterColumns *m_columns = nullptr;
    QLabel *m_nameLabel = nullptr;
    QLabel *m_institutionLabel = nullptr;
    QLabel *m_balanceLabel = nullptr;
    QPushButton *m_reconcileButton = nullptr;
    QLabel *m_hintLabel = nullptr;
    QLabel *m_messageLabel = nullptr;
    QTimer *m_messageTimer = nullptr;
    QTimer *m_reloadTimer = nullptr;
    bool m_applyingSort = false;
    bool m_loading = false;
};
