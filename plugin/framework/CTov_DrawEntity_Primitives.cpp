// Lines, circles, arcs, leader texts, break marks, solid dots, the redraw and two small point
// helpers of the drawing classes.
#include "CTov_DrawEntity.h"

#include "AcDbExtents.h"
#include "AcDbHatch.h"
#include "AcDbText.h"
#include "MavUtils.h"
#include "aced.h"

namespace {

void setOut(AcDbObjectId* out, AcDbObjectId id)
{
    if (out != nullptr)
        *out = id;
}

} // namespace

int CTov_DrawEntity::DrawLine(const AcGePoint3d& start, const AcGePoint3d& end, AcDbObjectId* id)
{
    AcDbObjectId newId;
    m_entityLib.createLine(start, end, newId);
    setOut(id, newId);
    return 1;
}

int CTov_DrawEntity::DrawCircle(const AcGePoint3d& centre, double radius, AcDbObjectId* id)
{
    AcDbObjectId newId;
    m_entityLib.createCircle(centre, radius, newId);
    setOut(id, newId);
    return 1;
}

int CTov_DrawEntity::DrawArc(
    const AcGePoint3d& centre, double radius, double startAngle, double endAngle, AcDbObjectId* id)
{
    AcDbObjectId newId;
    m_entityLib.createArc(centre, radius, startAngle, endAngle, newId);
    setOut(id, newId);
    return 1;
}

int CTov_DrawEntity::DrawLeaderText(const AcGePoint3d& point, double dx, double dy, double gap, double lift,
    const wchar_t* text, AcDbObjectId textStyle, double height, double widthFactor, AcDbObjectId* textId,
    AcDbObjectId* polylineId)
{
    MavUtils::selectLayer(L"08-标注");
    const AcGePoint3d p1(point.x + dx, point.y + dy, point.z);
    const double s = dx > 0.0 ? 1.0 : -1.0;

    // The text first, so that its own extents size the leader's foot.
    auto* pText = new AcDbText(p1, text != nullptr ? text : L"", textStyle, height, 0.0);
    pText->setWidthFactor(widthFactor);
    AcDbObjectId newTextId;
    if (!AppendToModelSpace(pText, newTextId)) {
        delete pText;
        setOut(textId, AcDbObjectId::kNull);
        setOut(polylineId, AcDbObjectId::kNull);
        return 1;
    }
    AcDbExtents extents;
    double w = 0.0;
    double h = 0.0;
    if (pText->getGeomExtents(extents) == Acad::eOk) {
        w = extents.maxPoint().x - extents.minPoint().x;
        h = extents.maxPoint().y - extents.minPoint().y;
    }
    pText->setHorizontalMode(AcDb::kTextMid);
    pText->setVerticalMode(AcDb::kTextVertMid);
    pText->setAlignmentPoint(AcGePoint3d(p1.x + s * (gap + w / 2.0), p1.y + lift + h / 2.0, p1.z));
    pText->close();
    setOut(textId, newTextId);

    AcArray<AcGePoint3d> points;
    points.append(point);
    points.append(p1);
    points.append(AcGePoint3d(p1.x + s * (2.0 * gap + w), p1.y, p1.z));
    AcDbObjectId newPolylineId;
    m_entityLib.createPolyline(points, false, newPolylineId);
    setOut(polylineId, newPolylineId);
    return 1;
}

int CTov_DrawEntity::DrawBreakMark(AcGePoint3d& start, AcGePoint3d& end, const AcGePoint3d& point, AcDbObjectId* id)
{
    AcArray<AcGePoint3d> points;
    points.append(AcGePoint3d(point.x - 1.5, point.y, 0.0));
    points.append(AcGePoint3d(point.x - 0.5, point.y - 2.1, 0.0));
    points.append(AcGePoint3d(point.x + 0.5, point.y + 2.1, 0.0));
    points.append(AcGePoint3d(point.x + 1.5, point.y, 0.0));
    AcDbObjectId newId;
    m_entityLib.createPolyline(points, false, newId);
    start = points.first();
    end = points.last();
    setOut(id, newId);
    return 1;
}

int CTov_DrawEntity::DrawSolidDot(const AcGePoint3d& centre, const double& radius)
{
    AcDbObjectId circleId;
    m_entityLib.createCircle(centre, radius, circleId);
    if (circleId.isNull())
        return 1;
    auto* pHatch = new AcDbHatch();
    pHatch->setNormal(AcGeVector3d(0.0, 0.0, 1.0));
    pHatch->setElevation(0.0);
    pHatch->setPatternScale(0.1);
    pHatch->setPattern(AcDbHatch::kPreDefined, L"SOLID");
    pHatch->setAssociative(true);
    pHatch->setHatchStyle(AcDbHatch::kNormal);
    AcDbObjectIdArray loop;
    loop.append(circleId);
    pHatch->appendLoop(AcDbHatch::kExternal, loop);
    pHatch->evaluateHatch();
    AcDbObjectId hatchId;
    if (!AppendToModelSpace(pHatch, hatchId)) {
        delete pHatch;
        return 1;
    }
    pHatch->close();
    return 1;
}

int CTov_DrawEntity::Redraw()
{
    acedCommand(RTSTR, L"redraw", RTNONE);
    return 1;
}

AcGePoint3d CTov_DrawEntity::MidPoint(const AcGePoint3d& p1, const AcGePoint3d& p2) const
{
    return AcGePoint3d((p1.x + p2.x) / 2.0, (p1.y + p2.y) / 2.0, (p1.z + p2.z) / 2.0);
}

int CTov_DrawEntity::Orientation(const AcGePoint3d& p1, const AcGePoint3d& p2, const AcGePoint3d& p3) const
{
    const double area = ((p2.y - p3.y) * p1.x + (p3.y - p1.y) * p2.x + (p1.y - p2.y) * p3.x) / 2.0;
    return area > 0.0 ? 1 : (area < 0.0 ? -1 : 0);
}
