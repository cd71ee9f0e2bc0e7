// Drawing-side further parameters.
#include "CHLGZ_MoreInfo.h"

#include "DrawingArrayHelpers.h"

CHLGZ_MoreInfo::CHLGZ_MoreInfo() { Reset(); }

void CHLGZ_MoreInfo::Reset()
{
    ResetFields();
    m_aSkeletonSpacings.removeAll();
    m_aSideSpacings.removeAll();
}

void CHLGZ_MoreInfo::AssignFrom(const CBent_MoreInfo& design)
{
    MoreInfoFields::operator=(design);
    AssignRealArray(m_aSkeletonSpacings, design.GetSkeletonSpacings());
    AssignRealArray(m_aSideSpacings, design.GetSideSpacings());
}
