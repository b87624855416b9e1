#include "cloud/loopbacklistener.h"

#include <QCoreApplication>
#include <QTcpServer>
#include <QTcpSocket>
#include <QUrl>

namespace LarkAccount {

namespace {
// A request head larger than this is no browser coming back from sign-in.
constexpr qsizetype kMaxHead = 16 * 1024;
}

LoopbackListener::LoopbackListener(QObject *parent)
    : QObject(parent)
{
}

LoopbackListener::~LoopbackListener()
{
    stop();
}

bool LoopbackListener::listen()
{
    m_server = new QTcpServer(this);
    connect(m_server, &QTcpServer::newConnection, this, &LoopbackListener::onConnection);
    if (!m_server->listen(QHostAddress::LocalHost, 0)) {
        qWarning().noquote() << "Sign-in: could not listen on the loopback address:" << m_server->errorString();
        return false;
    }
    m_redirectUri = QStringLiteral("http://127.0.0.1:%1/callback").arg(m_server->serverPort());
    return true;
}

QString LoopbackListener::redirectUri() const
{
    return m_redirectUri;
}

void LoopbackListener::stop()
{
    if (m_server)
        m_server->close();
}

void LoopbackListener::onConnection()
{
    while (QTcpSocket *socket = m_server->nextPendingConnection()) {
        // A browser's connection outlives the listener until its page is sent.
        socket->setParent(nullptr);
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        connect(this, &QObject::destroyed, socket, [socket] {
            // An answered one goes when the browser has read its page.
            if (socket->property("larkAnswered").toBool() && socket->state() != QAbstractSocket::UnconnectedState)
                return;
            socket->abort();
            socket->deleteLater();
        });
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] { onReadable(socket); });
    }
}

void LoopbackListener::onReadable(QTcpSocket *socket)
{
    if (socket->property("larkHandled").toBool()) {
        socket->readAll();
        return;
    }
    QByteArray head = socket->property("larkHead").toByteArray() + socket->readAll();
    const qsizetype end = head.indexOf("\r\n\r\n");
    if (end < 0) {
        if (head.size() > kMaxHead)
            answer(socket, 400, page(false, tr("The request was not understood.")));
        else
            socket->setProperty("larkHead", head);
        return;
    }
    socket->setProperty("larkHandled", true);
    const QList<QByteArray> requestLine = head.left(head.indexOf("\r\n")).split(' ');
    const QUrl target = requestLine.size() == 3 ? QUrl(QString::fromLatin1(requestLine.at(1))) : QUrl();
    if (requestLine.value(0) != "GET" || target.path() != QLatin1String("/callback")) {
        answer(socket, 404, page(false, tr("There is nothing here.")));
        return;
    }
    if (m_received) {
        answer(socket, 409, page(false, tr("This sign-in has already finished.")));
        return;
    }
    m_received = true;
    m_waiting = socket;
    // Nothing more is accepted once the answer is in.
    stop();
    Q_EMIT callbackReceived(QUrlQuery(target));
}

void LoopbackListener::respond(bool signedIn, const QString &error)
{
    if (m_waiting)
        answer(m_waiting, signedIn ? 200 : 400, page(signedIn, error));
    m_waiting.clear();
}

void LoopbackListener::answer(QTcpSocket *socket, int status, const QByteArray &html)
{
    const QByteArray reason = status == 200 ? "OK" : status == 404 ? "Not Found" : status == 409 ? "Conflict" : "Bad Request";
    QByteArray response = "HTTP/1.1 " + QByteArray::number(status) + ' ' + reason
                          + "\r\nContent-Type: text/html; charset=utf-8\r\nCache-Control: no-store\r\n"
                            "Connection: close\r\nContent-Length: "
                          + QByteArray::number(html.size()) + "\r\n\r\n" + html;
    socket->setProperty("larkAnswered", true);
    socket->write(response);
    socket->disconnectFromHost();
}

QByteArray LoopbackListener::page(bool signedIn, const QString &error)
{
    const QString product = QCoreApplication::translate("LarkAccount::LoopbackListener", "Larkspire Quillet");
    const QString heading = signedIn ? tr("You are signed in") : tr("Sign-in did not complete");
    const QString text = signedIn ? tr("You can close this tab and return to %1.").arg(product)
                                  : error.toHtmlEscaped();
    const QString html = QStringLiteral(
        "<!DOCTYPE html><html lang=\"en\"><head><meta charset=\"utf-8\">"
        "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\"><title>%1</title><style>"
        "body{margin:0;min-height:100vh;display:flex;align-items:center;justify-content:center;"
        "font-family:system-ui,-apple-system,'Segoe UI',sans-serif;background:#FAFBFA;color:#1B2D26}"
        "main{max-width:28rem;padding:2rem 2.5rem;border:1px solid #D8E0DB;border-radius:10px;background:#fff;"
        "text-align:center}h1{font-size:1.4rem;margin:0 0 .6rem;color:%4}p{margin:0;line-height:1.5}"
        "@media (prefers-color-scheme:dark){body{background:#0F1E19;color:#D8E8DF}"
        "main{background:#152420;border-color:#2A4038}h1{color:%5}}"
        "</style></head><body><main><h1>%2</h1><p>%3</p></main></body></html>")
                             .arg(product.toHtmlEscaped(), heading.toHtmlEscaped(), text,
                                  signedIn ? QStringLiteral("#00897B") : QStringLiteral("#C62828"),
                                  signedIn ? QStringLiteral("#4DB6AC") : QStringLiteral("#FF8A80"));
    return html.toUtf8();
}

} // namespace LarkAccount
