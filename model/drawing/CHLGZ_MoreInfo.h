// Drawing-side further parameters: the fields of the design's further parameters in the same
// order, with the same defaults, its two spacing lists held as the CAD library's arrays.
#pragma once

#include "AcGeDoubleArray.h"
#include "CBent_MoreInfo.h"
#include "MoreInfoFields.h"

class CHLGZ_MoreInfo : public MoreInfoFields {
public:
    CHLGZ_MoreInfo();
    CHLGZ_MoreInfo(const CHLGZ_MoreInfo& other) = default;
    CHLGZ_MoreInfo& operator=(const CHLGZ_MoreInfo& other) = default;
    virtual ~CHLGZ_MoreInfo() = default;

    // Every field to its default, both spacing lists emptied.
    void Reset();
    // Every field copied; both spacing lists filled from the design's.
    void AssignFrom(const CBent_MoreInfo& design);

    // Spacings between the skeleton columns across the section.
    AcGeDoubleArray& GetSkeletonSpacings() { return m_aSkeletonSpacings; }
    const AcGeDoubleArray& GetSkeletonSpacings() const { return m_aSkeletonSpacings; }
    AcGeDoubleArray& GetSideSpacings() { return m_aSideSpacings; }
    const AcGeDoubleArray& GetSideSpacings() const { return m_aSideSpacings; }

private:
    AcGeDoubleArray m_aSkeletonSpacings;
    AcGeDoubleArray m_aSideSpacings;
};
