// Lower bent-up bars of the whole elevation: per support a left and a right axis distance and
// a radius or height. Per-support accessors take only 0 ... count - 1.
#pragma once

#include "CArray.h"
#include "CBent_BASSteel.h"

class CBent_LUBSteel : public CBent_BASSteel {
public:
    CBent_LUBSteel();
    CBent_LUBSteel(const CBent_LUBSteel& other) = default;
    CBent_LUBSteel& operator=(const CBent_LUBSteel& other) = default;
    // Field by field, every list entry included.
    bool operator==(const CBent_LUBSteel& other) const;
    ~CBent_LUBSteel() override = default;

    // Base defaults, then kind 6, bend setting 45, bend-down parameter 1 and empty lists.
    void Reset();

    int GetBendSetting() const { return m_nBendSetting; }
    void SetBendSetting(int setting) { m_nBendSetting = setting; }
    // 0 an arc, any other value a straight bend-down.
    int GetBendDownParameter() const { return m_nBendDownParameter; }
    void SetBendDownParameter(int parameter) { m_nBendDownParameter = parameter; }

    int GetColumnListSize() const { return static_cast<int>(m_aLeftAxisDistances.GetSize()); }
    double GetLeftAxisDistanceAt(int i) const { return m_aLeftAxisDistances.GetAt(i); }
    double GetRightAxisDistanceAt(int i) const { return m_aRightAxisDistances.GetAt(i); }
    double GetRadiusOrHeightAt(int i) const { return m_aRadiiOrHeights.GetAt(i); }
    void SetLeftAxisDistanceAt(int i, double v) { m_aLeftAxisDistances.SetAt(i, v); }
    void SetRightAxisDistanceAt(int i, double v) { m_aRightAxisDistances.SetAt(i, v); }
    void SetRadiusOrHeightAt(int i, double v) { m_aRadiiOrHeights.SetAt(i, v); }

    // Replaces the three lists. They must be of one length and hold at most one entry per
    // drawable support; otherwise FALSE and the record is unchanged.
    BOOL SetColumnLists(const CArray<double, const double&>& leftList,
                        const CArray<double, const double&>& rightList,
                        const CArray<double, const double&>& radiusList);
    // Resizes the three lists alike (ResizePerSupportList); more than the drawable supports: FALSE.
    BOOL ResizeColumnLists(int n);
    // Left, right and radius or height per support in order, as the design file lists them.
    void GetColumnLists(CArray<double, const double&>& list) const;
    // The three lists apart; the result is the number of supports.
    int GetColumnLists(CArray<double, const double&>& leftList,
                       CArray<double, const double&>& rightList,
                       CArray<double, const double&>& radiusList) const;

    // Makes the right half of the supports the mirror image of the left half.
    void MirrorLists();

    // Editor unit change (editor/DesignRecordScaling.cpp): the three per-support lists.
    void ScaleLengths(double factor);

private:
    int m_nBendSetting;
    int m_nBendDownParameter;
    CArray<double, const double&> m_aLeftAxisDistances;
    CArray<double, const double&> m_aRightAxisDistances;
    CArray<double, const double&> m_aRadiiOrHeights;
};
