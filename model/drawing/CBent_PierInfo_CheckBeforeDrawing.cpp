// The check before drawing: the last step the drawing run applies to a design record before
// converting it. It refuses a design without a pier column or a bar column, applies the
// design's symmetry flags to the data and writes the column text of every bar of the main face
// from the per-column codes. It changes the record in place and shows nothing itself.
#include "BarColumnCodes.h"
#include "CBent_PierInfo.h"
#include "RecordListHelpers.h"

int CBent_PierInfo::CheckBeforeDrawing(CString& message, int completeStirrups)
{
    // 1. At least one pier column.
    if (m_aSupportDistances.IsEmpty()) {
        message = L"墩柱个数太少，至少需要一个墩柱";
        return 0;
    }

    // 2. At least one bar column.
    if (m_ExtendSteel.GetCodes().IsEmpty()) {
        message = L"钢筋列数太少，至少需要一列钢筋";
        return 0;
    }

    // 3. Symmetry; the flags for general construction and skeleton arrangement are not used here.
    if (m_nColumnSpacingSymmetric)
        CloseRealList(m_aSupportDistances);
    if (m_nStrengtheningSymmetric)
        MirrorIntList(m_ExtendSteel.GetCodes());
    if (m_nBarSkeletonSymmetric)
        m_MainFace.ApplySymmetry();
    if (m_nSectionStirrupsSymmetric) {
        m_MainFace.RemoveMirroredStirrups();
        if (completeStirrups)
            m_MainFace.CompleteStirrups();
    }

    // 4. Column text of the main face: '1' for a skeleton column, '0' for any other.
    CString columnText;
    const CArray<int, const int&>& codes = m_ExtendSteel.GetCodes();
    for (INT_PTR i = 0; i < codes.GetSize(); ++i)
        columnText += IsSkeletonCode(codes[i]) ? L'1' : L'0';
    m_MainFace.SetColumnText(columnText);

    // 5. Passed.
    return 1;
}
