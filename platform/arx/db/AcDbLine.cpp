// DXF: start 10, end 11, thickness 39, extrusion 210.
#include "AcDbLine.h"

#include "AcDbDxfFiler.h"
#include "AcGeLine3d.h"
#include "AcGeLineSeg3d.h"
#include "DbCurveModel.h"
#include "DbDxfFields.h"

ACRX_DEFINE_DXF_MEMBERS(AcDbLine, AcDbCurve, L"LINE")

AcDbLine::AcDbLine(const AcGePoint3d& start, const AcGePoint3d& end)
    : mStart(start)
    , mEnd(end)
{
}

Acad::ErrorStatus AcDbLine::setStartPoint(const AcGePoint3d& pt)
{
    if (Acad::ErrorStatus es = checkWritable(); es != Acad::eOk)
        return es;
    mStart = pt;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbLine::setEndPoint(const AcGePoint3d& pt)
{
    if (Acad::ErrorStatus es = checkWritable(); es != Acad::eOk)
        return es;
    mEnd = pt;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbLine::setThickness(double t)
{
    if (Acad::ErrorStatus es = checkWritable(); es != Acad::eOk)
        return es;
    mThickness = t;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbLine::setNormal(const AcGeVector3d& n)
{
    if (Acad::ErrorStatus es = checkWritable(); es != Acad::eOk)
        return es;
    if (n.length() == 0.0)
        return Acad::eInvalidInput;
    mNormal = n / n.length();
    return Acad::eOk;
}

Acad::ErrorStatus AcDbLine::getStartPoint(AcGePoint3d& point) const
{
    point = mStart;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbLine::getEndPoint(AcGePoint3d& point) const
{
    point = mEnd;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbLine::dxfOutFields(AcDbDxfFiler* filer) const
{
    AcDbCurve::dxfOutFields(filer);
    filer->writeSubclass(L"AcDbLine");
    if (mThickness != 0.0)
        filer->writeDouble(39, mThickness);
    filer->writePoint3d(10, mStart);
    filer->writePoint3d(11, mEnd);
    if (mNormal != AcGeVector3d::kZAxis)
        filer->writeVector3d(210, mNormal);
    return Acad::eOk;
}

Acad::ErrorStatus AcDbLine::dxfInFields(AcDbDxfFiler* filer)
{
    AcDbCurve::dxfInFields(filer);
    using namespace DbDxfFields;
    return DbDxfFields::read(filer, L"AcDbLine",
        { Real { 39, mThickness }, Point { 10, mStart }, Point { 11, mEnd }, Vector { 210, mNormal } });
}

// A line's parameter is the distance from its start; every real lies on the infinite line.
bool AcDbLine::buildModel(DbCurveModel& model) const
{
    model.add(new AcGeLineSeg3d(mStart, mEnd), 0.0, mStart.distanceTo(mEnd), 0.0, 1.0);
    model.setAnyParam(true);
    return true;
}

AcDbCurve* AcDbLine::subCurve(double p0, double p1) const
{
    AcGePoint3d a, b;
    getPointAtParam(p0, a);
    getPointAtParam(p1, b);
    auto* line = new AcDbLine(a, b);
    line->mNormal = mNormal;
    line->mThickness = mThickness;
    return line;
}

Acad::ErrorStatus AcDbLine::getOffsetCurves(double offsetDist, AcDbVoidPtrArray& offsetCurves) const
{
    const AcGeVector3d dir = mEnd - mStart;
    if (dir.isZeroLength())
        return Acad::eDegenerateGeometry;
    // Positive distances go to the right of the drawn direction, as for polylines.
    AcGeVector3d right = dir.crossProduct(mNormal);
    if (right.isZeroLength())
        right = dir.perpVector();
    const AcGeVector3d shift = right.normal() * offsetDist;
    auto* line = new AcDbLine(mStart + shift, mEnd + shift);
    line->mNormal = mNormal;
    line->mThickness = mThickness;
    copyEntityPropertiesTo(line);
    offsetCurves.append(line);
    return Acad::eOk;
}

Acad::ErrorStatus AcDbLine::extend(double newParam)
{
    if (Acad::ErrorStatus es = checkWritable(); es != Acad::eOk)
        return es;
    const double length = mStart.distanceTo(mEnd);
    if (length <= 0.0)
        return Acad::eDegenerateGeometry;
    AcGePoint3d p;
    getPointAtParam(newParam, p);
    if (newParam < 0.0)
        mStart = p;
    else if (newParam > length)
        mEnd = p;
    else
        return Acad::eInvalidInput;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbLine::extend(bool extendStart, const AcGePoint3d& toPoint)
{
    if (Acad::ErrorStatus es = checkWritable(); es != Acad::eOk)
        return es;
    if (mStart.isEqualTo(mEnd))
        return Acad::eDegenerateGeometry;
    const AcGePoint3d p = AcGeLine3d(mStart, mEnd).closestPointTo(toPoint);
    (extendStart ? mStart : mEnd) = p;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbLine::transformBy(const AcGeMatrix3d& xform)
{
    if (Acad::ErrorStatus es = checkWritable(); es != Acad::eOk)
        return es;
    mStart.transformBy(xform);
    mEnd.transformBy(xform);
    AcGeVector3d n = mNormal;
    n.transformBy(xform);
    if (!n.isZeroLength())
        mNormal = n.normal();
    return Acad::eOk;
}
