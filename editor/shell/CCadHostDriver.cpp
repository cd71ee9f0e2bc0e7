#include "CCadHostDriver.h"

#include "CadHostLink.h"
#include "QtText.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFileInfo>
#include <QLocalSocket>
#include <QProcess>
#include <QStandardPaths>
#include <QThread>

#include <utility>

namespace {

// How long a started host may take to load the plug-in and open its socket.
const int kStartMsecs = 20000;
const int kReplyMsecs = 5000;

bool IsProgram(const QString& path)
{
    const QFileInfo file(path);
    return file.isFile() && file.isExecutable();
}

QString FindProgram()
{
    QStringList places;
    if (qEnvironmentVariableIsSet("CORBEL_CADHOST")) {
        places << qEnvironmentVariable("CORBEL_CADHOST");
    } else {
        const QString here = QCoreApplication::applicationDirPath();
        places << here + QStringLiteral("/cadhost") << here + QStringLiteral("/../host/cadhost")
               << QStringLiteral(CORBEL_BUILD_DIR "/host/cadhost") << QStandardPaths::findExecutable("cadhost");
    }
    for (const QString& place : places)
        if (!place.isEmpty() && IsProgram(place))
            return QFileInfo(place).absoluteFilePath();
    return {};
}

} // namespace

CCadHostDriver::CCadHostDriver() = default;

CCadHostDriver::~CCadHostDriver() = default;

BOOL CCadHostDriver::AttachRunning()
{
    Detach();
    if (!Connect() && !StartHost())
        return FALSE;
    CadHostLink::send(*m_socket, {{QStringLiteral("request"), QStringLiteral("hello")}});
    m_strVersion = FromQString(Receive(kReplyMsecs, false).value(QStringLiteral("version")).toString());
    if (m_strVersion.IsEmpty())
        Detach();
    return IsAttached();
}

void CCadHostDriver::Detach()
{
    m_socket.reset();
    m_strVersion.Empty();
    m_result = {};
}

BOOL CCadHostDriver::IsAttached() const
{
    return m_socket && m_socket->state() == QLocalSocket::ConnectedState ? TRUE : FALSE;
}

BOOL CCadHostDriver::Connect()
{
    m_socket = std::make_unique<QLocalSocket>();
    m_socket->connectToServer(CadHostLink::serverName());
    if (m_socket->waitForConnected(kReplyMsecs))
        return TRUE;
    m_socket.reset();
    return FALSE;
}

// The host runs on its own after the editor ends; the editor waits until its socket answers.
BOOL CCadHostDriver::StartHost()
{
    m_strProgram = FromQString(FindProgram());
    if (m_strProgram.IsEmpty() || !QProcess::startDetached(ToQString(m_strProgram), {}))
        return FALSE;
    const QDeadlineTimer deadline(kStartMsecs);
    while (!deadline.hasExpired()) {
        if (Connect())
            return TRUE;
        QThread::msleep(100);
    }
    return FALSE;
}

QJsonObject CCadHostDriver::Receive(int msecs, bool outcome)
{
    const QDeadlineTimer deadline(msecs);
    QJsonObject message;
    while (IsAttached()) {
        while (CadHostLink::receive(*m_socket, message)) {
            const bool isOutcome = message.contains(QStringLiteral("finished"));
            if (isOutcome == outcome)
                return message;
            if (isOutcome)
                m_result = message;
        }
        if (deadline.hasExpired() || !m_socket->waitForReadyRead(static_cast<int>(deadline.remainingTime())))
            break;
    }
    return {};
}

BOOL CCadHostDriver::SendCommand(const CString& commandLine)
{
    if (!IsAttached())
        return FALSE;
    m_result = {};
    CadHostLink::send(*m_socket, {{QStringLiteral("request"), QStringLiteral("command")},
                                  {QStringLiteral("line"), ToQString(commandLine)}});
    return Receive(kReplyMsecs, false).value(QStringLiteral("taken")).toBool() ? TRUE : FALSE;
}

QJsonObject CCadHostDriver::WaitForResult(int msecs)
{
    return m_result.isEmpty() ? Receive(msecs, true) : std::exchange(m_result, {});
}

QJsonObject CCadHostDriver::QueryDocument()
{
    if (!IsAttached())
        return {};
    CadHostLink::send(*m_socket, {{QStringLiteral("request"), QStringLiteral("document")}});
    return Receive(kReplyMsecs, false);
}
