#pragma once

#include <QObject>
#include <QPointer>
#include <QUrlQuery>

class QTcpServer;
class QTcpSocket;

namespace LarkAccount {

// The browser's way back after sign-in: an HTTP listener on 127.0.0.1 at a
// port of the system's choosing that waits for one GET of "/callback". The
// browser's connection is held open until respond() gives it its page.
class LoopbackListener : public QObject
{
    Q_OBJECT
public:
    explicit LoopbackListener(QObject *parent = nullptr);
    ~LoopbackListener() override;

    bool listen();
    // "http://127.0.0.1:<port>/callback"
    QString redirectUri() const;
    // Answers the browser with the signed-in page, or with the error.
    void respond(bool signedIn, const QString &error = {});
    void stop();

    static QByteArray page(bool signedIn, const QString &error);

Q_SIGNALS:
    void callbackReceived(const QUrlQuery &query);

private:
    void onConnection();
    void onReadable(QTcpSocket *socket);
    static void answer(QTcpSocket *socket, int status, const QByteArray &html);

    QTcpServer *m_server = nullptr;
    QString m_redirectUri;
    QPointer<QTcpSocket> m_waiting;
    bool m_received = false;
};

} // namespace LarkAccount
