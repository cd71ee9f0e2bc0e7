// Transforms: moves, rotations about Z and uniform scalings of points, plan geometry and
// entities, and the carry of an entity from the user coordinate system to the world.
#include "MavUtils.h"

#include "AcDbEntity.h"
#include "AcDbServices.h"
#include "AcGeEntity2d.h"
#include "AcGeMatrix2d.h"
#include "AcGeMatrix3d.h"

namespace {

// The pointer forms end with the entity closed, whether or not it could be transformed.
void transformAndClose(AcDbEntity* pEnt, const AcGeMatrix3d& mat, int report)
{
    if (pEnt == nullptr)
        return;
    MavUtils::doTransformBy(pEnt, mat, report);
    pEnt->close();
}

// The id forms hand the entity, opened for read, to a pointer form, which closes it; an id that
// does not open is passed over in silence.
template <class PointerForm>
void withEntity(const AcDbObjectId& id, PointerForm pointerForm)
{
    AcDbEntity* pEnt = nullptr;
    if (MavUtils::openEntWithID(id, AcDb::kForRead, pEnt) != Acad::eOk)
        return;
    pointerForm(pEnt);
}

} // namespace

void MavUtils::doTransformBy(AcGePoint3d& point, const AcGeMatrix3d& mat) { point.transformBy(mat); }

void MavUtils::doTransformBy(const AcDbObjectId& id, const AcGeMatrix3d& mat, int report)
{
    withEntity(id, [&](AcDbEntity* pEnt) { transformAndClose(pEnt, mat, report); });
}

void MavUtils::moveToBasePoint(AcGePoint3d& point, const AcGePoint2d& from, const AcGePoint2d& to)
{
    point += fromAcGePoint2d(to, 0.0) - fromAcGePoint2d(from, 0.0);
}

void MavUtils::moveToBasePoint(AcGeEntity2d* pEnt, const AcGePoint2d& from, const AcGePoint2d& to)
{
    if (pEnt == nullptr)
        return;
    AcGeMatrix2d mat;
    mat.setToTranslation(to - from);
    doTransformBy(pEnt, mat);
}

void MavUtils::moveToBasePoint(AcDbEntity* pEnt, const AcGePoint3d& from, const AcGePoint3d& to)
{
    AcGeMatrix3d mat;
    mat.setToTranslation(to - from);
    transformAndClose(pEnt, mat, 0);
}

void MavUtils::moveToBasePoint(const AcDbObjectId& id, const AcGePoint3d& from, const AcGePoint3d& to)
{
    withEntity(id, [&](AcDbEntity* pEnt) { moveToBasePoint(pEnt, from, to); });
}

void MavUtils::rotateToAngle(AcGePoint3d& point, const AcGePoint3d& base, double angle)
{
    AcGeMatrix3d mat;
    mat.setToRotation(angle, AcGeVector3d::kZAxis, base);
    point.transformBy(mat);
}

void MavUtils::rotateToAngle(AcGeEntity2d* pEnt, const AcGePoint2d& base, double angle)
{
    AcGeMatrix2d mat;
    mat.setToRotation(angle, base);
    doTransformBy(pEnt, mat);
}

void MavUtils::rotateToAngle(AcDbEntity* pEnt, const AcGePoint3d& base, double angle)
{
    AcGeMatrix3d mat;
    mat.setToRotation(angle, AcGeVector3d::kZAxis, base);
    transformAndClose(pEnt, mat, 0);
}

void MavUtils::rotateToAngle(const AcDbObjectId& id, const AcGePoint3d& base, double angle)
{
    withEntity(id, [&](AcDbEntity* pEnt) { rotateToAngle(pEnt, base, angle); });
}

void MavUtils::scaleToSize(AcGePoint3d& point, double factor, const AcGePoint3d& base)
{
    point.scaleBy(factor, base);
}

void MavUtils::scaleToSize(AcGePoint2d& point, double factor, const AcGePoint3d& base)
{
    point.scaleBy(factor, fromAcGePoint3d(base));
}

void MavUtils::scaleToSize(AcArray<AcGePoint2d>& points, double factor, const AcGePoint3d& base)
{
    for (int i = 0; i < points.length(); ++i)
        scaleToSize(points[i], factor, base);
}

void MavUtils::scaleToSize(AcDbEntity* pEnt, double factor, const AcGePoint3d& base, int report)
{
    AcGeMatrix3d mat;
    mat.setToScaling(factor, base);
    transformAndClose(pEnt, mat, report);
}

void MavUtils::scaleToSize(const AcDbObjectId& id, double factor, const AcGePoint3d& base, int report)
{
    withEntity(id, [&](AcDbEntity* pEnt) { scaleToSize(pEnt, factor, base, report); });
}

void MavUtils::getUcsToWcsMatrix(AcGeMatrix3d& mat, AcDbDatabase* pDb)
{
    if (!acdbUcsMatrix(mat, pDb))
        mat.setToIdentity();
}

// The caller holds the entity open for write and closes it.
void MavUtils::transformToWcs(AcDbEntity* pEnt, AcDbDatabase* pDb)
{
    if (pEnt == nullptr)
        return;
    AcGeMatrix3d mat;
    getUcsToWcsMatrix(mat, pDb);
    pEnt->transformBy(mat);
}
