// Base of every design bar record.
#include "CBent_BASSteel.h"

#include "DesignLimits.h"

CBent_BASSteel::CBent_BASSteel() { Reset(); }

void CBent_BASSteel::Reset()
{
    m_nKind = 0;
    m_nBarType = 1;
    m_nDiameter = 28;
    SetColumnCount(kDefaultBarColumns, FALSE);
}

BOOL CBent_BASSteel::SetColumnCount(int n, BOOL flag)
{
    if (n < 0 || n > kMaxBarColumns)
        return FALSE;
    if (m_strColumnText.GetLength() > n)
        m_strColumnText = m_strColumnText.Left(n);
    while (m_strColumnText.GetLength() < n)
        m_strColumnText += L'1';
    // A text cut to nothing has no first column to clear.
    if (flag && m_nKind != 0 && m_nKind != 2 && !m_strColumnText.IsEmpty())
        m_strColumnText.SetAt(0, L'0');
    return TRUE;
}
