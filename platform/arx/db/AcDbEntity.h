// Base of the graphical objects: layer, colour, linetype, linetype scale, lineweight and
// visibility, and the geometric queries each entity class answers for its own geometry.
#pragma once

#include "AcCmColor.h"
#include "AcDbExtents.h"
#include "AcDbObject.h"
#include "AcGeMatrix3d.h"
#include "AcGePlane.h"
#include "AcGePoint3dArray.h"

#include <memory>
#include <vector>

class AcGeCurve3d;

typedef AcArray<void*> AcDbVoidPtrArray;

class AcDbEntity : public AcDbObject {
public:
    ACRX_DECLARE_MEMBERS(AcDbEntity);

    AcDbEntity();

    AcDbObjectId blockId() const { return ownerId(); }

    // Properties not set by the caller take the database's current values when the entity
    // is appended to a block; setDatabaseDefaults sets all of them at once.
    void setDatabaseDefaults();
    void setDatabaseDefaults(AcDbDatabase* pDb);

    // Layer, linetype, colour, linetype scale, lineweight and visibility of another entity.
    Acad::ErrorStatus setPropertiesFrom(const AcDbEntity* pEntity, bool doSubents = true);

    AcCmColor color() const { return mColor; }
    Acad::ErrorStatus setColor(const AcCmColor& color, bool doSubents = true);
    Adesk::UInt16 colorIndex() const { return mColor.colorIndex(); }
    Acad::ErrorStatus setColorIndex(Adesk::UInt16 color, bool doSubents = true);

    // Layer by name: the layer must exist in the entity's database (or, for an entity not yet
    // in one, the working database); otherwise eKeyNotFound.
    ACHAR* layer() const;
    AcDbObjectId layerId() const { return mLayer; }
    Acad::ErrorStatus setLayer(const ACHAR* newVal, bool doSubents = true, bool allowHiddenLayer = false);
    Acad::ErrorStatus setLayer(AcDbObjectId newVal, bool doSubents = true, bool allowHiddenLayer = false);

    ACHAR* linetype() const;
    AcDbObjectId linetypeId() const { return mLinetype; }
    Acad::ErrorStatus setLinetype(const ACHAR* newVal, bool doSubents = true);
    Acad::ErrorStatus setLinetype(AcDbObjectId newVal, bool doSubents = true);

    double linetypeScale() const { return mLinetypeScale; }
    Acad::ErrorStatus setLinetypeScale(double newval, bool doSubents = true);

    AcDb::LineWeight lineWeight() const { return mLineWeight; }
    Acad::ErrorStatus setLineWeight(AcDb::LineWeight newVal, bool doSubents = true);

    AcDb::Visibility visibility() const { return mVisibility; }
    Acad::ErrorStatus setVisibility(AcDb::Visibility newVal, bool doSubents = true);

    // Geometry: each entity class answers for its own geometry; this base has none.
    virtual Acad::ErrorStatus getGeomExtents(AcDbExtents& extents) const;
    virtual Acad::ErrorStatus transformBy(const AcGeMatrix3d& xform);
    virtual Acad::ErrorStatus getTransformedCopy(const AcGeMatrix3d& xform, AcDbEntity*& pEnt) const;
    virtual Acad::ErrorStatus intersectWith(const AcDbEntity* pEnt, AcDb::Intersect intType, AcGePoint3dArray& points,
        int thisGsMarker = 0, int otherGsMarker = 0) const;
    virtual Acad::ErrorStatus intersectWith(const AcDbEntity* pEnt, AcDb::Intersect intType, const AcGePlane& projPlane,
        AcGePoint3dArray& points, int thisGsMarker = 0, int otherGsMarker = 0) const;
    virtual Acad::ErrorStatus explode(AcDbVoidPtrArray& entitySet) const;
    // The entity's outline as world curves, for intersections and extents: curves as they are
    // (extended, when asked, as intersectWith's extension modes extend them), texts by their
    // boxes, block references by their exploded entities. False for an entity with no outline.
    virtual bool getGeCurves(std::vector<std::unique_ptr<AcGeCurve3d>>& curves, bool extended) const;
    Acad::ErrorStatus highlight() const { return Acad::eOk; }
    Acad::ErrorStatus unhighlight() const { return Acad::eOk; }
    Acad::ErrorStatus draw() { return Acad::eOk; }

    Acad::ErrorStatus dxfOutFields(AcDbDxfFiler* filer) const override;
    Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override;
    void objectAddedToDatabase() override;

    // Copies this entity's common properties into another entity, for copies and split curves.
    void copyEntityPropertiesTo(AcDbEntity* other) const;
    // The SEQEND record that closes a vertex sequence in DXF; null for entities without one.
    virtual AcDbHandle sequenceEndHandle() const { return AcDbHandle(); }
    virtual void setSequenceEndHandle(AcDbHandle h) { (void)h; }

private:
    AcDbObjectId mLayer;
    AcDbObjectId mLinetype;
    AcCmColor mColor;
    double mLinetypeScale = 1.0;
    AcDb::LineWeight mLineWeight = AcDb::kLnWtByLayer;
    AcDb::Visibility mVisibility = AcDb::kVisible;
    bool mColorSet = false;
    bool mLineWeightSet = false;
    bool mLinetypeScaleSet = false;
};
