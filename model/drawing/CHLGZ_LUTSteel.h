// Drawing-side upper bent-up bars of the whole elevation: one point per support with
// x = left axis distance and y = right axis distance (99999 marks a missing end).
#pragma once

#include "AcGePoint2dArray.h"
#include "CArray.h"
#include "CBent_LUTSteel.h"
#include "CHLGZ_BASSteel.h"

class CHLGZ_LUTSteel : public CHLGZ_BASSteel {
public:
    CHLGZ_LUTSteel();
    CHLGZ_LUTSteel(const CHLGZ_LUTSteel& other);
    CHLGZ_LUTSteel& operator=(const CHLGZ_LUTSteel& other);
    ~CHLGZ_LUTSteel() override = default;

    // Base reset, then kind 4, bend setting 30, no points, bar bend type 0.
    void Reset();
    // The base's design fields, the bend type and bend setting, and one point per support.
    void AssignFrom(const CBent_LUTSteel& design);

    int GetBendSetting() const { return m_nBendSetting; }
    void SetBendSetting(int setting) { m_nBendSetting = setting; }
    AcGePoint2dArray& GetPoints() { return m_aPoints; }
    const AcGePoint2dArray& GetPoints() const { return m_aPoints; }
    // The design's bend type of the bar; apart from the base record's further integer.
    int GetBarBendType() const { return m_nBarBendType; }
    void SetBarBendType(int bendType) { m_nBarBendType = bendType; }

    // x or y of point i; a negative i names the last point.
    double GetPointX(int i) const;
    double GetPointY(int i) const;
    void SetPointX(int i, double x);
    void SetPointY(int i, double y);

    // The points become (r[0], r[1]), (r[2], r[3]), ...: a lone last real makes no point.
    void SetPointsFromReals(const CArray<double, const double&>& reals);

private:
    int m_nBendSetting = 30;
    AcGePoint2dArray m_aPoints;
    int m_nBarBendType = 0;
};
