// The material quantities of one drawing: the bar list, the anchorage rows, the named
// quantities and the bar weights by diameter, one list per bar type 0 to 3.
#pragma once

#include "CArray.h"
#include "CHLGZ_MatAnchor.h"
#include "CHLGZ_MatBar.h"
#include "CHLGZ_MatCancl.h"
#include "CHLGZ_MatSteel.h"

class CHLGZ_MatTotal {
public:
    static constexpr int kBarTypeCount = 4;

    CHLGZ_MatTotal() { Reset(); }
    CHLGZ_MatTotal(const CHLGZ_MatTotal& other) = default;
    CHLGZ_MatTotal& operator=(const CHLGZ_MatTotal& other) = default;
    virtual ~CHLGZ_MatTotal() = default;

    // Empties every list.
    void Reset();

    CArray<CHLGZ_MatBar, const CHLGZ_MatBar&> aBars;
    CArray<CHLGZ_MatAnchor, const CHLGZ_MatAnchor&> aAnchors;
    CArray<CHLGZ_MatCancl, const CHLGZ_MatCancl&> aCancls;
    // Indexed by bar type.
    CArray<CHLGZ_MatSteel, const CHLGZ_MatSteel&> aSteels[kBarTypeCount];
};
