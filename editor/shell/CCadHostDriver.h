// The editor's link to the CAD host. The host here is the program cadhost in its window, which
// serves the platform interface of the 2007 release of the CAD program; binding connects to its
// local socket (starting the program when none runs) and asks its version, and the draw command
// sends a command line to its current drawing. The protocol is in CadHostLink.h.
#pragma once

#include "CString.h"
#include "WinDef.h"

#include <QJsonObject>

#include <memory>

class QLocalSocket;

class CCadHostDriver {
public:
    CCadHostDriver();
    ~CCadHostDriver();

    // Connects to the running host, or starts one and connects to it: $CORBEL_CADHOST when set
    // (and then only it), else cadhost beside the editor, in the build tree's host folder, or
    // on the PATH. Reads the host's version. FALSE when no host could be bound.
    BOOL AttachRunning();
    void Detach();
    BOOL IsAttached() const;
    // The program started when no host ran (empty when none was found).
    const CString& GetProgram() const { return m_strProgram; }

    // The version the host reported at binding; empty when not bound.
    const CString& GetVersion() const { return m_strVersion; }
    // Sends the command line to the host's current drawing and returns once the host has taken
    // it; FALSE when the host is gone or did not take it.
    BOOL SendCommand(const CString& commandLine);
    // Waits up to `msecs` for the outcome of the last command line sent: "finished", "ran",
    // "drawn", "entities" and the "boxes" the host showed. Empty when none came.
    QJsonObject WaitForResult(int msecs);
    // The host's current document: "document" and "entities". Empty when not bound.
    QJsonObject QueryDocument();

private:
    BOOL Connect();
    BOOL StartHost();
    // The next reply (outcome FALSE) or command outcome (TRUE), waiting up to `msecs`; an
    // outcome that arrives while a reply is awaited is kept for WaitForResult.
    QJsonObject Receive(int msecs, bool outcome);

    std::unique_ptr<QLocalSocket> m_socket;
    CString m_strProgram;
    CString m_strVersion;
    QJsonObject m_result;
};
