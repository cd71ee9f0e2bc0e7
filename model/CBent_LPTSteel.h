// Upper bent-up bars at one support: bend type, left and right axis distance and whether the
// bar connects with its neighbour.
#pragma once

#include "CBent_BASSteel.h"

class CBent_LPTSteel : public CBent_BASSteel {
public:
    CBent_LPTSteel();
    CBent_LPTSteel(const CBent_LPTSteel& other) = default;
    CBent_LPTSteel& operator=(const CBent_LPTSteel& other) = default;
    // Field by field, the base record's fields included.
    bool operator==(const CBent_LPTSteel& other) const = default;
    ~CBent_LPTSteel() override = default;

    // Base defaults, then kind 5, bend setting 30, bend type 0, distances 0, not connected.
    void Reset();

    int GetBendSetting() const { return m_nBendSetting; }
    void SetBendSetting(int setting) { m_nBendSetting = setting; }
    int GetBendType() const { return m_nBendType; }
    void SetBendType(int bendType) { m_nBendType = bendType; }
    double GetLeftAxisDistance() const { return m_dLeftAxisDistance; }
    void SetLeftAxisDistance(double distance) { m_dLeftAxisDistance = distance; }
    double GetRightAxisDistance() const { return m_dRightAxisDistance; }
    void SetRightAxisDistance(double distance) { m_dRightAxisDistance = distance; }
    void SetAxisDistances(double left, double right);
    void GetAxisDistances(double& left, double& right) const;
    int GetConnectFlag() const { return m_nConnectFlag; }
    void SetConnectFlag(int flag) { m_nConnectFlag = flag; }

    // Right := left: the bar made symmetric about its support.
    void MirrorAxisDistances() { m_dRightAxisDistance = m_dLeftAxisDistance; }
    // Left and right exchanged: the bar seen from the other end of the cap.
    void SwapAxisDistances();

    // Editor unit change (editor/DesignRecordScaling.cpp): both axis distances; an unset 99999 stays.
    void ScaleLengths(double factor);

private:
    int m_nBendSetting;
    int m_nBendType;
    double m_dLeftAxisDistance;
    double m_dRightAxisDistance;
    int m_nConnectFlag;
};
