// Upper bent-up bars of the whole elevation.
#include "CBent_LUTSteel.h"

#include "DesignLimits.h"
#include "RecordListHelpers.h"

namespace {

// A negative index names the last entry; an empty list has none, which the array refuses.
INT_PTR LastIfNegative(const CArray<double, const double&>& list, int i)
{
    return i < 0 ? list.GetSize() - 1 : i;
}

} // namespace

CBent_LUTSteel::CBent_LUTSteel() { Reset(); }

void CBent_LUTSteel::Reset()
{
    CBent_BASSteel::Reset();
    SetKind(4);
    m_nBendSetting = 30;
    m_aLeftAxisDistances.RemoveAll();
    m_aRightAxisDistances.RemoveAll();
    m_nBendType = 0;
}

double CBent_LUTSteel::GetLeftAxisDistanceAt(int i) const
{
    return m_aLeftAxisDistances.GetAt(LastIfNegative(m_aLeftAxisDistances, i));
}

double CBent_LUTSteel::GetRightAxisDistanceAt(int i) const
{
    return m_aRightAxisDistances.GetAt(LastIfNegative(m_aRightAxisDistances, i));
}

void CBent_LUTSteel::SetLeftAxisDistanceAt(int i, double v)
{
    m_aLeftAxisDistances.SetAt(LastIfNegative(m_aLeftAxisDistances, i), v);
}

void CBent_LUTSteel::SetRightAxisDistanceAt(int i, double v)
{
    m_aRightAxisDistances.SetAt(LastIfNegative(m_aRightAxisDistances, i), v);
}

BOOL CBent_LUTSteel::SetColumnLists(const CArray<double, const double&>& leftList,
                                    const CArray<double, const double&>& rightList)
{
    if (leftList.GetSize() != rightList.GetSize() || leftList.GetSize() > kMaxSupportCount)
        return FALSE;
    CopyRealArray(leftList, m_aLeftAxisDistances);
    CopyRealArray(rightList, m_aRightAxisDistances);
    return TRUE;
}

BOOL CBent_LUTSteel::ResizeColumnLists(int n)
{
    if (n > kMaxSupportCount)
        return FALSE;
    ResizePerSupportList(m_aLeftAxisDistances, n);
    ResizePerSupportList(m_aRightAxisDistances, n);
    return TRUE;
}

void CBent_LUTSteel::GetColumnLists(CArray<double, const double&>& list) const
{
    list.RemoveAll();
    for (int i = 0; i < GetColumnListSize(); ++i) {
        list.Add(m_aLeftAxisDistances[i]);
        list.Add(m_aRightAxisDistances[i]);
    }
}

int CBent_LUTSteel::GetColumnLists(CArray<double, const double&>& leftList,
                                   CArray<double, const double&>& rightList) const
{
    CopyRealArray(m_aLeftAxisDistances, leftList);
    CopyRealArray(m_aRightAxisDistances, rightList);
    return GetColumnListSize();
}

void CBent_LUTSteel::MirrorLists()
{
    int n = GetColumnListSize();
    // The middle support of an odd count is its own mirror.
    if (n % 2 == 1)
        m_aRightAxisDistances[n / 2] = m_aLeftAxisDistances[n / 2];
    int firstRight = (n % 2 == 0) ? n / 2 : n / 2 + 1;
    for (int i = firstRight; i < n; ++i) {
        int a = n - 1 - i;
        m_aLeftAxisDistances[i] = m_aRightAxisDistances[a];
        m_aRightAxisDistances[i] = m_aLeftAxisDistances[a];
    }
}

bool CBent_LUTSteel::operator==(const CBent_LUTSteel& other) const
{
    return CBent_BASSteel::operator==(other) && m_nBendSetting == other.m_nBendSetting &&
           ListsEqual(m_aLeftAxisDistances, other.m_aLeftAxisDistances) &&
           ListsEqual(m_aRightAxisDistances, other.m_aRightAxisDistances) && m_nBendType == other.m_nBendType;
}
