// An insertion of a block: the block record, insertion point, scale factors, rotation about
// the normal.
#pragma once

#include "AcDbEntity.h"
#include "AcGeScale3d.h"

class AcDbBlockReference : public AcDbEntity {
public:
    ACRX_DECLARE_MEMBERS(AcDbBlockReference);

    AcDbBlockReference() = default;
    AcDbBlockReference(const AcGePoint3d& position, AcDbObjectId blockTableRec);

    AcDbObjectId blockTableRecord() const { return mBlock; }
    // The id must name a block record (eWrongObjectType otherwise).
    Acad::ErrorStatus setBlockTableRecord(AcDbObjectId id);
    AcGePoint3d position() const { return mPosition; }
    Acad::ErrorStatus setPosition(const AcGePoint3d& p) { return setField(mPosition, p); }
    AcGeScale3d scaleFactors() const { return mScale; }
    // A zero factor is refused.
    Acad::ErrorStatus setScaleFactors(const AcGeScale3d& scale);
    double rotation() const { return mRotation; }
    Acad::ErrorStatus setRotation(double newVal) { return setField(mRotation, newVal); }
    AcGeVector3d normal() const { return mNormal; }
    Acad::ErrorStatus setNormal(const AcGeVector3d& n) { return setField(mNormal, n); }
    // Block coordinates to world: origin, scale, rotation, then position.
    AcGeMatrix3d blockTransform() const;

    Acad::ErrorStatus getGeomExtents(AcDbExtents& extents) const override;
    bool getGeCurves(std::vector<std::unique_ptr<AcGeCurve3d>>& curves, bool extended) const override;
    Acad::ErrorStatus transformBy(const AcGeMatrix3d& xform) override;
    // Copies of the block's entities placed as this reference places them.
    Acad::ErrorStatus explode(AcDbVoidPtrArray& entitySet) const override;

    Acad::ErrorStatus dxfOutFields(AcDbDxfFiler* filer) const override;
    Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override;

private:
    AcDbObjectId mBlock;
    AcGePoint3d mPosition;
    AcGeScale3d mScale;
    double mRotation = 0.0;
    AcGeVector3d mNormal { 0.0, 0.0, 1.0 };
};
