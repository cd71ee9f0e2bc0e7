// The strengthening straight bars of the top and bottom plates.
#include "CBent_ExtendSteel.h"

#include "BarColumnCodes.h"
#include "DesignLimits.h"
#include "RecordListHelpers.h"

CBent_ExtendSteel::CBent_ExtendSteel() { Reset(); }

void CBent_ExtendSteel::Reset()
{
    m_aCodes.RemoveAll();
    ResetFields();
}

BOOL CBent_ExtendSteel::SetCodeCount(int n)
{
    if (n < 0)
        return TRUE;
    if (n > kMaxBarColumns)
        return FALSE;
    if (m_aCodes.GetSize() > n)
        m_aCodes.RemoveAt(n, m_aCodes.GetSize() - n);
    while (m_aCodes.GetSize() < n)
        m_aCodes.Add(0);
    return TRUE;
}

void CBent_ExtendSteel::ClearCodeTens()
{
    for (INT_PTR i = 0; i < m_aCodes.GetSize(); ++i)
        SetCodeDigit(m_aCodes[i], 0, FALSE);
}

bool CBent_ExtendSteel::operator==(const CBent_ExtendSteel& other) const
{
    return ListsEqual(m_aCodes, other.m_aCodes) && ExtendSteelFields::operator==(other);
}
