#include "CadHostServer.h"

#include "CadHostLink.h"

#include <QLocalServer>
#include <QLocalSocket>
#include <QPointer>
#include <QTimer>

CadHostServer::CadHostServer(Handlers handlers)
    : mHandlers(std::move(handlers)), mServer(std::make_unique<QLocalServer>())
{
    QObject::connect(mServer.get(), &QLocalServer::newConnection, [this] { accept(); });
}

CadHostServer::~CadHostServer() = default;

QString CadHostServer::name() const { return mServer->fullServerName(); }

bool CadHostServer::listen(QString& reason)
{
    const QString name = CadHostLink::serverName();
    QLocalSocket probe;
    probe.connectToServer(name);
    if (probe.waitForConnected(500)) {
        reason = QStringLiteral("another cadhost already serves ") + name;
        return false;
    }
    // A name left behind by a host that ended without closing it.
    QLocalServer::removeServer(name);
    mServer->setSocketOptions(QLocalServer::UserAccessOption);
    if (!mServer->listen(name)) {
        reason = mServer->errorString();
        return false;
    }
    return true;
}

void CadHostServer::accept()
{
    while (QLocalSocket* socket = mServer->nextPendingConnection()) {
        QObject::connect(socket, &QLocalSocket::readyRead, [this, socket] { read(socket); });
        QObject::connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    }
}

void CadHostServer::read(QLocalSocket* socket)
{
    QJsonObject request;
    while (CadHostLink::receive(*socket, request))
        answer(socket, request);
}

// A command is taken at once and run once the reply that says so has gone, so that the sender
// waits for the host to take it, not for the drawing to be done.
void CadHostServer::answer(QLocalSocket* socket, const QJsonObject& request)
{
    const QString kind = request.value(QStringLiteral("request")).toString();
    if (kind == QStringLiteral("hello")) {
        CadHostLink::send(*socket, {{QStringLiteral("host"), QStringLiteral("cadhost")},
                                    {QStringLiteral("version"), CadHostLink::interfaceVersion()}});
    } else if (kind == QStringLiteral("document")) {
        CadHostLink::send(*socket, mHandlers.document());
    } else if (kind == QStringLiteral("command")) {
        const QString line = request.value(QStringLiteral("line")).toString();
        CadHostLink::send(*socket, {{QStringLiteral("taken"), true}});
        QPointer<QLocalSocket> asker(socket);
        QTimer::singleShot(0, [this, asker, line] {
            const QJsonObject result = mHandlers.command(line);
            if (asker && asker->state() == QLocalSocket::ConnectedState)
                CadHostLink::send(*asker, result);
        });
    } else {
        CadHostLink::send(*socket, {{QStringLiteral("error"), QStringLiteral("unknown request \"") + kind + "\""}});
    }
}
