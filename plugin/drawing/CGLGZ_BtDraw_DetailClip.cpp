#include "CGLGZ_BtDraw.h"

#include "AcDbAlignedDimension.h"
#include "AcDbBlockReference.h"
#include "AcDbBlockTableRecord.h"
#include "AcDbDatabase.h"
#include "AcDbHostApplicationServices.h"
#include "AcDbServices.h"
#include "AcDbEntity.h"
#include "AcDbLine.h"
#include "AcDbMText.h"
#include "AcDbRotatedDimension.h"
#include "AcDbText.h"
#include "MavUtils.h"

namespace {

// Past the middle by more than this counts as beyond it (the detail's dimensions use the same).
constexpr double kPastMiddle = 0.05;

std::vector<AcDbObjectId> ModelSpaceEntities()
{
    std::vector<AcDbObjectId> ids;
    AcDbBlockTableRecord* block = nullptr;
    AcDbDatabase* db = acdbHostApplicationServices()->workingDatabase();
    if (db == nullptr || acdbOpenObject(block, db->modelSpaceId(), AcDb::kForRead) != Acad::eOk)
        return ids;
    ids = block->entityIds();
    block->close();
    return ids;
}

// The two measured points of a dimension, the far one brought back to the middle; false when
// the dimension lies wholly past it.
template <class DIM> bool ClipMeasured(DIM& dim, double middle, double limit)
{
    AcGePoint3d a = dim.xLine1Point();
    AcGePoint3d b = dim.xLine2Point();
    if (a.x > limit && b.x > limit)
        return false;
    if (a.x > limit) {
        a.x = middle;
        dim.setXLine1Point(a);
    }
    if (b.x > limit) {
        b.x = middle;
        dim.setXLine2Point(b);
    }
    return true;
}

// A line cut at the middle; false when it lies wholly past it.
bool ClipLine(AcDbLine& line, double middle, double limit)
{
    AcGePoint3d a = line.startPoint();
    AcGePoint3d b = line.endPoint();
    if (a.x > limit && b.x > limit)
        return false;
    if (a.x > limit || b.x > limit) {
        AcGePoint3d& far = a.x > limit ? a : b;
        const AcGePoint3d& near = a.x > limit ? b : a;
        const double t = (middle - near.x) / (far.x - near.x);
        far = AcGePoint3d(middle, near.y + t * (far.y - near.y), 0.0);
        line.setStartPoint(a);
        line.setEndPoint(b);
    }
    return true;
}

} // namespace

size_t CGLGZ_BtDraw::ModelSpaceEntityCount() const
{
    return ModelSpaceEntities().size();
}

// What the skeleton detail drew past the middle of a half drawing: dimensions and lines brought
// back to the middle (their texts already tell the half), weld marks and whatever else lies
// wholly beyond it erased. Texts stay: the span centre line's characters stand just right of it.
void CGLGZ_BtDraw::ClipDetailAtMiddle(size_t first)
{
    if (!m_bHalfDrawing || m_lines.GetSize() <= 3)
        return;
    const double middle = m_dDetailMiddle;
    const double limit = middle + kPastMiddle;
    const std::vector<AcDbObjectId> ids = ModelSpaceEntities();
    for (size_t i = first; i < ids.size(); ++i) {
        AcDbEntity* entity = nullptr;
        if (ids[i].isErased() || acdbOpenAcDbEntity(entity, ids[i], AcDb::kForWrite) != Acad::eOk)
            continue;
        bool keep = true;
        if (auto* aligned = dynamic_cast<AcDbAlignedDimension*>(entity))
            keep = ClipMeasured(*aligned, middle, limit);
        else if (auto* rotated = dynamic_cast<AcDbRotatedDimension*>(entity))
            keep = ClipMeasured(*rotated, middle, limit);
        else if (auto* line = dynamic_cast<AcDbLine*>(entity))
            keep = ClipLine(*line, middle, limit);
        else if (dynamic_cast<AcDbText*>(entity) == nullptr && dynamic_cast<AcDbMText*>(entity) == nullptr) {
            // A weld mark goes with its middle; a bar or leader only when wholly past.
            AcDbExtents extents;
            if (entity->getGeomExtents(extents) == Acad::eOk) {
                const bool mark = dynamic_cast<AcDbBlockReference*>(entity) != nullptr;
                const AcGePoint3d& lo = extents.minPoint();
                keep = (mark ? (lo.x + extents.maxPoint().x) / 2.0 : lo.x) <= limit;
            }
        }
        if (!keep)
            entity->erase();
        entity->close();
    }
}
