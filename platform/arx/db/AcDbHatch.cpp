// DXF: elevation point 10, extrusion 210, pattern name 2, solid flag 70, associativity 71,
// loop count 91 and per loop its type 92, its polyline (72 bulge flag, 73 closed, 93 count,
// 10/42) or its edges (93 count, 72 edge type and data), 97 source count and 330 sources;
// then style 75, pattern type 76, angle 52 and scale 41 for patterns, seed count 98.
#include "AcDbHatch.h"

#include "AcDbArc.h"
#include "AcDbCircle.h"
#include "AcDbDatabase.h"
#include "AcDbDxfFiler.h"
#include "AcDbEllipse.h"
#include "AcDbLine.h"
#include "AcDbPolyline.h"
#include "CString.h"

#include <cmath>
#include <numbers>

ACRX_DEFINE_DXF_MEMBERS(AcDbHatch, AcDbEntity, L"HATCH")

namespace {

// The arc a polyline segment with a bulge describes, as a counter-clockwise edge.
AcDbHatch::Edge arcEdgeFromBulge(const AcGePoint2d& p1, const AcGePoint2d& p2, double bulge)
{
    const AcGeVector2d d = p2 - p1;
    const double c = d.length();
    const AcGePoint2d mid((p1.x + p2.x) / 2.0, (p1.y + p2.y) / 2.0);
    const AcGeVector2d left(-d.y / c, d.x / c);
    const double offset = (c / 2.0) * (1.0 - bulge * bulge) / (2.0 * bulge);
    AcDbHatch::Edge e;
    e.type = AcDbHatch::kCirArc;
    e.start = mid + left * offset;
    e.radius = (c / 2.0) * (1.0 + bulge * bulge) / (2.0 * std::abs(bulge));
    double a1 = std::atan2(p1.y - e.start.y, p1.x - e.start.x);
    double a2 = std::atan2(p2.y - e.start.y, p2.x - e.start.x);
    if (bulge < 0.0)
        std::swap(a1, a2);
    e.startAngle = a1;
    e.endAngle = a2 < a1 ? a2 + 2.0 * std::numbers::pi : a2;
    e.counterClockwise = true;
    return e;
}

} // namespace

Acad::ErrorStatus AcDbHatch::setPattern(HatchPatternType patType, const ACHAR* patName)
{
    if (patName == nullptr || patName[0] == 0)
        return Acad::eInvalidInput;
    if (Acad::ErrorStatus es = checkWritable(); es != Acad::eOk)
        return es;
    mPatternType = patType;
    mPatternName = patName;
    return Acad::eOk;
}

bool AcDbHatch::isSolidFill() const
{
    return CString(mPatternName.c_str()).CompareNoCase(L"SOLID") == 0;
}

Acad::ErrorStatus AcDbHatch::setPatternScale(double scale)
{
    if (!(scale > 0.0))
        return Acad::eInvalidInput;
    return setField(mPatternScale, scale);
}

