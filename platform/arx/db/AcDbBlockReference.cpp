// DXF INSERT: block name 2, insertion point 10, scales 41-43, rotation 50, extrusion 210.
#include "AcDbBlockReference.h"

#include "AcDbBlockTableRecord.h"
#include "AcDbDatabase.h"
#include "AcDbDxfFiler.h"
#include "AcDbLine.h"
#include "DbGeometry.h"

ACRX_DEFINE_DXF_MEMBERS(AcDbBlockReference, AcDbEntity, L"INSERT")

AcDbBlockReference::AcDbBlockReference(const AcGePoint3d& position, AcDbObjectId blockTableRec)
    : mBlock(blockTableRec)
    , mPosition(position)
{
}

Acad::ErrorStatus AcDbBlockReference::setBlockTableRecord(AcDbObjectId id)
{
    if (!AcDbBlockTableRecord::cast(AcDbDatabase::peek(id)))
        return Acad::eWrongObjectType;
    return setField(mBlock, id);
}

Acad::ErrorStatus AcDbBlockReference::setScaleFactors(const AcGeScale3d& scale)
{
    if (scale.sx == 0.0 || scale.sy == 0.0 || scale.sz == 0.0)
        return Acad::eInvalidInput;
    return setField(mScale, scale);
}

AcGeMatrix3d AcDbBlockReference::blockTransform() const
{
    AcGePoint3d origin;
    if (auto* block = AcDbBlockTableRecord::cast(AcDbDatabase::peek(mBlock)))
        origin = block->origin();
    AcGeMatrix3d scale;
    scale(0, 0) = mScale.sx;
    scale(1, 1) = mScale.sy;
    scale(2, 2) = mScale.sz;
    return AcGeMatrix3d::translation(mPosition.asVector()) * AcGeMatrix3d::planeToWorld(mNormal)
        * AcGeMatrix3d::rotation(mRotation, AcGeVector3d::kZAxis) * scale
        * AcGeMatrix3d::translation(-origin.asVector());
}

Acad::ErrorStatus AcDbBlockReference::dxfOutFields(AcDbDxfFiler* filer) const
{
    AcDbEntity::dxfOutFields(filer);
    filer->writeSubclass(L"AcDbBlockReference");
    filer->writeString(2, AcDbDatabase::symbolName(mBlock));
    filer->writePoint3d(10, mPosition);
    if (mScale.sx != 1.0)
        filer->writeDouble(41, mScale.sx);
    if (mScale.sy != 1.0)
        filer->writeDouble(42, mScale.sy);
    if (mScale.sz != 1.0)
        filer->writeDouble(43, mScale.sz);
    if (mRotation != 0.0)
        filer->writeAngle(50, mRotation);
    if (mNormal != AcGeVector3d::kZAxis)
        filer->writeVector3d(210, mNormal);
    return Acad::eOk;
}

