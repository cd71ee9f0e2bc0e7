// Lower bent-up bars of the whole elevation.
#include "CBent_LUBSteel.h"

#include "DesignLimits.h"
#include "RecordListHelpers.h"

CBent_LUBSteel::CBent_LUBSteel() { Reset(); }

void CBent_LUBSteel::Reset()
{
    CBent_BASSteel::Reset();
    SetKind(6);
    m_nBendSetting = 45;
    m_nBendDownParameter = 1;
    m_aLeftAxisDistances.RemoveAll();
    m_aRightAxisDistances.RemoveAll();
    m_aRadiiOrHeights.RemoveAll();
}

BOOL CBent_LUBSteel::SetColumnLists(const CArray<double, const double&>& leftList,
                                    const CArray<double, const double&>& rightList,
                                    const CArray<double, const double&>& radiusList)
{
    if (leftList.GetSize() != rightList.GetSize() || leftList.GetSize() != radiusList.GetSize() ||
        leftList.GetSize() > kMaxSupportCount)
        return FALSE;
    CopyRealArray(leftList, m_aLeftAxisDistances);
    CopyRealArray(rightList, m_aRightAxisDistances);
    CopyRealArray(radiusList, m_aRadiiOrHeights);
    return TRUE;
}

BOOL CBent_LUBSteel::ResizeColumnLists(int n)
{
    if (n > kMaxSupportCount)
        return FALSE;
    ResizePerSupportList(m_aLeftAxisDistances, n);
    ResizePerSupportList(m_aRightAxisDistances, n);
    ResizePerSupportList(m_aRadiiOrHeights, n);
    return TRUE;
}

void CBent_LUBSteel::GetColumnLists(CArray<double, const double&>& list) const
{
    list.RemoveAll();
    for (int i = 0; i < GetColumnListSize(); ++i) {
        list.Add(m_aLeftAxisDistances[i]);
        list.Add(m_aRightAxisDistances[i]);
        list.Add(m_aRadiiOrHeights[i]);
    }
}

int CBent_LUBSteel::GetColumnLists(CArray<double, const double&>& leftList,
                                   CArray<double, const double&>& rightList,
                                   CArray<double, const double&>& radiusList) const
{
    CopyRealArray(m_aLeftAxisDistances, leftList);
    CopyRealArray(m_aRightAxisDistances, rightList);
    CopyRealArray(m_aRadiiOrHeights, radiusList);
    return GetColumnListSize();
}

void CBent_LUBSteel::MirrorLists()
{
    int n = GetColumnListSize();
    // The middle support of an odd count is its own mirror; its radius or height stays.
    if (n % 2 == 1)
        m_aRightAxisDistances[n / 2] = m_aLeftAxisDistances[n / 2];
    int firstRight = (n % 2 == 0) ? n / 2 : n / 2 + 1;
    for (int i = firstRight; i < n; ++i) {
        int a = n - 1 - i;
        m_aLeftAxisDistances[i] = m_aRightAxisDistances[a];
        m_aRightAxisDistances[i] = m_aLeftAxisDistances[a];
        m_aRadiiOrHeights[i] = m_aRadiiOrHeights[a];
    }
}

bool CBent_LUBSteel::operator==(const CBent_LUBSteel& other) const
{
    return CBent_BASSteel::operator==(other) && m_nBendSetting == other.m_nBendSetting &&
           m_nBendDownParameter == other.m_nBendDownParameter &&
           ListsEqual(m_aLeftAxisDistances, other.m_aLeftAxisDistances) &&
           ListsEqual(m_aRightAxisDistances, other.m_aRightAxisDistances) &&
           ListsEqual(m_aRadiiOrHeights, other.m_aRadiiOrHeights);
}