Acad::ErrorStatus AcDbHatch::edgesFromEntity(AcDbObjectId id, Loop& loop) const
{
    const AcDbObject* obj = AcDbDatabase::peek(id);
    if (obj == nullptr || obj->isErased())
        return Acad::eInvalidInput;
    if (const auto* line = AcDbLine::cast(obj)) {
        Edge e;
        e.start = AcGePoint2d(line->startPoint().x, line->startPoint().y);
        e.end = AcGePoint2d(line->endPoint().x, line->endPoint().y);
        loop.edges.push_back(e);
    } else if (const auto* arc = AcDbArc::cast(obj)) {
        Edge e;
        e.type = kCirArc;
        e.start = AcGePoint2d(arc->center().x, arc->center().y);
        e.radius = arc->radius();
        e.startAngle = arc->startAngle();
        e.endAngle = arc->endAngle();
        loop.edges.push_back(e);
    } else if (const auto* circle = AcDbCircle::cast(obj)) {
        Edge e;
        e.type = kCirArc;
        e.start = AcGePoint2d(circle->center().x, circle->center().y);
        e.radius = circle->radius();
        e.endAngle = 2.0 * std::numbers::pi;
        loop.edges.push_back(e);
    } else if (const auto* ellipse = AcDbEllipse::cast(obj)) {
        Edge e;
        e.type = kEllArc;
        e.start = AcGePoint2d(ellipse->center().x, ellipse->center().y);
        e.end = AcGePoint2d(ellipse->majorAxis().x, ellipse->majorAxis().y);
        e.radius = ellipse->radiusRatio();
        e.startAngle = ellipse->startParam();
        e.endAngle = ellipse->endParam();
        loop.edges.push_back(e);
    } else if (const auto* pline = AcDbPolyline::cast(obj)) {
        const unsigned n = pline->numVerts();
        const unsigned segments = pline->isClosed() ? n : (n > 0 ? n - 1 : 0);
        for (unsigned i = 0; i < segments; ++i) {
            AcGePoint2d p1, p2;
            double bulge = 0.0;
            pline->getPointAt(i, p1);
            pline->getPointAt((i + 1) % n, p2);
            pline->getBulgeAt(i, bulge);
            if (bulge == 0.0) {
                Edge e;
                e.start = p1;
                e.end = p2;
                loop.edges.push_back(e);
            } else {
                loop.edges.push_back(arcEdgeFromBulge(p1, p2, bulge));
            }
        }
    } else {
        return Acad::eInvalidInput;
    }
    return Acad::eOk;
}

Acad::ErrorStatus AcDbHatch::appendLoop(Adesk::Int32 loopType, const AcDbObjectIdArray& dbObjIds)
{
    if (Acad::ErrorStatus es = checkWritable(); es != Acad::eOk)
        return es;
    if (dbObjIds.isEmpty())
        return Acad::eInvalidInput;
    Loop loop;
    loop.type = loopType & ~kPolyline;
    // A single lightweight polyline stays a polyline loop, as the host keeps it.
    if (dbObjIds.length() == 1) {
        if (const auto* pline = AcDbPolyline::cast(AcDbDatabase::peek(dbObjIds[0]))) {
            loop.type = loopType | kPolyline;
            for (unsigned i = 0; i < pline->numVerts(); ++i) {
                AcGePoint2d p;
                double b = 0.0;
                pline->getPointAt(i, p);
                pline->getBulgeAt(i, b);
                loop.vertices.push_back(p);
                loop.bulges.push_back(b);
            }
            loop.closed = pline->isClosed();
        }
    }
    if (loop.vertices.empty())
        for (const AcDbObjectId& id : dbObjIds)
            if (Acad::ErrorStatus es = edgesFromEntity(id, loop); es != Acad::eOk)
                return es;
    loop.sources.assign(dbObjIds.begin(), dbObjIds.end());
    mLoops.push_back(loop);
    if (mAssociative && isDatabaseResident())
        for (const AcDbObjectId& id : dbObjIds)
            AcDbDatabase::peek(id)->addPersistentReactor(objectId());
    return Acad::eOk;
}

Acad::ErrorStatus AcDbHatch::appendLoop(
    Adesk::Int32 loopType, const AcGePoint2dArray& vertices, const AcGeDoubleArray& bulges)
{
    if (Acad::ErrorStatus es = checkWritable(); es != Acad::eOk)
        return es;
    if (vertices.length() < 2)
        return Acad::eInvalidInput;
    Loop loop;
    loop.type = loopType | kPolyline;
    for (int i = 0; i < vertices.length(); ++i) {
        loop.vertices.push_back(vertices[i]);
        loop.bulges.push_back(i < bulges.length() ? bulges[i] : 0.0);
    }
    // A closing vertex equal to the first one is the host's way of closing the loop.
    if (loop.vertices.size() > 2 && loop.vertices.front() == loop.vertices.back()) {
        loop.vertices.pop_back();
        loop.bulges.pop_back();
    }
    mLoops.push_back(loop);
    return Acad::eOk;
}

