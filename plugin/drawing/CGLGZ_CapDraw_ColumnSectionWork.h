// What one column section of either drawing is drawn from: the cut, the bars it meets (heights
// in mm above the section's bottom) and where its outline stands (drawing units of the section
// scale).
#pragma once

#include "CGLGZ_CapDraw.h"

#include <vector>

struct CGLGZ_CapDraw::ColumnSectionWork {
    AcGePoint3d origin;
    int code = 0;
    ColumnSectionCut cut;
    double s2 = 40.0;
    double left = 0.0;
    double right = 0.0;
    double top = 0.0;
    double bottom = 0.0;
    AcGeDoubleArray xs;
    // A bar the cut meets: its number, its height and its column text ('1' where it lies).
    struct Bar {
        int number = 0;
        double height = 0.0;
        CString columns;
    };
    std::vector<Bar> bars;
    // A strengthening bar: its bar column and its height.
    struct Dot {
        int column = 0;
        double height = 0.0;
    };
    std::vector<Dot> strengthening;
    // The arrangement tables' rows, the row next to the section first: one letter (or a blank)
    // a bar column.
    std::vector<CString> upperRows;
    std::vector<CString> lowerRows;

    double Y(double height) const { return bottom + height / s2; }
    bool In(const Bar& bar, int column) const
    {
        return column < bar.columns.GetLength() && bar.columns[column] == L'1';
    }
};
