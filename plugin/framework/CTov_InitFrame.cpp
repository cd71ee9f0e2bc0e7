#include "CTov_InitFrame.h"

#include "MavUtils.h"
#include "ReadRegistryString.h"
#include "aced.h"

void CTov_InitFrame::SetOrigin(const AcGePoint3d& origin) { m_origin = origin; }

// The host resolves the path's backslashes and finds the ".dxf" beside a ".dwg" name; without a
// registered system folder the path stays relative and the host reports it as not found.
int CTov_InitFrame::InsertTitleBlock()
{
    // 1. The frame layer.
    MavUtils::selectLayer(L"01-图框");
    // 2. The system folder.
    CString folder;
    ReadRegistryString(L"Location", folder, 0);
    // 3. The title-block drawing in it.
    const CString path = folder + L"\\Support\\tk.dwg";
    // 4. Attached 20 left of the sheet origin.
    return AttachXref(AcGePoint3d(m_origin.x - 20.0, m_origin.y, m_origin.z), path, L"TK");
}

int CTov_InitFrame::AttachXref(const AcGePoint3d& point, const CString& path, const CString&)
{
    CString where;
    where.Format(L"%f,%f,%f", point.x, point.y, point.z);
    acedCommand(RTSTR, L"-XREF", RTSTR, L"A", RTSTR, path.GetString(), RTSTR, where.GetString(), RTSTR, L"1", RTSTR,
        L"1", RTSTR, L"0", RTNONE);
    return 1;
}
