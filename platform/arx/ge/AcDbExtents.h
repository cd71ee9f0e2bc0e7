// An axis-aligned box in world coordinates. A new box is empty (minimum above maximum),
// so the first added point or box defines it.
#pragma once

#include "AcGeMatrix3d.h"
#include "AcGePoint3d.h"
#include "AcadErrorStatus.h"

class AcDbExtents {
public:
    AcDbExtents();
    AcDbExtents(const AcGePoint3d& min, const AcGePoint3d& max);

    AcGePoint3d minPoint() const { return mMin; }
    AcGePoint3d maxPoint() const { return mMax; }
    // eInvalidInput when min exceeds max in any coordinate; the box is then unchanged.
    Acad::ErrorStatus set(const AcGePoint3d& min, const AcGePoint3d& max);
    void addPoint(const AcGePoint3d& pt);
    void addExt(const AcDbExtents& src);
    void expandBy(const AcGeVector3d& vec);
    // The box around the eight transformed corners.
    void transformBy(const AcGeMatrix3d& mat);
    bool isEmpty() const;

private:
    AcGePoint3d mMin;
    AcGePoint3d mMax;
};
