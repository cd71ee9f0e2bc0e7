// One anchorage row of the quantity table: a name and a count.
#pragma once

#include "CString.h"

class CHLGZ_MatAnchor {
public:
    CHLGZ_MatAnchor() { Reset(); }
    CHLGZ_MatAnchor(const CHLGZ_MatAnchor& other) = default;
    CHLGZ_MatAnchor& operator=(const CHLGZ_MatAnchor& other) = default;
    virtual ~CHLGZ_MatAnchor() = default;

    void Reset();

    CString strName;
    int nValue;
};
