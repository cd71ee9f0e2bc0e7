// The additional information of a design: the piers and abutments it applies to.
// "?" stands for none, since the design file cannot hold an empty line.
#pragma once

#include "CString.h"

class CBent_AddInfo {
public:
    CBent_AddInfo();
    CBent_AddInfo(const CBent_AddInfo& other) = default;
    CBent_AddInfo& operator=(const CBent_AddInfo& other) = default;
    // Field by field.
    bool operator==(const CBent_AddInfo& other) const = default;
    virtual ~CBent_AddInfo() = default;

    void Reset();

    CString GetApplicableTo() const { return m_strApplicableTo; }
    void SetApplicableTo(const CString& text) { m_strApplicableTo = text; }

private:
    CString m_strApplicableTo;
};
