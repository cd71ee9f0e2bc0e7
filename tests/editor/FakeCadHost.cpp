// A stand-in for the windowed cadhost in the editor's tests: it serves the host's socket,
// reports the version in CORBEL_FAKE_CADHOST_VERSION (17.0 unless set), writes each command
// line it is sent to commands.txt in its runtime folder, and ends when its last client goes.
#include "CadHostLink.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QFile>
#include <QJsonArray>
#include <QLocalServer>
#include <QLocalSocket>
#include <QTimer>

namespace {

void Answer(QLocalSocket& socket, const QJsonObject& request)
{
    const QString kind = request.value(QStringLiteral("request")).toString();
    if (kind == QStringLiteral("hello")) {
        const QString version = qEnvironmentVariable("CORBEL_FAKE_CADHOST_VERSION", QStringLiteral("17.0"));
        CadHostLink::send(socket, {{QStringLiteral("host"), QStringLiteral("cadhost")}, {QStringLiteral("version"), version}});
    } else if (kind == QStringLiteral("command")) {
        // Written whole before the reply, so that the test reads it once the command is taken.
        QFile log(QFileInfo(CadHostLink::serverName()).dir().filePath(QStringLiteral("commands.txt")));
        if (log.open(QIODevice::Append))
            log.write(request.value(QStringLiteral("line")).toString().toUtf8() + '\n');
        log.close();
        CadHostLink::send(socket, {{QStringLiteral("taken"), true}});
        CadHostLink::send(socket, {{QStringLiteral("finished"), true}, {QStringLiteral("ran"), true},
                                   {QStringLiteral("drawn"), false}, {QStringLiteral("boxes"), QJsonArray()}});
    }
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QLocalServer server;
    QLocalServer::removeServer(CadHostLink::serverName());
    if (!server.listen(CadHostLink::serverName()))
        return 1;
    int clients = 0;
    QObject::connect(&server, &QLocalServer::newConnection, [&] {
        while (QLocalSocket* socket = server.nextPendingConnection()) {
            ++clients;
            QObject::connect(socket, &QLocalSocket::readyRead, [socket] {
                QJsonObject request;
                while (CadHostLink::receive(*socket, request))
                    Answer(*socket, request);
            });
            QObject::connect(socket, &QLocalSocket::disconnected, [&clients, socket] {
                socket->deleteLater();
                if (--clients == 0)
                    QCoreApplication::quit();
            });
        }
    });
    // Nobody came: a test that never bound.
    QTimer::singleShot(30000, [&clients] {
        if (clients == 0)
            QCoreApplication::quit();
    });
    return app.exec();
}
