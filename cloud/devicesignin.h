#pragma once

#include <QElapsedTimer>
#include <QObject>

class QTimer;

namespace LarkAccount {

class Client;
struct HttpResult;

// Sign-in without a browser on this machine (RFC 8628): the service hands
// out a short code that the user approves on its device page elsewhere,
// while this program polls until the approval, a refusal or the expiry.
class DeviceSignIn : public QObject
{
    Q_OBJECT
public:
    DeviceSignIn(Client *client, QObject *parent = nullptr);

    void start();

Q_SIGNALS:
    void codeReady(const QString &verificationUri, const QString &userCode, const QString &completeUri);
    // ok: signed in, tokens stored and the device registered.
    void finished(bool ok, const QString &error);

private:
    void poll();
    void onPollAnswer(const HttpResult &result);
    void fail(const QString &error);

    Client *m_client;
    QTimer *m_timer;
    QString m_deviceCode;
    int m_intervalSecs = 5;
    QElapsedTimer m_expiry;
    int m_lifetimeSecs = 600;
};

} // namespace LarkAccount
