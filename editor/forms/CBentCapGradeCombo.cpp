#include "CBentCapGradeCombo.h"

#include "LenientNumber.h"

namespace {

const int kDiameters[] = {6, 7, 8, 9, 10, 12, 14, 16, 18, 20, 22, 25, 28, 32, 36, 40, 50};

struct GradeRange {
    int min;
    int max;
};
const GradeRange kRanges[] = {{8, 20}, {6, 50}, {6, 50}, {8, 40}};

} // namespace

void CBentCapGradeCombo::FillDiameters(int nGrade, int nDiameter)
{
    if (nDiameter == -1)
        nDiameter = GetDiameter();
    ResetContent();
    if (nGrade < 0 || nGrade > 3)
        return;
    const GradeRange range = kRanges[nGrade];
    for (int d : kDiameters) {
        if (d > range.max)
            break;
        if (d >= range.min) {
            CString text;
            text.Format(L"%d", d);
            AddString(text);
        }
    }
    CString wanted;
    wanted.Format(L"%d", nDiameter);
    int chosen = 0;
    for (int i = 0; i < GetCount(); ++i) {
        CString text;
        GetLBText(i, text);
        if (text.Find(wanted) == 0) {
            chosen = i;
            break;
        }
    }
    SetCurSel(chosen);
}

int CBentCapGradeCombo::GetDiameter() const
{
    const int selected = GetCurSel();
    if (selected < 0)
        return -1;
    CString text;
    GetLBText(selected, text);
    return static_cast<int>(ReadLeadingReal(text));
}
