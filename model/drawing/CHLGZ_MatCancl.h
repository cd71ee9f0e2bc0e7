// One row of a named quantity in the quantity table.
#pragma once

#include "CString.h"

class CHLGZ_MatCancl {
public:
    CHLGZ_MatCancl() { Reset(); }
    CHLGZ_MatCancl(const CHLGZ_MatCancl& other) = default;
    CHLGZ_MatCancl& operator=(const CHLGZ_MatCancl& other) = default;
    virtual ~CHLGZ_MatCancl() = default;

    void Reset();

    CString strName;
    double dValue;
};
