// Drawing-side lower bent-up bars of the whole elevation.
#include "CHLGZ_LUBSteel.h"

CHLGZ_LUBSteel::CHLGZ_LUBSteel() { Reset(); }

CHLGZ_LUBSteel::CHLGZ_LUBSteel(const CHLGZ_LUBSteel& other) : CHLGZ_LUBSteel() { *this = other; }

CHLGZ_LUBSteel& CHLGZ_LUBSteel::operator=(const CHLGZ_LUBSteel& other)
{
    CHLGZ_BASSteel::operator=(other);
    m_nBendSetting = other.m_nBendSetting;
    m_nBendDownParameter = other.m_nBendDownParameter;
    m_aPoints = other.m_aPoints;
    return *this;
}

void CHLGZ_LUBSteel::Reset()
{
    CHLGZ_BASSteel::Reset();
    SetKind(6);
    m_nBendSetting = 45;
    m_nBendDownParameter = 1;
    m_aPoints.removeAll();
}

void CHLGZ_LUBSteel::AssignFrom(const CBent_LUBSteel& design)
{
    CHLGZ_BASSteel::AssignFrom(design);
    m_nBendSetting = design.GetBendSetting();
    m_nBendDownParameter = design.GetBendDownParameter();
    CArray<double, const double&> triples;
    design.GetColumnLists(triples);
    SetPointsFromReals(triples);
}

void CHLGZ_LUBSteel::SetPointsFromReals(const CArray<double, const double&>& reals)
{
    m_aPoints.removeAll();
    for (INT_PTR i = 0; i + 2 < reals.GetSize(); i += 3)
        m_aPoints.append(AcGePoint3d(reals[i], reals[i + 1], reals[i + 2]));
}
