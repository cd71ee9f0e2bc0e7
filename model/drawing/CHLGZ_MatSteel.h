// One row of the bar weights by diameter in the quantity table.
#pragma once

class CHLGZ_MatSteel {
public:
    CHLGZ_MatSteel() { Reset(); }
    CHLGZ_MatSteel(const CHLGZ_MatSteel& other) = default;
    CHLGZ_MatSteel& operator=(const CHLGZ_MatSteel& other) = default;
    virtual ~CHLGZ_MatSteel() = default;

    void Reset();

    int nDiameter;
    double dWeight;  // kg
};
