// The editor's link to the CAD host. The host here is the program cadhost, which stands in for
// the 2007 release of the CAD program (its drawings are that release's, AC1021); binding finds
// the program, and the draw command starts it on the design file, where it runs the plug-in's
// command BC_NOUI and writes the drawing beside the design.
#pragma once

#include "CString.h"
#include "WinDef.h"

#include <QStringList>

class CCadHostDriver {
public:
    // $CORBEL_CADHOST when set (and then only it), else cadhost beside the editor, in the
    // build tree's host folder, or on the PATH. FALSE when none is found.
    BOOL AttachRunning();
    void Detach() { m_strProgram.Empty(); }
    BOOL IsAttached() const { return !m_strProgram.IsEmpty(); }
    const CString& GetProgram() const { return m_strProgram; }

    // The release the host stands in for; empty when not bound.
    CString GetVersion() const;
    // The arguments that draw the design: "draw", the design, "-o" and the design's folder.
    static QStringList DrawArguments(const CString& design);
    // Starts the host on the design and returns once it runs; FALSE when it could not start.
    BOOL SendCommand(const CString& design) const;

private:
    CString m_strProgram;
};
