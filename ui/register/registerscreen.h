#pragma once

#include "data/records.h"

#include <QWidget>

#include <functional>
#include <memory>
#include <optional>

class AppState;
class QLabel;
class QMenu;
class QPushButton;
class QTimer;
class RegisterColumns;
class RegisterDelegate;
class RegisterKeys;
class RegisterMenus;
class RegisterModel;
class RegisterRowWriter;
class RegisterTableView;
struct RegisterWrite;

// The register page: the current account's header, the grid typed into in
// place (keyboard first), and a hint line. A row is saved as a whole from
// the model's edit buffer; "[Transfer] <account>" as payee makes a transfer.
//
// The page holds its widgets, loads the rows and wires its parts together:
// RegisterKeys takes the keyboard, RegisterMenus the right mouse button, and
// RegisterRowWriter writes rows through the transaction service.
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
    // The account is shared with the user to view only: nothing can be typed.
    bool isViewOnly() const { return m_viewOnly; }
    QString sharedText() const;
    RegisterTableView *table() const { return m_table; }
    RegisterDelegate *delegate() const { return m_delegate; }
    QString messageText() const;

    // The menus the right mouse button opens (see RegisterMenus); the caller owns them.
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
    void commitCurrentRow();
    void deleteCurrentRow();
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
    void resetColumnLayout();

private:
    void buildUi();
    void applyTheme();
    void loadNow();
    void reloadKeepingInput();
    void loadEntries(const std::function<void()> &fill);
    void refreshHeader();
    // For an account shared with the user to view: says so and returns true.
    bool refuseViewOnly();
    void onCurrentRowChanged(const QModelIndex &current, const QModelIndex &previous);
    void onCellClicked(const QModelIndex &index);
    void onCellDoubleClicked(const QModelIndex &index);
    void onPreferenceChanged(const QString &key);
    void onTransactionsChanged(const QString &accountId);
    void onSortChanged(int column, Qt::SortOrder order);

    const RegisterEntry *currentEntry() const;
    // Closes any editor and gives the current row's stored transaction, if
    // the current row is one (not the blank or the opening-balance row).
    const RegisterEntry *takeStoredEntry();

    // After this screen wrote rows: reads back just those rows, or the whole
    // register when the write asks for it.
    void afterOwnWrite(const RegisterWrite &write);

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
    QLabel *m_sharedLabel = nullptr;
    bool m_viewOnly = false;
    QString m_ownerName;
    QLabel *m_balanceLabel = nullptr;
    QPushButton *m_reconcileButton = nullptr;
    QLabel *m_hintLabel = nullptr;
    QLabel *m_messageLabel = nullptr;
    QTimer *m_messageTimer = nullptr;
    QTimer *m_reloadTimer = nullptr;
    bool m_applyingSort = false;
    bool m_loading = false;
    std::unique_ptr<RegisterKeys> m_keys;
    std::unique_ptr<RegisterMenus> m_menus;
    std::unique_ptr<RegisterRowWriter> m_writer;
};
