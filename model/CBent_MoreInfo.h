// The further parameters of a cap-beam design: stirrup spacings and densification, cap and
// weld type, bend-down mode, grades, diameters and spacings of the skeleton, stirrup, side and
// anchor-sealing bars. The further fields are not carried by the design file of version 4.3;
// they are kept and copied as they stand.
#pragma once

#include "CArray.h"
#include "MoreInfoFields.h"

class CBent_MoreInfo : public MoreInfoFields {
public:
    CBent_MoreInfo();
    CBent_MoreInfo(const CBent_MoreInfo& other) = default;
    CBent_MoreInfo& operator=(const CBent_MoreInfo& other) = default;
    // Field by field, every list entry included.
    bool operator==(const CBent_MoreInfo& other) const;
    virtual ~CBent_MoreInfo() = default;

    // Every field to its default, both spacing lists emptied.
    void Reset();

    // Spacings between the skeleton columns across the section.
    CArray<double, const double&>& GetSkeletonSpacings() { return m_aSkeletonSpacings; }
    const CArray<double, const double&>& GetSkeletonSpacings() const { return m_aSkeletonSpacings; }
    CArray<double, const double&>& GetSideSpacings() { return m_aSideSpacings; }
    const CArray<double, const double&>& GetSideSpacings() const { return m_aSideSpacings; }

    // Editor unit change (editor/DesignRecordScaling.cpp): the real lengths and both spacing lists.
    void ScaleLengths(double factor);

private:
    CArray<double, const double&> m_aSkeletonSpacings;
    CArray<double, const double&> m_aSideSpacings;
};
