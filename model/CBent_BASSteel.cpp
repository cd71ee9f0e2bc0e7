// Base of every design bar record.
#include "CBent_BASSteel.h"

#include "ColumnText.h"
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
    FitColumnText(m_strColumnText, n, m_nKind, flag != FALSE);
    return TRUE;
}
