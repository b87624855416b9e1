#pragma once

#include "cloud/accountsharingservice.h"

#include <QDialog>

class QComboBox;
class QLabel;
class QPushButton;
class QTreeWidget;

// Who shares an account, and for its owner the means to change that: add a
// member of the family group as viewer or editor, change a member's role,
// remove a member. Every change goes to the service at once; the dialog then
// shows the service's answer. Signed out, or for an account not yet synced,
// it says so and offers nothing.
class ShareAccountDialog : public QDialog
{
    Q_OBJECT
public:
    ShareAccountDialog(AccountSharingService *sharing, const QString &accountId, const QString &accountName,
                       QWidget *parent = nullptr);

    // Asks the service who shares the account (the dialog does on opening).
    void refresh();
    // Shows the sharing as given: the service's answer, or a made-up one for
    // a screenshot.
    void showSharing(const AccountSharingService::Sharing &sharing);

    QTreeWidget *memberList() const { return m_members; }
    QComboBox *personChoice() const { return m_person; }
    QComboBox *roleChoice() const { return m_role; }
    QPushButton *addButton() const { return m_add; }
    QPushButton *roleButton() const { return m_changeRole; }
    QPushButton *removeButton() const { return m_remove; }
    QString messageText() const;
    // True while a request is out.
    bool isBusy() const { return m_busy; }

    static QString roleText(const QString &role);

Q_SIGNALS:
    // The service answered a request (for tests and screenshots).
    void answered();

private:
    void buildUi();
    void addMember();
    void changeRole();
    void removeMember();
    void showMessage(const QString &text, bool error);
    void setBusy(bool busy);
    void updateButtons();
    AccountSharingService::Done whenAnswered();
    // The selected member's user id and role, or empty.
    QPair<QString, QString> selectedMember() const;

    AccountSharingService *m_sharing;
    QString m_accountId;
    QString m_accountName;
    AccountSharingService::Sharing m_current;
    bool m_loaded = false;
    bool m_busy = false;
    QLabel *m_heading = nullptr;
    QLabel *m_message = nullptr;
    QTreeWidget *m_members = nullptr;
    QWidget *m_addRow = nullptr;
    QComboBox *m_person = nullptr;
    QComboBox *m_role = nullptr;
    QPushButton *m_add = nullptr;
    QPushButton *m_changeRole = nullptr;
    QPushButton *m_remove = nullptr;
};
