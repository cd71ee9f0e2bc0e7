// Upper bent-up bars of the whole elevation: one left and one right axis distance per support.
// Per-support accessors take a negative index as the last support; 99999 marks an unset
// distance and 80000 up a coded one (see IsBarCodeInRange).
#pragma once

#include "CArray.h"
#include "CBent_BASSteel.h"

class CBent_LUTSteel : public CBent_BASSteel {
public:
    CBent_LUTSteel();
    CBent_LUTSteel(const CBent_LUTSteel& other) = default;
    CBent_LUTSteel& operator=(const CBent_LUTSteel& other) = default;
    // Field by field, every list entry included.
    bool operator==(const CBent_LUTSteel& other) const;
    ~CBent_LUTSteel() override = default;

    // Base defaults, then kind 4, bend setting 30, bend type 0 and empty lists.
    void Reset();

    int GetBendSetting() const { return m_nBendSetting; }
    void SetBendSetting(int setting) { m_nBendSetting = setting; }
    int GetBendType() const { return m_nBendType; }
    void SetBendType(int bendType) { m_nBendType = bendType; }

    int GetColumnListSize() const { return static_cast<int>(m_aLeftAxisDistances.GetSize()); }
    double GetLeftAxisDistanceAt(int i) const;
    double GetRightAxisDistanceAt(int i) const;
    void SetLeftAxisDistanceAt(int i, double v);
    void SetRightAxisDistanceAt(int i, double v);

    // Replaces both lists. They must be of one length and hold at most one entry per drawable
    // support; otherwise FALSE and the record is unchanged.
    BOOL SetColumnLists(const CArray<double, const double&>& leftList,
                        const CArray<double, const double&>& rightList);
    // Resizes both lists alike (ResizePerSupportList); more than the drawable supports: FALSE.
    BOOL ResizeColumnLists(int n);
    // Left and right per support in order, as the line of the design file lists them.
    void GetColumnLists(CArray<double, const double&>& list) const;
    // Both lists apart; the result is the number of supports.
    int GetColumnLists(CArray<double, const double&>& leftList,
                       CArray<double, const double&>& rightList) const;

    // Makes the right half of the supports the mirror image of the left half.
    void MirrorLists();

    // Editor unit change (editor/DesignRecordScaling.cpp): both per-support lists; an unset
    // 99999 stays and a coded length keeps its code.
    void ScaleLengths(double factor);

private:
    int m_nBendSetting;
    CArray<double, const double&> m_aLeftAxisDistances;
    CArray<double, const double&> m_aRightAxisDistances;
    int m_nBendType;
};
