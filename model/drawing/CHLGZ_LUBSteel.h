// Drawing-side lower bent-up bars of the whole elevation: one point per support with
// x = left axis distance, y = right axis distance, z = radius (arc bend-down) or height.
#pragma once

#include "AcGePoint3dArray.h"
#include "CArray.h"
#include "CBent_LUBSteel.h"
#include "CHLGZ_BASSteel.h"

class CHLGZ_LUBSteel : public CHLGZ_BASSteel {
public:
    CHLGZ_LUBSteel();
    CHLGZ_LUBSteel(const CHLGZ_LUBSteel& other);
    CHLGZ_LUBSteel& operator=(const CHLGZ_LUBSteel& other);
    ~CHLGZ_LUBSteel() override = default;

    // Base reset, then kind 6, bend setting 45, bend-down parameter 1, no points.
    void Reset();
    // The base's design fields, the bend setting, the bend-down parameter and one point per support.
    void AssignFrom(const CBent_LUBSteel& design);

    int GetBendSetting() const { return m_nBendSetting; }
    void SetBendSetting(int setting) { m_nBendSetting = setting; }
    // 0 an arc, any other value a straight bend-down.
    int GetBendDownParameter() const { return m_nBendDownParameter; }
    void SetBendDownParameter(int parameter) { m_nBendDownParameter = parameter; }
    AcGePoint3dArray& GetPoints() { return m_aPoints; }
    const AcGePoint3dArray& GetPoints() const { return m_aPoints; }

    double GetPointXAt(int i) const { return m_aPoints[i].x; }
    double GetPointYAt(int i) const { return m_aPoints[i].y; }
    double GetPointZAt(int i) const { return m_aPoints[i].z; }

    // The points become (r[0], r[1], r[2]), (r[3], r[4], r[5]), ...: an incomplete last triple
    // makes no point.
    void SetPointsFromReals(const CArray<double, const double&>& reals);

private:
    int m_nBendSetting = 45;
    int m_nBendDownParameter = 1;
    AcGePoint3dArray m_aPoints;
};
