// DXF: count 90, flags 70 (1 closed, 128 linetype generation), constant width 43, elevation 38,
// thickness 39, then per vertex 10 (x, y), 40/41 widths, 42 bulge; extrusion 210.
#include "AcDbPolyline.h"

#include "AcDb2dPolyline.h"
#include "AcDb2dVertex.h"
#include "AcDbDatabase.h"
#include "AcDbDxfFiler.h"

ACRX_DEFINE_DXF_MEMBERS(AcDbPolyline, AcDbCurve, L"LWPOLYLINE")

Acad::ErrorStatus AcDbPolyline::addVertexAt(
    unsigned int index, const AcGePoint2d& pt, double bulge, double startWidth, double endWidth)
{
    if (Acad::ErrorStatus es = checkWritable(); es != Acad::eOk)
        return es;
    if (index > mVertices.size())
        return Acad::eInvalidIndex;
    // A negative width stands for the polyline's constant width.
    Vertex v { pt, bulge, startWidth < 0.0 ? mConstantWidth : startWidth, endWidth < 0.0 ? mConstantWidth : endWidth };
    mVertices.insert(mVertices.begin() + index, v);
    return Acad::eOk;
}

Acad::ErrorStatus AcDbPolyline::removeVertexAt(unsigned int index)
{
    if (Acad::ErrorStatus es = checkWritable(); es != Acad::eOk)
        return es;
    if (index >= mVertices.size())
        return Acad::eInvalidIndex;
    mVertices.erase(mVertices.begin() + index);
    return Acad::eOk;
}

