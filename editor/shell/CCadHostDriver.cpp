#include "CCadHostDriver.h"

#include "QtText.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

namespace {

bool IsProgram(const QString& path)
{
    const QFileInfo file(path);
    return file.isFile() && file.isExecutable();
}

} // namespace

BOOL CCadHostDriver::AttachRunning()
{
    m_strProgram.Empty();
    const QString chosen = qEnvironmentVariable("CORBEL_CADHOST");
    QStringList places;
    if (!qEnvironmentVariableIsSet("CORBEL_CADHOST")) {
        const QString here = QCoreApplication::applicationDirPath();
        places << here + QStringLiteral("/cadhost") << here + QStringLiteral("/../host/cadhost")
               << QStringLiteral(CORBEL_BUILD_DIR "/host/cadhost") << QStandardPaths::findExecutable("cadhost");
    } else {
        places << chosen;
    }
    for (const QString& place : places) {
        if (!place.isEmpty() && IsProgram(place)) {
            m_strProgram = FromQString(QFileInfo(place).absoluteFilePath());
            return TRUE;
        }
    }
    return FALSE;
}

CString CCadHostDriver::GetVersion() const { return IsAttached() ? CString(L"17.0") : CString(); }

QStringList CCadHostDriver::DrawArguments(const CString& design)
{
    const QFileInfo file(ToQString(design));
    return {QStringLiteral("draw"), file.absoluteFilePath(), QStringLiteral("-o"), file.absolutePath()};
}

BOOL CCadHostDriver::SendCommand(const CString& design) const
{
    if (!IsAttached())
        return FALSE;
    const QFileInfo file(ToQString(design));
    return QProcess::startDetached(ToQString(m_strProgram), DrawArguments(design), file.absolutePath()) ? TRUE : FALSE;
}