Acad::ErrorStatus AcDbBlockReference::dxfInFields(AcDbDxfFiler* filer)
{
    AcDbEntity::dxfInFields(filer);
    if (!filer->atSubclassData(L"AcDbBlockReference"))
        return Acad::eInvalidInput;
    AcDbDatabase* db = filer->database();
    filer->readSubclass([&](const AcDbDxfGroup& g) {
        switch (g.code) {
        case 2:
            mBlock = db->symbolId(db->blockTableId(), g.asString().c_str());
            break;
        case 10:
            mPosition = filer->readPoint3d(g);
            break;
        case 41:
            mScale.sx = g.asDouble();
            break;
        case 42:
            mScale.sy = g.asDouble();
            break;
        case 43:
            mScale.sz = g.asDouble();
            break;
        case 50:
            mRotation = filer->readAngle(g);
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

Acad::ErrorStatus AcDbBlockReference::explode(AcDbVoidPtrArray& entitySet) const
{
    auto* block = AcDbBlockTableRecord::cast(AcDbDatabase::peek(mBlock));
    if (block == nullptr)
        return Acad::eNotApplicable;
    const AcGeMatrix3d xform = blockTransform();
    for (const AcDbObjectId& id : block->entityIds()) {
        auto* ent = AcDbEntity::cast(AcDbDatabase::peek(id));
        if (ent == nullptr || id.isErased())
            continue;
        AcDbEntity* copy = nullptr;
        if (ent->getTransformedCopy(xform, copy) != Acad::eOk || copy == nullptr)
            continue;
        entitySet.append(copy);
    }
    return Acad::eOk;
}

bool AcDbBlockReference::getGeCurves(std::vector<std::unique_ptr<AcGeCurve3d>>& curves, bool extended) const
{
    // The block's entities' outlines placed by the reference (a block can hold no cycle).
    auto* block = AcDbBlockTableRecord::cast(AcDbDatabase::peek(mBlock));
    if (block == nullptr)
        return false;
    const AcGeMatrix3d xform = blockTransform();
    for (const AcDbObjectId& id : block->entityIds()) {
        auto* ent = AcDbEntity::cast(AcDbDatabase::peek(id));
        if (ent == nullptr || id.isErased())
            continue;
        std::vector<std::unique_ptr<AcGeCurve3d>> own;
        ent->getGeCurves(own, extended);
        for (auto& c : own) {
            c->transformBy(xform);
            curves.push_back(std::move(c));
        }
    }
    return true;
}

namespace {

// The extents of a line's transformed copy, the copy made from the line's filed values.
Acad::ErrorStatus transformedLineExtents(const AcDbLine& line, const AcGeMatrix3d& xform, AcDbExtents& extents)
{
    const auto filed = [](const AcGePoint3d& p) {
        return AcGePoint3d(AcDbDxfFiler::filedDouble(p.x), AcDbDxfFiler::filedDouble(p.y),
                           AcDbDxfFiler::filedDouble(p.z));
    };
    AcDbLine copy(filed(line.startPoint()), filed(line.endPoint()));
    if (const Acad::ErrorStatus es = copy.transformBy(xform); es != Acad::eOk)
        return es;
    return copy.getGeomExtents(extents);
}

} // namespace

Acad::ErrorStatus AcDbBlockReference::getGeomExtents(AcDbExtents& extents) const
{
    auto* block = AcDbBlockTableRecord::cast(AcDbDatabase::peek(mBlock));
    if (block == nullptr)
        return Acad::eNotApplicable;
    const AcGeMatrix3d xform = blockTransform();
    AcDbExtents box;
    for (const AcDbObjectId& id : block->entityIds()) {
        auto* ent = AcDbEntity::cast(AcDbDatabase::peek(id));
        if (ent == nullptr || id.isErased())
            continue;
        // Transformed entities give tight boxes; a box transformed would grow under rotation.
        AcDbEntity* copy = nullptr;
        AcDbExtents own;
        if (const auto* line = AcDbLine::cast(ent)) {
            // Lines, the most of a block, are copied here as their copy through their DXF
            // fields would be, which costs far more than the rest.
            if (const Acad::ErrorStatus es = transformedLineExtents(*line, xform, own); es == Acad::eOk)
                box.addExt(own);
            continue;
        }
        if (ent->getTransformedCopy(xform, copy) == Acad::eOk && copy != nullptr) {
            if (copy->getGeomExtents(own) == Acad::eOk)
                box.addExt(own);
            delete copy;
        } else if (ent->getGeomExtents(own) == Acad::eOk) {
            own.transformBy(xform);
            box.addExt(own);
        }
    }
    if (box.isEmpty())
        return Acad::eNotApplicable;
    extents = box;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbBlockReference::transformBy(const AcGeMatrix3d& xform)
{
    if (Acad::ErrorStatus es = checkWritable(); es != Acad::eOk)
        return es;
    // The new placement is the transformation after the old one, read back as position,
    // normal, rotation and scale; a mirror shows as a negative Y scale.
    AcGePoint3d origin;
    if (auto* block = AcDbBlockTableRecord::cast(AcDbDatabase::peek(mBlock)))
        origin = block->origin();
    const AcGeMatrix3d whole = xform * blockTransform();
    AcGeVector3d ex = AcGeVector3d::kXAxis, ey = AcGeVector3d::kYAxis, ez = AcGeVector3d::kZAxis;
    ex.transformBy(whole);
    ey.transformBy(whole);
    ez.transformBy(whole);
    AcGeVector3d normal = ex.crossProduct(ey);
    if (normal.isZeroLength() || ez.isZeroLength())
        return Acad::eDegenerateGeometry;
    normal = normal.normal();
    if (normal.dotProduct(ez) < 0.0)
        normal = -normal;
    const double sy = ey.length() * (ex.crossProduct(ey).dotProduct(normal) < 0.0 ? -1.0 : 1.0);
    mPosition = whole * origin;
    mNormal = normal;
    mRotation = DbGeometry::ocsAngle(normal, ex);
    mScale = AcGeScale3d(ex.length(), sy, ez.length() * (ez.dotProduct(normal) < 0.0 ? -1.0 : 1.0));
    return Acad::eOk;
}
