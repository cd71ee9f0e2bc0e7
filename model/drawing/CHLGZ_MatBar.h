// One row of the bar list of the quantity table; what its values stand for is the table's.
#pragma once

class CHLGZ_MatBar {
public:
    CHLGZ_MatBar() { Reset(); }
    CHLGZ_MatBar(const CHLGZ_MatBar& other) = default;
    CHLGZ_MatBar& operator=(const CHLGZ_MatBar& other) = default;
    virtual ~CHLGZ_MatBar() = default;

    void Reset();

    int nValue1;
    int nValue2;
    double dValue;
};
