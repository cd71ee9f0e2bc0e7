// The editor's project data: the one design being edited, in the length unit the user chose,
// with its file's path and whether it changed since it was last opened, made or saved.
// Lengths in memory are in the current unit; design files hold millimetres.
#pragma once

#include "CBent_BasicGeometry.h"
#include "CBent_PierInfo.h"
#include "CString.h"

class CBentCapProject {
public:
    CBentCapProject() = default;
    virtual ~CBentCapProject() = default;

    // A new design: two supports of 1000 mm, fifteen bar columns, in the current unit; the
    // path empty. The modified flag is the caller's.
    void Reset();
    // File millimetres to the current unit, and back; a unit code outside 0 to 3 is millimetres.
    double GetLoadFactor() const;
    double GetSaveFactor() const;
    // Writes a millimetre copy of the design; the project itself keeps its unit. 1 written.
    int SaveTo(const CString& path) const;

    CBent_PierInfo m_PierInfo;
    CBent_BasicGeometry m_BasicGeometry;
    CString m_strPath;
    int m_nUnit = 2;      // 0 metre, 1 decimetre, 2 centimetre, 3 millimetre
    int m_nModified = 0;  // 0 or 1
};
