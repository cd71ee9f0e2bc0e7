// The bar layers of the cross section at one support.
#pragma once

#include "CArray.h"
#include "CHLGZ_SteelLayer.h"

class CHLGZ_PierSteelLayer {
public:
    CHLGZ_PierSteelLayer() { Reset(); }
    CHLGZ_PierSteelLayer(const CHLGZ_PierSteelLayer& other) = default;
    CHLGZ_PierSteelLayer& operator=(const CHLGZ_PierSteelLayer& other) = default;
    virtual ~CHLGZ_PierSteelLayer() = default;

    // Empties the list.
    void Reset();

    CArray<CHLGZ_SteelLayer, const CHLGZ_SteelLayer&> aLayers;
};