Acad::ErrorStatus AcDbPolyline::getPointAt(unsigned int index, AcGePoint2d& pt) const
{
    if (index >= mVertices.size())
        return Acad::eInvalidIndex;
    pt = mVertices[index].point;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbPolyline::getPointAt(unsigned int index, AcGePoint3d& pt) const
{
    if (index >= mVertices.size())
        return Acad::eInvalidIndex;
    const AcGePoint2d& p = mVertices[index].point;
    pt = AcGePoint3d(p.x, p.y, mElevation);
    if (mNormal != AcGeVector3d::kZAxis)
        pt.transformBy(AcGeMatrix3d::planeToWorld(mNormal));
    return Acad::eOk;
}

Acad::ErrorStatus AcDbPolyline::setPointAt(unsigned int index, const AcGePoint2d& pt)
{
    if (index >= mVertices.size())
        return Acad::eInvalidIndex;
    return setField(mVertices[index].point, pt);
}

Acad::ErrorStatus AcDbPolyline::getBulgeAt(unsigned int index, double& bulge) const
{
    if (index >= mVertices.size())
        return Acad::eInvalidIndex;
    bulge = mVertices[index].bulge;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbPolyline::setBulgeAt(unsigned int index, double bulge)
{
    if (index >= mVertices.size())
        return Acad::eInvalidIndex;
    return setField(mVertices[index].bulge, bulge);
}

Acad::ErrorStatus AcDbPolyline::getWidthsAt(unsigned int index, double& startWidth, double& endWidth) const
{
    if (index >= mVertices.size())
        return Acad::eInvalidIndex;
    startWidth = mVertices[index].startWidth;
    endWidth = mVertices[index].endWidth;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbPolyline::setWidthsAt(unsigned int index, double startWidth, double endWidth)
{
    if (Acad::ErrorStatus es = checkWritable(); es != Acad::eOk)
        return es;
    if (index >= mVertices.size())
        return Acad::eInvalidIndex;
    if (startWidth < 0.0 || endWidth < 0.0)
        return Acad::eInvalidInput;
    mVertices[index].startWidth = startWidth;
    mVertices[index].endWidth = endWidth;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbPolyline::getConstantWidth(double& width) const
{
    for (const Vertex& v : mVertices)
        if (v.startWidth != mConstantWidth || v.endWidth != mConstantWidth)
            return Acad::eInvalidInput;
    width = mConstantWidth;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbPolyline::setConstantWidth(double width)
{
    if (Acad::ErrorStatus es = checkWritable(); es != Acad::eOk)
        return es;
    if (width < 0.0)
        return Acad::eInvalidInput;
    mConstantWidth = width;
    for (Vertex& v : mVertices)
        v.startWidth = v.endWidth = width;
    return Acad::eOk;
}

bool AcDbPolyline::isOnlyLines() const
{
    for (const Vertex& v : mVertices)
        if (v.bulge != 0.0)
            return false;
    return true;
}

void AcDbPolyline::setClosed(bool closed)
{
    setField(mClosed, closed);
}
void AcDbPolyline::setPlinegen(bool plinegen)
{
    setField(mPlinegen, plinegen);
}
void AcDbPolyline::setElevation(double elevation)
{
    setField(mElevation, elevation);
}

void AcDbPolyline::setNormal(const AcGeVector3d& n)
{
    if (n.length() > 0.0)
        setField(mNormal, n / n.length());
}

void AcDbPolyline::reset(bool reuse, unsigned int numVerts)
{
    if (checkWritable() != Acad::eOk)
        return;
    if (!reuse)
        mVertices.clear();
    else if (numVerts < mVertices.size())
        mVertices.resize(numVerts);
}

Acad::ErrorStatus AcDbPolyline::convertFrom(AcDbEntity*& pPolyline, bool transferId)
{
    auto* source = AcDb2dPolyline::cast(pPolyline);
    if (source == nullptr)
        return Acad::eWrongObjectType;
    // Simple and curve-fit polylines convert (the latter through its vertices as they stand);
    // a spline-fit one has no lightweight form.
    if (source->polyType() != AcDb::k2dSimplePoly && source->polyType() != AcDb::k2dFitCurvePoly)
        return Acad::eInvalidInput;
    if (isDatabaseResident() || (transferId && source->isDatabaseResident() && !source->isWriteEnabled()))
        return Acad::eInvalidInput;
    mVertices.clear();
    for (const AcDb2dVertex* v : source->vertexObjects()) {
        const AcGePoint3d p = v->position();
        mVertices.push_back({ AcGePoint2d(p.x, p.y), v->bulge(), v->startWidth(), v->endWidth() });
    }
    mClosed = source->isClosed();
    mPlinegen = source->isLinetypeGenerationOn();
    mElevation = source->elevation();
    mThickness = source->thickness();
    mNormal = source->normal();
    source->copyEntityPropertiesTo(this);
    if (transferId && source->isDatabaseResident()) {
        // The old vertices go with the old polyline; this one takes its place under its id.
        source->eraseVertices();
        if (Acad::ErrorStatus es = source->handOverTo(this); es != Acad::eOk)
            return es;
        delete source;
        pPolyline = nullptr;
    }
    return Acad::eOk;
}

Acad::ErrorStatus AcDbPolyline::getStartPoint(AcGePoint3d& point) const
{
    if (mVertices.empty())
        return Acad::eDegenerateGeometry;
    return getPointAt(0u, point);
}

Acad::ErrorStatus AcDbPolyline::getEndPoint(AcGePoint3d& point) const
{
    if (mVertices.empty())
        return Acad::eDegenerateGeometry;
    return getPointAt(mClosed ? 0u : numVerts() - 1, point);
}

Acad::ErrorStatus AcDbPolyline::dxfOutFields(AcDbDxfFiler* filer) const
{
    AcDbCurve::dxfOutFields(filer);
    filer->writeSubclass(L"AcDbPolyline");
    filer->writeInt32(90, static_cast<long long>(mVertices.size()));
    filer->writeInt16(70, (mClosed ? 1 : 0) | (mPlinegen ? 128 : 0));
    double constant = 0.0;
    const bool isConstant = getConstantWidth(constant) == Acad::eOk;
    if (isConstant)
        filer->writeDouble(43, constant);
    if (mElevation != 0.0)
        filer->writeDouble(38, mElevation);
    if (mThickness != 0.0)
        filer->writeDouble(39, mThickness);
    for (const Vertex& v : mVertices) {
        filer->writePoint2d(10, v.point);
        if (!isConstant) {
            filer->writeDouble(40, v.startWidth);
            filer->writeDouble(41, v.endWidth);
        }
        if (v.bulge != 0.0)
            filer->writeDouble(42, v.bulge);
    }
    if (mNormal != AcGeVector3d::kZAxis)
        filer->writeVector3d(210, mNormal);
    return Acad::eOk;
}

Acad::ErrorStatus AcDbPolyline::dxfInFields(AcDbDxfFiler* filer)
{
    AcDbCurve::dxfInFields(filer);
    if (!filer->atSubclassData(L"AcDbPolyline"))
        return Acad::eInvalidInput;
    mVertices.clear();
    filer->readSubclass([&](const AcDbDxfGroup& g) {
        switch (g.code) {
        case 70:
            mClosed = (g.asInt() & 1) != 0;
            mPlinegen = (g.asInt() & 128) != 0;
            break;
        case 43:
            mConstantWidth = g.asDouble();
            break;
        case 38:
            mElevation = g.asDouble();
            break;
        case 39:
            mThickness = g.asDouble();
            break;
        case 10:
            mVertices.push_back({ filer->readPoint2d(g), 0.0, mConstantWidth, mConstantWidth });
            break;
        case 40:
            if (!mVertices.empty())
                mVertices.back().startWidth = g.asDouble();
            break;
        case 41:
            if (!mVertices.empty())
                mVertices.back().endWidth = g.asDouble();
            break;
        case 42:
            if (!mVertices.empty())
                mVertices.back().bulge = g.asDouble();
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
