// Entity properties refer to layer and linetype records by id; names are looked up in the
// entity's database, or the working database while the entity is not in one.
#include "AcDbEntity.h"

#include "AcDbBlockTableRecord.h"
#include "AcDbDatabase.h"
#include "AcDbDxfFiler.h"
#include "AcDbHostApplicationServices.h"
#include "AcDbLayerTableRecord.h"
#include "AcDbLinetypeTableRecord.h"
#include "AcGeCurveCurveInt3d.h"
#include "DbCurveModel.h"
#include "DbGeometry.h"

#include <algorithm>
#include <cstdlib>

namespace {

AcDbDatabase* lookupDatabase(const AcDbEntity* ent)
{
    return ent->database() ? ent->database() : acdbHostApplicationServices()->workingDatabase();
}

bool isValidLineWeight(int lw)
{
    static const int kWeights[] = { 0, 5, 9, 13, 15, 18, 20, 25, 30, 35, 40, 50, 53, 60, 70, 80, 90, 100, 106, 120, 140,
        158, 200, 211, -1, -2, -3 };
    for (int w : kWeights)
        if (w == lw)
            return true;
    return false;
}

} // namespace

ACRX_DEFINE_MEMBERS(AcDbEntity, AcDbObject)

AcDbEntity::AcDbEntity() = default;

void AcDbEntity::setDatabaseDefaults()
{
    setDatabaseDefaults(lookupDatabase(this));
}

void AcDbEntity::setDatabaseDefaults(AcDbDatabase* pDb)
{
    if (pDb == nullptr)
        return;
    mLayer = pDb->clayer();
    mLinetype = pDb->celtype();
    mColor = pDb->cecolor();
    mLineWeight = pDb->celweight();
    mLinetypeScale = pDb->celtscale();
    mColorSet = mLineWeightSet = mLinetypeScaleSet = true;
}

void AcDbEntity::objectAddedToDatabase()
{
    AcDbDatabase* db = database();
    if (mLayer.isNull() || mLayer.database() != db)
        mLayer = db->clayer();
    if (mLinetype.isNull() || mLinetype.database() != db)
        mLinetype = db->celtype();
    if (!mColorSet)
        mColor = db->cecolor();
    if (!mLineWeightSet)
        mLineWeight = db->celweight();
    if (!mLinetypeScaleSet)
        mLinetypeScale = db->celtscale();
    mColorSet = mLineWeightSet = mLinetypeScaleSet = true;
}

Acad::ErrorStatus AcDbEntity::setPropertiesFrom(const AcDbEntity* pEntity, bool)
{
    if (pEntity == nullptr)
        return Acad::eNullObjectPointer;
    if (Acad::ErrorStatus es = checkWritable(); es != Acad::eOk)
        return es;
    pEntity->copyEntityPropertiesTo(this);
    return Acad::eOk;
}

