// Lower bent-up bars at one support: bend-down parameter, left and right axis distance and a
// radius (arc bend-down) or height (straight bend-down).
#pragma once

#include "CBent_BASSteel.h"

class CBent_LPBSteel : public CBent_BASSteel {
public:
    CBent_LPBSteel();
    CBent_LPBSteel(const CBent_LPBSteel& other) = default;
    CBent_LPBSteel& operator=(const CBent_LPBSteel& other) = default;
    // Field by field, the base record's fields included.
    bool operator==(const CBent_LPBSteel& other) const = default;
    ~CBent_LPBSteel() override = default;

    // Base defaults, then kind 7, bend setting 45, bend-down parameter 1, reals 0, further value 0.
    void Reset();

    int GetBendSetting() const { return m_nBendSetting; }
    void SetBendSetting(int setting) { m_nBendSetting = setting; }
    // 0 an arc, any other value a straight bend-down.
    int GetBendDownParameter() const { return m_nBendDownParameter; }
    void SetBendDownParameter(int parameter) { m_nBendDownParameter = parameter; }
    double GetLeftAxisDistance() const { return m_dLeftAxisDistance; }
    void SetLeftAxisDistance(double distance) { m_dLeftAxisDistance = distance; }
    double GetRightAxisDistance() const { return m_dRightAxisDistance; }
    void SetRightAxisDistance(double distance) { m_dRightAxisDistance = distance; }
    double GetRadiusOrHeight() const { return m_dRadiusOrHeight; }
    void SetRadiusOrHeight(double value) { m_dRadiusOrHeight = value; }
    void SetDistancesAndRadius(double left, double right, double radiusOrHeight);
    void GetDistancesAndRadius(double& left, double& right, double& radiusOrHeight) const;
    // Kept and copied as it stands; the design file does not carry it.
    int GetFurtherValue() const { return m_nFurtherValue; }
    void SetFurtherValue(int value) { m_nFurtherValue = value; }

    // Right := left: the bar made symmetric about its support.
    void MirrorAxisDistances() { m_dRightAxisDistance = m_dLeftAxisDistance; }
    // Left and right exchanged, the radius or height kept.
    void SwapAxisDistances();

    // Editor unit change (editor/DesignRecordScaling.cpp): both axis distances and the radius or height.
    void ScaleLengths(double factor);

private:
    int m_nBendSetting;
    int m_nBendDownParameter;
    double m_dLeftAxisDistance;
    double m_dRightAxisDistance;
    double m_dRadiusOrHeight;
    int m_nFurtherValue;
};
