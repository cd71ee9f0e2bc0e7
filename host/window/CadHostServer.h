// The windowed host's local socket server: the editor binds to it, asks for the host's name
// and version and its current document, and sends command lines to the current document
// (the protocol is in CadHostLink.h). One host serves at a time: a second one finds the name
// taken and runs without a server.
#pragma once

#include <QJsonObject>
#include <QString>

#include <functional>
#include <memory>

class QLocalServer;
class QLocalSocket;

class CadHostServer {
public:
    struct Handlers {
        // {"document":..., "entities":...}
        std::function<QJsonObject()> document;
        // Runs the command line on the current document and tells how it went.
        std::function<QJsonObject(const QString& line)> command;
    };

    explicit CadHostServer(Handlers handlers);
    ~CadHostServer();

    // Listens under CadHostLink::serverName(); false with the reason when another host serves
    // there or the name cannot be taken.
    bool listen(QString& reason);
    QString name() const;

private:
    void accept();
    void read(QLocalSocket* socket);
    void answer(QLocalSocket* socket, const QJsonObject& request);

    Handlers mHandlers;
    std::unique_ptr<QLocalServer> mServer;
};
