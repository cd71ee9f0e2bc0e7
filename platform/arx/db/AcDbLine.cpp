// DXF: start 10, end 11, thickness 39, extrusion 210.
#include "AcDbLine.h"

#include "AcDbDxfFiler.h"

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
    if (!filer->atSubclassData(L"AcDbLine"))
        return Acad::eInvalidInput;
    filer->readSubclass([&](const AcDbDxfGroup& g) {
        switch (g.code) {
        case 39:
            mThickness = g.asDouble();
            break;
        case 10:
            mStart = filer->readPoint3d(g);
            break;
        case 11:
            mEnd = filer->readPoint3d(g);
            break;
        case 210:
            mNormal = filer->readVector3d(g);
            break;
        default:
            break;
        }
    });
    return Acad::eOk;
}
