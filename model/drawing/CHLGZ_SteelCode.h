// One bar mark of a drawing: a bar number shared by the bars of equal shape, with the tags of
// its bars, their lengths, the points and entities of its detail and the box around them.
// The drawing classes fill and read the fields; what the unnamed ones stand for is theirs.
#pragma once

#include "AcDbObjectId.h"
#include "AcGeDoubleArray.h"
#include "AcGeIntArray.h"
#include "AcGePoint3d.h"
#include "AcGePoint3dArray.h"
#include "CArray.h"
#include "CString.h"

class CHLGZ_SteelCode {
public:
    CHLGZ_SteelCode() { Reset(); }
    CHLGZ_SteelCode(const CHLGZ_SteelCode& other) = default;
    CHLGZ_SteelCode& operator=(const CHLGZ_SteelCode& other) = default;
    virtual ~CHLGZ_SteelCode() = default;

    // Every field to its reset value, every list emptied.
    void Reset();
    // The number as "%d", followed by "'" when primed.
    CString FormatMark() const;
    // One more bar length: the maximum and total grow by it; the minimum takes it when it is
    // the smaller or while the minimum is not yet positive.
    void AddLength(double length);
    // The box becomes the union of the extents of the entities of the id list that can be
    // opened and measured (the first one sets it), widened by 3 in x and y on every side. With
    // the trace flag, boxes "A1", "A2" and "A3" show before opening, after opening and after
    // merging each entity.
    void GetExtents(int trace);

    int nNumber;
    int nPrimed;
    int nFurther;
    // The tags of the bars; a bar's second polyline is recorded with its tag negated.
    AcGeIntArray aTags;
    AcGeDoubleArray aLengths;
    int nCount;
    int nBarType;
    int nDiameter;
    double dMaxLength;
    double dMinLength;
    double dTotalLength;
    CArray<CString, const CString&> aTexts;
    // The mark points of its bars.
    AcGePoint3dArray aPoints;
    double dFurther;
    int nFurther1;
    int nFurther2;
    int nFurther3;
    int nFurther4;
    AcGePoint3dArray aFurtherPoints;
    AcDbObjectIdArray aEntityIds;
    AcGePoint3d ptMin;
    AcGePoint3d ptMax;

    // Average length of the bars counted over their occupied columns (skew-section drawing);
    // meaningful only while the count is above 0.
    double dAverageLength;

    // Bar grouping: the part of the mark's bar length (m) that every skeleton kind shares; the
    // size table's length rows add each kind's varying end parts to it.
    double dBaseLength;
};
