#pragma once

#include <QWidget>

class QLabel;
class QListWidget;
class QPushButton;
class QStackedWidget;

namespace LarkAccount {
class Client;
}

// The online-account window. Signed out it offers sign-in and sign-up in the
// browser (and a way to give up while the browser is out); signed in it
// shows who, on which devices, with a way to the web portal and to sign out.
class AccountWindow : public QWidget
{
    Q_OBJECT
public:
    explicit AccountWindow(LarkAccount::Client *client, QWidget *parent = nullptr);

    bool showsSignedIn() const;
    QPushButton *signInButton() const { return m_signIn; }
    QPushButton *createAccountButton() const { return m_createAccount; }
    QPushButton *cancelButton() const { return m_cancel; }
    QPushButton *portalButton() const { return m_portal; }
    QPushButton *signOutButton() const { return m_signOut; }
    QListWidget *deviceList() const { return m_devices; }
    QString nameText() const;
    QString emailText() const;

protected:
    void changeEvent(QEvent *event) override;

private:
    QWidget *buildSignedOutPage();
    QWidget *buildSignedInPage();
    void updateState();
    void updateProfile();
    void updateDevices();
    void setPending(bool pending);
    void restyle();

    LarkAccount::Client *m_client;
    QStackedWidget *m_pages = nullptr;
    QLabel *m_outIcon = nullptr;
    QLabel *m_waiting = nullptr;
    QLabel *m_error = nullptr;
    QPushButton *m_signIn = nullptr;
    QPushButton *m_createAccount = nullptr;
    QPushButton *m_cancel = nullptr;
    QLabel *m_avatar = nullptr;
    QLabel *m_name = nullptr;
    QLabel *m_email = nullptr;
    QListWidget *m_devices = nullptr;
    QPushButton *m_portal = nullptr;
    QPushButton *m_signOut = nullptr;
    QList<QLabel *> m_muted;
};
