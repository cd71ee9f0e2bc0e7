// A triangle repeats its third corner as the fourth, as the format expects.
#include "AcDbSolid.h"

#include "AcDbDxfFiler.h"
#include "AcGeLineSeg3d.h"

ACRX_DEFINE_DXF_MEMBERS(AcDbSolid, AcDbEntity, L"SOLID")

AcDbSolid::AcDbSolid(const AcGePoint3d& pt0, const AcGePoint3d& pt1, const AcGePoint3d& pt2)
    : mPoints { pt0, pt1, pt2, pt2 }
{
}

AcDbSolid::AcDbSolid(const AcGePoint3d& pt0, const AcGePoint3d& pt1, const AcGePoint3d& pt2, const AcGePoint3d& pt3)
    : mPoints { pt0, pt1, pt2, pt3 }
{
}

Acad::ErrorStatus AcDbSolid::getPointAt(Adesk::UInt16 idx, AcGePoint3d& pntRes) const
{
    if (idx > 3)
        return Acad::eInvalidIndex;
    pntRes = mPoints[idx];
    return Acad::eOk;
}

Acad::ErrorStatus AcDbSolid::setPointAt(Adesk::UInt16 idx, const AcGePoint3d& pt)
{
    if (idx > 3)
        return Acad::eInvalidIndex;
    return setField(mPoints[idx], pt);
}

Acad::ErrorStatus AcDbSolid::dxfOutFields(AcDbDxfFiler* filer) const
{
    AcDbEntity::dxfOutFields(filer);
    filer->writeSubclass(L"AcDbTrace");
    for (int i = 0; i < 4; ++i)
        filer->writePoint3d(10 + i, mPoints[i]);
    if (mThickness != 0.0)
        filer->writeDouble(39, mThickness);
    if (mNormal != AcGeVector3d::kZAxis)
        filer->writeVector3d(210, mNormal);
    return Acad::eOk;
}

Acad::ErrorStatus AcDbSolid::dxfInFields(AcDbDxfFiler* filer)
{
    AcDbEntity::dxfInFields(filer);
    if (!filer->atSubclassData(L"AcDbTrace"))
        return Acad::eInvalidInput;
    filer->readSubclass([&](const AcDbDxfGroup& g) {
        if (g.code >= 10 && g.code <= 13)
            mPoints[g.code - 10] = filer->readPoint3d(g);
        else if (g.code == 39)
            mThickness = g.asDouble();
        else if (g.code == 210)
            mNormal = filer->readVector3d(g);
    });
    return Acad::eOk;
}

namespace {

// The drawn outline visits the corners 0, 1, 3, 2 (DXF order swaps the last two).
constexpr int kOutline[4] = { 0, 1, 3, 2 };

} // namespace

Acad::ErrorStatus AcDbSolid::getGeomExtents(AcDbExtents& extents) const
{
    AcDbExtents box;
    for (const AcGePoint3d& p : mPoints)
        box.addPoint(p);
    extents = box;
    return Acad::eOk;
}

bool AcDbSolid::getGeCurves(std::vector<std::unique_ptr<AcGeCurve3d>>& curves, bool) const
{
    for (int i = 0; i < 4; ++i) {
        const AcGePoint3d& a = mPoints[kOutline[i]];
        const AcGePoint3d& b = mPoints[kOutline[(i + 1) % 4]];
        if (!a.isEqualTo(b))
            curves.push_back(std::make_unique<AcGeLineSeg3d>(a, b));
    }
    return true;
}

Acad::ErrorStatus AcDbSolid::transformBy(const AcGeMatrix3d& xform)
{
    if (Acad::ErrorStatus es = checkWritable(); es != Acad::eOk)
        return es;
    for (AcGePoint3d& p : mPoints)
        p.transformBy(xform);
    mNormal.transformBy(xform);
    if (!mNormal.isZeroLength())
        mNormal = mNormal.normal();
    return Acad::eOk;
}