Acad::ErrorStatus AcDbHatch::getLoopAt(
    int loopIndex, Adesk::Int32& loopType, AcGePoint2dArray& vertices, AcGeDoubleArray& bulges) const
{
    if (loopIndex < 0 || loopIndex >= numLoops())
        return Acad::eInvalidIndex;
    const Loop& loop = mLoops[static_cast<std::size_t>(loopIndex)];
    if (!(loop.type & kPolyline))
        return Acad::eInvalidInput;
    loopType = loop.type;
    for (std::size_t i = 0; i < loop.vertices.size(); ++i) {
        vertices.append(loop.vertices[i]);
        bulges.append(loop.bulges[i]);
    }
    return Acad::eOk;
}

Acad::ErrorStatus AcDbHatch::getLoopEdgesAt(int loopIndex, Adesk::Int32& loopType, std::vector<Edge>& edges) const
{
    if (loopIndex < 0 || loopIndex >= numLoops())
        return Acad::eInvalidIndex;
    const Loop& loop = mLoops[static_cast<std::size_t>(loopIndex)];
    if (loop.type & kPolyline)
        return Acad::eInvalidInput;
    loopType = loop.type;
    edges = loop.edges;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbHatch::getAssocObjIdsAt(int loopIndex, AcDbObjectIdArray& dbObjIds) const
{
    if (loopIndex < 0 || loopIndex >= numLoops())
        return Acad::eInvalidIndex;
    for (const AcDbObjectId& id : mLoops[static_cast<std::size_t>(loopIndex)].sources)
        dbObjIds.append(id);
    return Acad::eOk;
}

Acad::ErrorStatus AcDbHatch::removeLoopAt(int loopIndex)
{
    if (Acad::ErrorStatus es = checkWritable(); es != Acad::eOk)
        return es;
    if (loopIndex < 0 || loopIndex >= numLoops())
        return Acad::eInvalidIndex;
    mLoops.erase(mLoops.begin() + loopIndex);
    return Acad::eOk;
}

void AcDbHatch::objectAddedToDatabase()
{
    AcDbEntity::objectAddedToDatabase();
    // An associative hatch is known to its boundary entities, as the host keeps it.
    if (!mAssociative)
        return;
    for (const Loop& loop : mLoops)
        for (const AcDbObjectId& id : loop.sources)
            if (AcDbObject* source = AcDbDatabase::peek(id); source != nullptr && id.database() == database())
                source->addPersistentReactor(objectId());
}

Acad::ErrorStatus AcDbHatch::dxfOutFields(AcDbDxfFiler* filer) const
{
    AcDbEntity::dxfOutFields(filer);
    filer->writeSubclass(L"AcDbHatch");
    filer->writePoint3d(10, AcGePoint3d(0.0, 0.0, mElevation));
    filer->writeVector3d(210, mNormal);
    filer->writeString(2, mPatternName);
    filer->writeInt16(70, isSolidFill() ? 1 : 0);
    filer->writeInt16(71, mAssociative ? 1 : 0);
    filer->writeInt32(91, static_cast<long long>(mLoops.size()));
    for (const Loop& loop : mLoops) {
        filer->writeInt32(92, loop.type);
        if (loop.type & kPolyline) {
            bool hasBulge = false;
            for (double b : loop.bulges)
                hasBulge = hasBulge || b != 0.0;
            filer->writeInt16(72, hasBulge ? 1 : 0);
            filer->writeInt16(73, loop.closed ? 1 : 0);
            filer->writeInt32(93, static_cast<long long>(loop.vertices.size()));
            for (std::size_t i = 0; i < loop.vertices.size(); ++i) {
                filer->writePoint2d(10, loop.vertices[i]);
                if (hasBulge)
                    filer->writeDouble(42, loop.bulges[i]);
            }
        } else {
            filer->writeInt32(93, static_cast<long long>(loop.edges.size()));
            for (const Edge& e : loop.edges) {
                filer->writeInt16(72, e.type);
                if (e.type == kLine) {
                    filer->writePoint2d(10, e.start);
                    filer->writePoint2d(11, e.end);
                } else if (e.type == kCirArc) {
                    filer->writePoint2d(10, e.start);
                    filer->writeDouble(40, e.radius);
                    filer->writeAngle(50, e.startAngle);
                    filer->writeAngle(51, e.endAngle);
                    filer->writeInt16(73, e.counterClockwise ? 1 : 0);
                } else {
                    filer->writePoint2d(10, e.start);
                    filer->writePoint2d(11, e.end);
                    filer->writeDouble(40, e.radius);
                    filer->writeAngle(50, e.startAngle);
                    filer->writeAngle(51, e.endAngle);
                    filer->writeInt16(73, e.counterClockwise ? 1 : 0);
                }
            }
        }
        std::vector<AcDbObjectId> sources;
        for (const AcDbObjectId& id : loop.sources)
            if (mAssociative && id.isValid() && !id.isErased())
                sources.push_back(id);
        filer->writeInt32(97, static_cast<long long>(sources.size()));
        for (const AcDbObjectId& id : sources)
            filer->writeObjectId(330, id);
    }
    filer->writeInt16(75, mStyle);
    filer->writeInt16(76, mPatternType);
    if (!isSolidFill()) {
        filer->writeAngle(52, mPatternAngle);
        filer->writeDouble(41, mPatternScale);
        filer->writeInt16(77, 0);
        dxfOutPatternLines(filer);
    }
    filer->writeInt32(98, 0);
    return Acad::eOk;
}

Acad::ErrorStatus AcDbHatch::dxfInFields(AcDbDxfFiler* filer)
{
    AcDbEntity::dxfInFields(filer);
    if (!filer->atSubclassData(L"AcDbHatch"))
        return Acad::eInvalidInput;
    mLoops.clear();
    // Groups reuse codes across loops, edges and pattern data; the state says where we are.
    enum class At { Header, Polyline, Edges, Sources, Tail } at = At::Header;
    filer->readSubclass([&](const AcDbDxfGroup& g) {
        if (g.code == 92) {
            mLoops.push_back({});
            mLoops.back().type = g.asInt();
            at = (mLoops.back().type & kPolyline) ? At::Polyline : At::Edges;
            return;
        }
        if (g.code == 97 && !mLoops.empty()) {
            at = At::Sources;
            return;
        }
        if (g.code == 75) {
            mStyle = g.asEnum(kNormal, kIgnore, kNormal);
            at = At::Tail;
            return;
        }
        switch (at) {
        case At::Header:
            if (g.code == 10)
                mElevation = filer->readPoint3d(g).z;
            else if (g.code == 210)
                mNormal = filer->readVector3d(g);
            else if (g.code == 2)
                mPatternName = g.asString();
            else if (g.code == 71)
                mAssociative = g.asInt() != 0;
            break;
        case At::Polyline: {
            Loop& loop = mLoops.back();
            if (g.code == 73)
                loop.closed = g.asInt() != 0;
            else if (g.code == 10) {
                loop.vertices.push_back(filer->readPoint2d(g));
                loop.bulges.push_back(0.0);
            } else if (g.code == 42 && !loop.bulges.empty())
                loop.bulges.back() = g.asDouble();
            break;
        }
        case At::Edges: {
            Loop& loop = mLoops.back();
            if (g.code == 72) {
                loop.edges.push_back({});
                loop.edges.back().type = g.asEnum(kLine, kEllArc, kLine);
            } else if (!loop.edges.empty()) {
                Edge& e = loop.edges.back();
                switch (g.code) {
                case 10:
                    e.start = filer->readPoint2d(g);
                    break;
                case 11:
                    e.end = filer->readPoint2d(g);
                    break;
                case 40:
                    e.radius = g.asDouble();
                    break;
                case 50:
                    e.startAngle = filer->readAngle(g);
                    break;
                case 51:
                    e.endAngle = filer->readAngle(g);
                    break;
                case 73:
                    e.counterClockwise = g.asInt() != 0;
                    break;
                default:
                    break;
                }
            }
            break;
        }
        case At::Sources:
            if (g.code == 330)
                mLoops.back().sources.push_back(filer->readObjectId(g));
            break;
        case At::Tail:
            if (g.code == 76)
                mPatternType = g.asEnum(kUserDefined, kCustomDefined, kPreDefined);
            else if (g.code == 52)
                mPatternAngle = filer->readAngle(g);
            else if (g.code == 41)
                mPatternScale = g.asDouble();
            break;
        }
    });
    return Acad::eOk;
}