Acad::ErrorStatus AcDbEntity::setColor(const AcCmColor& color, bool)
{
    if (Acad::ErrorStatus es = checkWritable(); es != Acad::eOk)
        return es;
    mColor = color;
    mColorSet = true;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbEntity::setColorIndex(Adesk::UInt16 color, bool)
{
    if (Acad::ErrorStatus es = checkWritable(); es != Acad::eOk)
        return es;
    AcCmColor c;
    if (Acad::ErrorStatus es = c.setColorIndex(color); es != Acad::eOk)
        return es;
    mColor = c;
    mColorSet = true;
    return Acad::eOk;
}

ACHAR* AcDbEntity::layer() const
{
    return acutNewString(AcDbDatabase::symbolName(mLayer).c_str());
}

Acad::ErrorStatus AcDbEntity::setLayer(const ACHAR* newVal, bool doSubents, bool allowHiddenLayer)
{
    AcDbDatabase* db = lookupDatabase(this);
    if (db == nullptr)
        return Acad::eNoDatabase;
    if (newVal == nullptr)
        return Acad::eInvalidInput;
    const AcDbObjectId id = db->symbolId(db->layerTableId(), newVal);
    if (id.isNull())
        return Acad::eKeyNotFound;
    return setLayer(id, doSubents, allowHiddenLayer);
}

Acad::ErrorStatus AcDbEntity::setLayer(AcDbObjectId newVal, bool, bool)
{
    if (Acad::ErrorStatus es = checkWritable(); es != Acad::eOk)
        return es;
    if (newVal.isNull())
        return Acad::eNullObjectId;
    if (!AcDbLayerTableRecord::cast(AcDbDatabase::peek(newVal)))
        return Acad::eWrongObjectType;
    mLayer = newVal;
    return Acad::eOk;
}

ACHAR* AcDbEntity::linetype() const
{
    return acutNewString(mLinetype.isNull() ? L"ByLayer" : AcDbDatabase::symbolName(mLinetype).c_str());
}

Acad::ErrorStatus AcDbEntity::setLinetype(const ACHAR* newVal, bool doSubents)
{
    AcDbDatabase* db = lookupDatabase(this);
    if (db == nullptr)
        return Acad::eNoDatabase;
    if (newVal == nullptr)
        return Acad::eInvalidInput;
    const AcDbObjectId id = db->symbolId(db->linetypeTableId(), newVal);
    if (id.isNull())
        return Acad::eKeyNotFound;
    return setLinetype(id, doSubents);
}

Acad::ErrorStatus AcDbEntity::setLinetype(AcDbObjectId newVal, bool)
{
    if (Acad::ErrorStatus es = checkWritable(); es != Acad::eOk)
        return es;
    if (newVal.isNull())
        return Acad::eNullObjectId;
    if (!AcDbLinetypeTableRecord::cast(AcDbDatabase::peek(newVal)))
        return Acad::eWrongObjectType;
    mLinetype = newVal;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbEntity::setLinetypeScale(double newval, bool)
{
    if (Acad::ErrorStatus es = checkWritable(); es != Acad::eOk)
        return es;
    if (!(newval > 0.0))
        return Acad::eInvalidInput;
    mLinetypeScale = newval;
    mLinetypeScaleSet = true;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbEntity::setLineWeight(AcDb::LineWeight newVal, bool)
{
    if (Acad::ErrorStatus es = checkWritable(); es != Acad::eOk)
        return es;
    if (!isValidLineWeight(newVal))
        return Acad::eInvalidInput;
    mLineWeight = newVal;
    mLineWeightSet = true;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbEntity::setVisibility(AcDb::Visibility newVal, bool)
{
    if (Acad::ErrorStatus es = checkWritable(); es != Acad::eOk)
        return es;
    mVisibility = newVal;
    return Acad::eOk;
}

void AcDbEntity::copyEntityPropertiesTo(AcDbEntity* other) const
{
    other->mLayer = mLayer;
    other->mLinetype = mLinetype;
    other->mColor = mColor;
    other->mLinetypeScale = mLinetypeScale;
    other->mLineWeight = mLineWeight;
    other->mVisibility = mVisibility;
    other->mColorSet = mColorSet;
    other->mLineWeightSet = mLineWeightSet;
    other->mLinetypeScaleSet = mLinetypeScaleSet;
}

bool AcDbEntity::getGeCurves(std::vector<std::unique_ptr<AcGeCurve3d>>&, bool) const
{
    return false;
}

Acad::ErrorStatus AcDbEntity::getGeomExtents(AcDbExtents& extents) const
{
    std::vector<std::unique_ptr<AcGeCurve3d>> curves;
    if (!getGeCurves(curves, false))
        return Acad::eNotImplementedYet;
    AcDbExtents box;
    for (const auto& c : curves) {
        AcGeInterval range;
        c->getInterval(range);
        if (!range.isBounded())
            return Acad::eNotApplicable;
        DbGeometry::addCurveExtents(*c, box);
    }
    if (box.isEmpty())
        return Acad::eNotApplicable;
    extents = box;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbEntity::transformBy(const AcGeMatrix3d&)
{
    return Acad::eNotImplementedYet;
}

Acad::ErrorStatus AcDbEntity::getTransformedCopy(const AcGeMatrix3d& xform, AcDbEntity*& pEnt) const
{
    AcDbEntity* copy = DbGeometry::copyEntity(this);
    if (copy == nullptr)
        return Acad::eNotApplicable;
    if (Acad::ErrorStatus es = copy->transformBy(xform); es != Acad::eOk) {
        delete copy;
        return es;
    }
    pEnt = copy;
    return Acad::eOk;
}

namespace {

// The outline spans of an entity, or only the one a sub-entity marker names (markers count
// the spans from 1, as a polyline numbers its segments).
bool markedCurves(const AcDbEntity* ent, bool extended, int marker, std::vector<std::unique_ptr<AcGeCurve3d>>& curves)
{
    if (!ent->getGeCurves(curves, extended))
        return false;
    if (marker > 0 && marker <= static_cast<int>(curves.size()) && curves.size() > 1) {
        auto chosen = std::move(curves[static_cast<std::size_t>(marker - 1)]);
        curves.clear();
        curves.push_back(std::move(chosen));
    }
    return true;
}

Acad::ErrorStatus intersect(const AcDbEntity* self, const AcDbEntity* other, AcDb::Intersect intType,
    const AcGeVector3d& projection, AcGePoint3dArray& points, int thisGsMarker, int otherGsMarker)
{
    if (other == nullptr)
        return Acad::eNullObjectPointer;
    const bool extendThis = intType == AcDb::kExtendThis || intType == AcDb::kExtendBoth;
    const bool extendArg = intType == AcDb::kExtendArg || intType == AcDb::kExtendBoth;
    std::vector<std::unique_ptr<AcGeCurve3d>> mine, theirs;
    if (!markedCurves(self, extendThis, thisGsMarker, mine) || !markedCurves(other, extendArg, otherGsMarker, theirs))
        return Acad::eNotApplicable;
    // Points in the order of this entity's spans, and along each span by its parameter.
    struct Found {
        std::size_t span;
        double param;
        AcGePoint3d point;
    };
    std::vector<Found> found;
    for (std::size_t i = 0; i < mine.size(); ++i) {
        for (const auto& c2 : theirs) {
            AcGeCurveCurveInt3d ints(*mine[i], *c2, projection);
            for (int k = 0; k < ints.numIntPoints(); ++k) {
                double p1 = 0.0, p2 = 0.0;
                ints.getIntParams(k, p1, p2);
                found.push_back({ i, p1, ints.intPoint(k) });
            }
        }
    }
    std::stable_sort(found.begin(), found.end(),
        [](const Found& a, const Found& b) { return a.span != b.span ? a.span < b.span : a.param < b.param; });
    // A point where two spans meet is found on both: report it once.
    std::vector<AcGePoint3d> kept;
    for (const Found& f : found) {
        const double tol = 10.0 * DbCurveModel::onCurveTolerance(f.point);
        if (std::none_of(kept.begin(), kept.end(), [&](const AcGePoint3d& q) { return q.distanceTo(f.point) <= tol; }))
            kept.push_back(f.point);
    }
    for (const AcGePoint3d& p : kept)
        points.append(p);
    return Acad::eOk;
}

} // namespace

Acad::ErrorStatus AcDbEntity::intersectWith(const AcDbEntity* pEnt, AcDb::Intersect intType, AcGePoint3dArray& points,
    int thisGsMarker, int otherGsMarker) const
{
    return intersect(this, pEnt, intType, AcGeVector3d::kIdentity, points, thisGsMarker, otherGsMarker);
}

Acad::ErrorStatus AcDbEntity::intersectWith(const AcDbEntity* pEnt, AcDb::Intersect intType, const AcGePlane& projPlane,
    AcGePoint3dArray& points, int thisGsMarker, int otherGsMarker) const
{
    return intersect(this, pEnt, intType, projPlane.normal(), points, thisGsMarker, otherGsMarker);
}

Acad::ErrorStatus AcDbEntity::explode(AcDbVoidPtrArray&) const
{
    return Acad::eNotApplicable;
}

Acad::ErrorStatus AcDbEntity::dxfOutFields(AcDbDxfFiler* filer) const
{
    AcDbObject::dxfOutFields(filer);
    filer->writeSubclass(L"AcDbEntity");
    AcDbDatabase* db = filer->database();
    if (db != nullptr && ownerId() == db->paperSpaceId())
        filer->writeInt16(67, 1);
    filer->writeString(8, mLayer.isNull() ? std::wstring(L"0") : AcDbDatabase::symbolName(mLayer));
    if (!mLinetype.isNull() && (db == nullptr || mLinetype != db->byLayerLinetype()))
        filer->writeString(6, AcDbDatabase::symbolName(mLinetype));
    if (mColor.isByColor()) {
        filer->writeInt16(62, 7);
        filer->writeInt32(420, mColor.rgb());
    } else if (mColor.colorIndex() != 256) {
        filer->writeInt16(62, mColor.colorIndex());
    }
    filer->writeInt16(370, mLineWeight);
    if (mLinetypeScale != 1.0)
        filer->writeDouble(48, mLinetypeScale);
    if (mVisibility == AcDb::kInvisible)
        filer->writeInt16(60, 1);
    return Acad::eOk;
}

Acad::ErrorStatus AcDbEntity::dxfInFields(AcDbDxfFiler* filer)
{
    AcDbObject::dxfInFields(filer);
    if (!filer->atSubclassData(L"AcDbEntity"))
        return Acad::eInvalidInput;
    AcDbDatabase* db = filer->database();
    mColor.setColorIndex(256);
    mLinetype = db->byLayerLinetype();
    mLayer = db->layerZero();
    filer->readSubclass([&](const AcDbDxfGroup& g) {
        switch (g.code) {
        case 8:
            mLayer = db->layerIdForDxf(g.asString());
            break;
        case 6: {
            const AcDbObjectId lt = db->symbolId(db->linetypeTableId(), g.asString().c_str());
            if (!lt.isNull())
                mLinetype = lt;
            break;
        }
        case 62: {
            // A negative index is the colour of an entity on a layer that is off; a number no
            // index has, which only a damaged file holds, leaves the colour as it is.
            const long long index = std::llabs(g.asInt());
            if (index <= 256)
                mColor.setColorIndex(static_cast<Adesk::UInt16>(index));
            break;
        }
        case 420: {
            const unsigned v = static_cast<unsigned>(g.asInt());
            mColor.setRGB(
                static_cast<Adesk::UInt8>(v >> 16), static_cast<Adesk::UInt8>(v >> 8), static_cast<Adesk::UInt8>(v));
            break;
        }
        case 370:
            mLineWeight = g.asEnum(AcDb::kLnWtByLwDefault, AcDb::kLnWt211, AcDb::kLnWtByLayer);
            break;
        case 48:
            mLinetypeScale = g.asDouble();
            break;
        case 60:
            mVisibility = g.asInt() ? AcDb::kInvisible : AcDb::kVisible;
            break;
        default:
            break;
        }
    });
    mColorSet = mLineWeightSet = mLinetypeScaleSet = true;
    return Acad::eOk;
}
