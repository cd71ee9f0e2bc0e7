// DXF INSERT: block name 2, insertion point 10, scales 41-43, rotation 50, extrusion 210.
#include "AcDbBlockReference.h"

#include "AcDbBlockTableRecord.h"
#include "AcDbDatabase.h"
#include "AcDbDxfFiler.h"

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
