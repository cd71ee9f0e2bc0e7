// The editor's set-up of a design's supports and bar columns, and the count of skeleton columns.
#include "BarColumnCodes.h"
#include "CBent_PierInfo.h"
#include "DesignLimits.h"

namespace {

// The text cut to n characters or padded with pad.
CString FitText(const CString& text, int n, wchar_t pad)
{
    if (text.GetLength() >= n)
        return text.Left(n);
    return text + CString(pad, n - text.GetLength());
}

} // namespace

// The faces follow the spacing list, so that a design never has more supports on one side
// than on the other.
int CBent_PierInfo::InitSupports(int n)
{
    const INT_PTR total = m_aSupportDistances.GetSize() + n;
    if (n < 0 || total > kMaxSupportCount)
        return 0;
    for (int i = 0; i < n; ++i)
        m_aSupportDistances.Add(1000.0);
    const int count = static_cast<int>(total);
    m_MainFace.SetSupportCount(count);
    m_EndFace.SetSupportCount(count);
    for (INT_PTR i = 0; i < m_aFaceList.GetSize(); ++i)
        m_aFaceList[i].SetSupportCount(count);
    return 1;
}

int CBent_PierInfo::CountSkeletonColumns() const
{
    int count = 0;
    for (int i = 0; i < m_ExtendSteel.GetCodeCount(); ++i)
        if (IsSkeletonCode(m_ExtendSteel.GetCodeAt(i)))
            ++count;
    return count;
}

int CBent_PierInfo::SetBarColumnCount(int n)
{
    if (n < 0 || n > kMaxBarColumns)
        return 0;
    m_MainFace.SetBarColumnCount(n);
    m_strPlateBarsText = FitText(m_strPlateBarsText, n, L'1');
    m_strSkeletonTypeText = FitText(m_strSkeletonTypeText, n, L'A');
    m_ExtendSteel.SetCodeCount(n);
    return 1;
}
