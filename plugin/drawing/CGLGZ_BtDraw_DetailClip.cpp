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
#include "AcDbPolyline.h"
#include "AcDbRotatedDimension.h"
#include "AcDbText.h"
#include "MavUtils.h"

#include <algorithm>
#include <vector>

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

void CGLGZ_BtDraw::MeasureSkeletonDetail(size_t first)
{
    m_bSkeletonMeasured = 0;
    const bool half = m_bHalfDrawing && m_lines.GetSize() > 3;
    const std::vector<AcDbObjectId> ids = ModelSpaceEntities();
    for (size_t i = first; i < ids.size(); ++i) {
        AcDbEntity* entity = nullptr;
        if (ids[i].isErased() || acdbOpenAcDbEntity(entity, ids[i], AcDb::kForRead) != Acad::eOk)
            continue;
        AcDbExtents box;
        const bool measured = entity->getGeomExtents(box) == Acad::eOk;
        // The bars of a half drawing are cut at the middle with the elevation's, at the end.
        const bool bar = dynamic_cast<AcDbPolyline*>(entity) != nullptr;
        entity->close();
        if (!measured)
            continue;
        if (bar && half && box.maxPoint().x > m_dDetailMiddle)
            box.set(box.minPoint(), AcGePoint3d(std::max(box.minPoint().x, m_dDetailMiddle), box.maxPoint().y, 0.0));
        if (!m_bSkeletonMeasured) {
            m_ptSkeletonMin = box.minPoint();
            m_ptSkeletonMax = box.maxPoint();
            m_bSkeletonMeasured = 1;
            continue;
        }
        m_ptSkeletonMin.set(std::min(m_ptSkeletonMin.x, box.minPoint().x), std::min(m_ptSkeletonMin.y, box.minPoint().y), 0.0);
        m_ptSkeletonMax.set(std::max(m_ptSkeletonMax.x, box.maxPoint().x), std::max(m_ptSkeletonMax.y, box.maxPoint().y), 0.0);
    }
}

bool CGLGZ_BtDraw::OverlapsSkeletonDetail(const CHLGZ_SteelCode& record) const
{
    if (!m_bSkeletonMeasured || record.aEntityIds.length() == 0)
        return false;
    return record.ptMin.x < m_ptSkeletonMax.x && record.ptMax.x > m_ptSkeletonMin.x
        && record.ptMin.y < m_ptSkeletonMax.y && record.ptMax.y > m_ptSkeletonMin.y;
}

// The packing knows the sheets' areas, not what the skeleton detail took of them: a placed
// detail that lands on the skeleton detail is taken up again and goes to a further sheet with
// whatever else found no room.
void CGLGZ_BtDraw::KeepDetailsClearOfSkeleton()
{
    bool moved = false;
    for (INT_PTR i = 0; i < m_steelCodes.GetSize(); ++i) {
        CHLGZ_SteelCode& record = m_steelCodes[i];
        // A detail joined to another moves with it.
        if (!IsPlaced(record) || PlacementState(record) == -1)
            continue;
        record.GetExtents(0);
        if (!OverlapsSkeletonDetail(record))
            continue;
        PlacementState(record) = -PlacementState(record);
        moved = true;
    }
    if (moved)
        PlaceLeftoverDetails();
}
