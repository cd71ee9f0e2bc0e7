// One prestressing tendon of a design: its name, number, bundle, section values, tensioning
// and the guide points its curve passes.
#pragma once

#include "CArray.h"
#include "CHLGZ_HlPointStruct.h"
#include "CString.h"

class CHLGZ_HlBarStruct {
public:
    CHLGZ_HlBarStruct();
    CHLGZ_HlBarStruct(const CHLGZ_HlBarStruct& other) = default;
    CHLGZ_HlBarStruct& operator=(const CHLGZ_HlBarStruct& other) = default;
    // Field by field, every list entry included.
    bool operator==(const CHLGZ_HlBarStruct& other) const;
    virtual ~CHLGZ_HlBarStruct() = default;

    // Empty name, numbers 0, lists emptied.
    void Reset();

    CString GetName() const { return m_strName; }
    void SetName(const CString& name) { m_strName = name; }
    int GetNumber() const { return m_nNumber; }
    void SetNumber(int number) { m_nNumber = number; }
    int GetBundleCount() const { return m_nBundleCount; }
    void SetBundleCount(int count) { m_nBundleCount = count; }
    CArray<double, const double&>& GetSectionValues() { return m_aSectionValues; }
    const CArray<double, const double&>& GetSectionValues() const { return m_aSectionValues; }
    // Not carried by the design file; kept and copied as it stands.
    CArray<double, const double&>& GetFurtherValues() { return m_aFurtherValues; }
    const CArray<double, const double&>& GetFurtherValues() const { return m_aFurtherValues; }
    int GetTensionMode() const { return m_nTensionMode; }
    void SetTensionMode(int mode) { m_nTensionMode = mode; }
    double GetWorkingLength() const { return m_dWorkingLength; }
    void SetWorkingLength(double length) { m_dWorkingLength = length; }
    CArray<CHLGZ_HlPointStruct, const CHLGZ_HlPointStruct&>& GetPoints() { return m_aPoints; }
    const CArray<CHLGZ_HlPointStruct, const CHLGZ_HlPointStruct&>& GetPoints() const { return m_aPoints; }

    // Editor unit change (editor/DesignRecordScaling.cpp): working length, section values, guide points.
    void ScaleLengths(double factor);

private:
    CString m_strName;
    int m_nNumber;
    int m_nBundleCount;
    CArray<double, const double&> m_aSectionValues;
    CArray<double, const double&> m_aFurtherValues;
    int m_nTensionMode;
    double m_dWorkingLength;
    CArray<CHLGZ_HlPointStruct, const CHLGZ_HlPointStruct&> m_aPoints;
};
