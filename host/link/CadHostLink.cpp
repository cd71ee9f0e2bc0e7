#include "CadHostLink.h"

#include "AcRx.h"

#include <QDir>
#include <QJsonDocument>
#include <QLocalSocket>

#include <unistd.h>

QString CadHostLink::serverName()
{
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && QDir(runtime).exists())
        return runtime + QStringLiteral("/corbel-cadhost");
    return QDir::tempPath() + QStringLiteral("/corbel-cadhost-") + QString::number(getuid());
}

QString CadHostLink::interfaceVersion() { return QString::number(ACRX_API_VERSION) + QStringLiteral(".0"); }

void CadHostLink::send(QLocalSocket& socket, const QJsonObject& message)
{
    socket.write(QJsonDocument(message).toJson(QJsonDocument::Compact) + '\n');
    socket.flush();
}

bool CadHostLink::receive(QLocalSocket& socket, QJsonObject& message)
{
    if (!socket.canReadLine())
        return false;
    message = QJsonDocument::fromJson(socket.readLine().trimmed()).object();
    return true;
}
