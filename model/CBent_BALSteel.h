// Bar record with a left and a right distance: top-plate bars and the four straight-bar families.
// One assignment serves all five families, since they add no fields of their own.
#pragma once

#include "CBent_BASSteel.h"

class CBent_BALSteel : public CBent_BASSteel {
public:
    CBent_BALSteel();
    CBent_BALSteel(const CBent_BALSteel& other) = default;
    CBent_BALSteel& operator=(const CBent_BALSteel& other) = default;
    // Field by field, the base record's fields included.
    bool operator==(const CBent_BALSteel& other) const = default;
    ~CBent_BALSteel() override = default;

    void Reset();

    double GetLeftDistance() const { return m_dLeftDistance; }
    void SetLeftDistance(double distance) { m_dLeftDistance = distance; }
    double GetRightDistance() const { return m_dRightDistance; }
    void SetRightDistance(double distance) { m_dRightDistance = distance; }

    // Right distance := left distance, the bar made symmetric about the middle of the cap.
    void MirrorDistances() { m_dRightDistance = m_dLeftDistance; }
    // Left and right exchanged: the bar seen from the other end of the cap.
    void SwapDistances();

    // Editor unit change (editor/DesignRecordScaling.cpp): both distances times the factor.
    void ScaleLengths(double factor);

private:
    double m_dLeftDistance;
    double m_dRightDistance;
};
