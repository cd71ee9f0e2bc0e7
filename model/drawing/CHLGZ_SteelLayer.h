// One bar layer of a cross section, as the drawing classes collect them: a bar number and the
// bar's height in the section.
#pragma once

class CHLGZ_SteelLayer {
public:
    CHLGZ_SteelLayer() { Reset(); }
    CHLGZ_SteelLayer(const CHLGZ_SteelLayer& other) = default;
    CHLGZ_SteelLayer& operator=(const CHLGZ_SteelLayer& other) = default;
    virtual ~CHLGZ_SteelLayer() = default;

    void Reset();

    int nBar;
    double dHeight;
};
