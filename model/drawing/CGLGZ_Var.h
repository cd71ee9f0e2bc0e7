// One named group of lengths that a drawing class keeps: named by a skeleton letter ("%c",
// with "'" for a variant) or "L%s" with a bar mark, holding that skeleton's or bar's lengths.
#pragma once

#include "AcGeDoubleArray.h"
#include "CString.h"

class CGLGZ_Var {
public:
    CGLGZ_Var();
    CGLGZ_Var(const CGLGZ_Var& other) = default;
    CGLGZ_Var& operator=(const CGLGZ_Var& other) = default;
    virtual ~CGLGZ_Var() = default;

    // Empty name, no values.
    void Reset();

    CString GetName() const { return m_strName; }
    void SetName(const CString& name) { m_strName = name; }
    AcGeDoubleArray& GetValues() { return m_aValues; }
    const AcGeDoubleArray& GetValues() const { return m_aValues; }

private:
    CString m_strName;
    AcGeDoubleArray m_aValues;
};
