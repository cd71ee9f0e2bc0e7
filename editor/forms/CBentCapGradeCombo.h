// A drop-down list of bar diameters that offers only the diameters a bar grade allows.
#pragma once

#include "CComboBox.h"

class CBentCapGradeCombo : public CComboBox {
public:
    // Refills the list for the grade (0 R235, 1 HRB335, 2 HRB400, 3 KL400) and selects the item
    // that starts with the diameter, else the first; diameter -1 keeps the selected one.
    void FillDiameters(int nGrade, int nDiameter);
    // The number of the selected item; -1 without a selection.
    int GetDiameter() const;
};
