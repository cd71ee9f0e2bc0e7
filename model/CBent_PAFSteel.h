// Stirrups of a face: a closed stirrup spans the bar columns from its start to its end column
// (1-based); -1 marks an open end.
#pragma once

#include "CBent_BASSteel.h"

class CBent_PAFSteel : public CBent_BASSteel {
public:
    CBent_PAFSteel();
    CBent_PAFSteel(const CBent_PAFSteel& other) = default;
    CBent_PAFSteel& operator=(const CBent_PAFSteel& other) = default;
    // Field by field, the base record's fields included.
    bool operator==(const CBent_PAFSteel& other) const = default;
    ~CBent_PAFSteel() override = default;

    // Base defaults, then kind 0 and both columns 0.
    void Reset();

    int GetStartColumn() const { return m_nStartColumn; }
    void SetStartColumn(int column) { m_nStartColumn = column; }
    int GetEndColumn() const { return m_nEndColumn; }
    void SetEndColumn(int column) { m_nEndColumn = column; }

private:
    int m_nStartColumn;
    int m_nEndColumn;
};
