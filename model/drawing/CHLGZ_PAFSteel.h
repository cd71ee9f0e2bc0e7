// Drawing-side stirrups of a face: a stirrup spans the bar columns from its start to its end
// column (1-based; -1 an open end).
#pragma once

#include "CBent_PAFSteel.h"
#include "CHLGZ_BASSteel.h"

class CHLGZ_PAFSteel : public CHLGZ_BASSteel {
public:
    CHLGZ_PAFSteel();
    CHLGZ_PAFSteel(const CHLGZ_PAFSteel& other);
    CHLGZ_PAFSteel& operator=(const CHLGZ_PAFSteel& other);
    ~CHLGZ_PAFSteel() override = default;

    // Base reset, then kind 0 and both columns 0.
    void Reset();
    // The base's design fields, start and end column.
    void AssignFrom(const CBent_PAFSteel& design);

    int GetStartColumn() const { return m_nStartColumn; }
    void SetStartColumn(int column) { m_nStartColumn = column; }
    int GetEndColumn() const { return m_nEndColumn; }
    void SetEndColumn(int column) { m_nEndColumn = column; }

private:
    int m_nStartColumn = 0;
    int m_nEndColumn = 0;
};
