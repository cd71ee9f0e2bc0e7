// The root record of a cap-beam design.
#include "CBent_PierInfo.h"

#include "RecordListHelpers.h"

CBent_PierInfo::CBent_PierInfo() { Reset(); }

CBent_PierInfo::CBent_PierInfo(const CBent_PierInfo& other) : CBent_PierInfo() { Copy(other); }

CBent_PierInfo& CBent_PierInfo::operator=(const CBent_PierInfo& other)
{
    Copy(other);
    return *this;
}

void CBent_PierInfo::Reset()
{
    ResetFields();
    m_MoreInfo.Reset();
    m_aSupportDistances.RemoveAll();
    m_MainFace.Reset();
    m_EndFace.Reset();
    m_aFaceList.RemoveAll();
    m_aTendons.RemoveAll();
    m_ExtendSteel.Reset();
    m_AddInfo.Reset();
}

void CBent_PierInfo::Copy(const CBent_PierInfo& other)
{
    if (&other == this)
        return;
    PierInfoFields::operator=(other);
    m_MoreInfo = other.m_MoreInfo;
    CopyRealArray(other.m_aSupportDistances, m_aSupportDistances);
    m_MainFace = other.m_MainFace;
    m_EndFace = other.m_EndFace;
    m_aFaceList.Copy(other.m_aFaceList);
    CopyIntArray(other.m_aSectionPositions, m_aSectionPositions);
    m_aTendons.Copy(other.m_aTendons);
    m_ExtendSteel = other.m_ExtendSteel;
    m_AddInfo = other.m_AddInfo;
}

bool CBent_PierInfo::operator==(const CBent_PierInfo& other) const
{
    return PierInfoFields::operator==(other) && ListsEqual(m_aSupportDistances, other.m_aSupportDistances) &&
           ListsEqual(m_aSectionPositions, other.m_aSectionPositions) && m_MainFace == other.m_MainFace &&
           m_EndFace == other.m_EndFace && ListsEqual(m_aFaceList, other.m_aFaceList) &&
           m_MoreInfo == other.m_MoreInfo && ListsEqual(m_aTendons, other.m_aTendons) &&
           m_ExtendSteel == other.m_ExtendSteel && m_AddInfo == other.m_AddInfo;
}
