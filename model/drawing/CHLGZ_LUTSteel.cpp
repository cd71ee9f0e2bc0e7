// Drawing-side upper bent-up bars of the whole elevation.
#include "CHLGZ_LUTSteel.h"

CHLGZ_LUTSteel::CHLGZ_LUTSteel() { Reset(); }

CHLGZ_LUTSteel::CHLGZ_LUTSteel(const CHLGZ_LUTSteel& other) : CHLGZ_LUTSteel() { *this = other; }

CHLGZ_LUTSteel& CHLGZ_LUTSteel::operator=(const CHLGZ_LUTSteel& other)
{
    CHLGZ_BASSteel::operator=(other);
    m_nBendSetting = other.m_nBendSetting;
    m_aPoints = other.m_aPoints;
    m_nBarBendType = other.m_nBarBendType;
    return *this;
}

void CHLGZ_LUTSteel::Reset()
{
    CHLGZ_BASSteel::Reset();
    SetKind(4);
    m_nBendSetting = 30;
    m_aPoints.removeAll();
    m_nBarBendType = 0;
}

void CHLGZ_LUTSteel::AssignFrom(const CBent_LUTSteel& design)
{
    CHLGZ_BASSteel::AssignFrom(design);
    m_nBarBendType = design.GetBendType();
    m_nBendSetting = design.GetBendSetting();
    CArray<double, const double&> pairs;
    design.GetColumnLists(pairs);
    SetPointsFromReals(pairs);
}

double CHLGZ_LUTSteel::GetPointX(int i) const { return m_aPoints[i < 0 ? m_aPoints.length() - 1 : i].x; }

double CHLGZ_LUTSteel::GetPointY(int i) const { return m_aPoints[i < 0 ? m_aPoints.length() - 1 : i].y; }

void CHLGZ_LUTSteel::SetPointX(int i, double x) { m_aPoints[i < 0 ? m_aPoints.length() - 1 : i].x = x; }

void CHLGZ_LUTSteel::SetPointY(int i, double y) { m_aPoints[i < 0 ? m_aPoints.length() - 1 : i].y = y; }

void CHLGZ_LUTSteel::SetPointsFromReals(const CArray<double, const double&>& reals)
{
    m_aPoints.removeAll();
    for (INT_PTR i = 0; i + 1 < reals.GetSize(); i += 2)
        m_aPoints.append(AcGePoint2d(reals[i], reals[i + 1]));
}
