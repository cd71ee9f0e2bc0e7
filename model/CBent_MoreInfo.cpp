// The further parameters of a cap-beam design.
#include "CBent_MoreInfo.h"

#include "RecordListHelpers.h"

CBent_MoreInfo::CBent_MoreInfo() { Reset(); }

void CBent_MoreInfo::Reset()
{
    ResetFields();
    m_aSkeletonSpacings.RemoveAll();
    m_aSideSpacings.RemoveAll();
}

bool CBent_MoreInfo::operator==(const CBent_MoreInfo& other) const
{
    return MoreInfoFields::operator==(other) && ListsEqual(m_aSkeletonSpacings, other.m_aSkeletonSpacings) &&
           ListsEqual(m_aSideSpacings, other.m_aSideSpacings);
}
