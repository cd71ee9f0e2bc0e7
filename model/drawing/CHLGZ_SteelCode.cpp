// One bar mark of a drawing.
#include "CHLGZ_SteelCode.h"

#include "AcDbEntity.h"
#include "AcDbServices.h"
#include "AfxMessageBox.h"

#include <algorithm>

namespace {

// Room left around a detail's entities.
constexpr double kExtentsMargin = 3.0;

} // namespace

void CHLGZ_SteelCode::Reset()
{
    nNumber = 0;
    nPrimed = 0;
    nFurther = 0;
    aTags.removeAll();
    aLengths.removeAll();
    nCount = 0;
    nBarType = 0;
    nDiameter = 0;
    dMaxLength = 0.0;
    dMinLength = 0.0;
    dTotalLength = 0.0;
    aTexts.RemoveAll();
    aPoints.removeAll();
    dFurther = 0.0;
    nFurther1 = 1;
    nFurther2 = 1;
    nFurther3 = 0;
    nFurther4 = 0;
    aFurtherPoints.removeAll();
    aEntityIds.removeAll();
    ptMin = AcGePoint3d(0.0, 0.0, 0.0);
    ptMax = AcGePoint3d(0.0, 0.0, 0.0);
    dAverageLength = 0.0;
    dBaseLength = 0.0;
}

CString CHLGZ_SteelCode::FormatMark() const
{
    CString mark;
    mark.Format(L"%d", nNumber);
    if (nPrimed != 0)
        mark += L"'";
    return mark;
}

void CHLGZ_SteelCode::AddLength(double length)
{
    dMaxLength = std::max(dMaxLength, length);
    dMinLength = dMinLength > 0.0 ? std::min(dMinLength, length) : length;
    dTotalLength += length;
}

void CHLGZ_SteelCode::GetExtents(int trace)
{
    bool first = true;
    for (const AcDbObjectId& id : aEntityIds) {
        if (trace)
            AfxMessageBox(L"A1");
        AcDbEntity* entity = nullptr;
        if (acdbOpenObject(entity, id, AcDb::kForRead) != Acad::eOk)
            continue;
        if (trace)
            AfxMessageBox(L"A2");
        AcDbExtents box;
        const Acad::ErrorStatus es = entity->getGeomExtents(box);
        entity->close();
        // An entity without extents would merge a box it never had.
        if (es != Acad::eOk)
            continue;
        if (first) {
            ptMin = box.minPoint();
            ptMax = box.maxPoint();
            first = false;
        } else {
            ptMin.set(std::min(ptMin.x, box.minPoint().x), std::min(ptMin.y, box.minPoint().y),
                      std::min(ptMin.z, box.minPoint().z));
            ptMax.set(std::max(ptMax.x, box.maxPoint().x), std::max(ptMax.y, box.maxPoint().y),
                      std::max(ptMax.z, box.maxPoint().z));
        }
        if (trace)
            AfxMessageBox(L"A3");
    }
    ptMin.x -= kExtentsMargin;
    ptMin.y -= kExtentsMargin;
    ptMax.x += kExtentsMargin;
    ptMax.y += kExtentsMargin;
}
