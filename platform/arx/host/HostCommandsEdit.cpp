// EXPLODE and TRIM edit entities through the database's own geometry: an entity explodes
// into what its explode() gives, and a trim splits the picked curve at its crossings with
// the cutting edges (intersectWith in plan, as with the projection mode of the current UCS)
// and drops the segment under the pick, as TRIM does with edges not extended.
#include "HostCommandInterpreter.h"

#include "AcDbBlockTableRecord.h"
#include "AcDbCurve.h"
#include "AcDbDatabase.h"
#include "AcDbServices.h"
#include "AcGePlane.h"
#include "AcGePoint3dArray.h"
#include "HostApplication.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

std::wstring statusText(Acad::ErrorStatus es) { return acadErrorStatusText(es); }

// Closes an open object when the scope ends, whatever way it ends.
struct Closer {
    AcDbObject* object = nullptr;
    ~Closer()
    {
        if (object != nullptr)
            object->close();
    }
};

void deleteSegments(AcDbVoidPtrArray& segments, int from = 0)
{
    for (int i = from; i < segments.length(); ++i)
        delete static_cast<AcDbEntity*>(segments[i]);
}

} // namespace

int HostCommandInterpreter::explode()
{
    const std::vector<AcDbObjectId> ids = nextObjects();
    int refused = 0;
    for (const AcDbObjectId& id : ids) {
        AcDbEntity* ent = nullptr;
        if (acdbOpenAcDbEntity(ent, id, AcDb::kForWrite) != Acad::eOk) {
            ++refused;
            continue;
        }
        Closer entCloser{ent};
        AcDbVoidPtrArray segments;
        const Acad::ErrorStatus es = ent->explode(segments);
        if (es != Acad::eOk) {
            deleteSegments(segments);
            hostTranscript().report(std::wstring(ent->isA()->name()) + L" could not be exploded (" + statusText(es) + L").");
            ++refused;
            continue;
        }
        AcDbBlockTableRecord* owner = nullptr;
        if (acdbOpenObject(owner, ent->blockId(), AcDb::kForWrite) != Acad::eOk) {
            deleteSegments(segments);
            ++refused;
            continue;
        }
        Closer ownerCloser{owner};
        for (int i = 0; i < segments.length(); ++i) {
            auto* segment = static_cast<AcDbEntity*>(segments[i]);
            if (owner->appendAcDbEntity(segment) != Acad::eOk) {
                deleteSegments(segments, i);
                fail(L"an exploded entity cannot be added to the drawing.");
            }
            segment->close();
        }
        ent->erase();
    }
    if (refused > 0)
        hostTranscript().report(std::to_wstring(refused) + L" was not able to be exploded.");
    return RTNORM;
}

int HostCommandInterpreter::trim()
{
    std::vector<AcDbObjectId> edges = nextObjects();
    if (edges.empty()) {
        // Enter at "Select objects:" makes every entity a cutting edge.
        AcDbBlockTableRecord* space = nullptr;
        if (acdbOpenObject(space, mDb->currentSpaceId(), AcDb::kForRead) == Acad::eOk) {
            for (const AcDbObjectId& id : space->entityIds()) {
                if (!id.isErased())
                    edges.push_back(id);
            }
            space->close();
        }
    }
    while (const Token* t = peek()) {
        if (t->kind == Token::Kind::Text && t->text.empty()) {
            ++mPos;
            break;
        }
        if (t->kind != Token::Kind::Pick)
            fail(L"objects to trim are picked as (entity name, point); got \"" + echoText(mPos, mPos + 1) + L"\".");
        AcDbObjectId object;
        if (acdbGetObjectId(object, t->name) != Acad::eOk || object.isErased())
            fail(L"the picked entity name does not name a live entity.");
        const double pick[3] = {t->point[0], t->point[1], t->point[2]};
        ++mPos;
        trimAt(edges, object, pick);
    }
    return RTNORM;
}

void HostCommandInterpreter::trimAt(const std::vector<AcDbObjectId>& edges, AcDbObjectId objectId, const double pickXyz[3])
{
    AcDbCurve* curve = nullptr;
    if (acdbOpenObject(curve, objectId, AcDb::kForWrite) != Acad::eOk) {
        hostTranscript().report(L"Object is not a curve and cannot be trimmed.");
        return;
    }
    Closer curveCloser{curve};
    const AcGePoint3d pick(pickXyz[0], pickXyz[1], pickXyz[2]);
    auto check = [this](Acad::ErrorStatus es, const wchar_t* call) {
        if (es != Acad::eOk)
            fail(std::wstring(L"the curve geometry (") + call + L") answered " + statusText(es) + L".");
    };

    // The crossings with every edge, in plan.
    const AcGePlane plan(AcGePoint3d::kOrigin, AcGeVector3d::kZAxis);
    AcGePoint3dArray crossings;
    for (const AcDbObjectId& edgeId : edges) {
        if (edgeId == objectId)
            continue;
        AcDbEntity* edge = nullptr;
        if (acdbOpenAcDbEntity(edge, edgeId, AcDb::kForRead) != Acad::eOk)
            continue;
        const Acad::ErrorStatus es = curve->intersectWith(edge, AcDb::kOnBothOperands, plan, crossings);
        edge->close();
        check(es, L"intersectWith");
    }
    if (crossings.isEmpty()) {
        hostTranscript().report(L"Object does not intersect an edge.");
        return;
    }

    // The crossings nearest the pick on either side, by parameter along the curve.
    AcGePoint3d onCurve;
    double pickParam = 0.0, startParam = 0.0, endParam = 0.0;
    check(curve->getClosestPointTo(pick, onCurve), L"getClosestPointTo");
    check(curve->getParamAtPoint(onCurve, pickParam), L"getParamAtPoint");
    check(curve->getStartParam(startParam), L"getStartParam");
    check(curve->getEndParam(endParam), L"getEndParam");
    const double tol = 1e-9 * std::max(1.0, std::abs(endParam - startParam));
    const bool closed = curve->isClosed();
    double below = -std::numeric_limits<double>::infinity(), above = std::numeric_limits<double>::infinity();
    AcGePoint3d belowPoint, abovePoint;
    double lowest = std::numeric_limits<double>::infinity(), highest = -lowest;
    AcGePoint3d lowestPoint, highestPoint;
    for (int i = 0; i < crossings.length(); ++i) {
        double p = 0.0;
        check(curve->getParamAtPoint(crossings[i], p), L"getParamAtPoint");
        if (!closed && (p <= startParam + tol || p >= endParam - tol))
            continue; // a crossing at an end cuts nothing off
        if (p < pickParam && p > below) {
            below = p;
            belowPoint = crossings[i];
        }
        if (p > pickParam && p < above) {
            above = p;
            abovePoint = crossings[i];
        }
        if (p < lowest) {
            lowest = p;
            lowestPoint = crossings[i];
        }
        if (p > highest) {
            highest = p;
            highestPoint = crossings[i];
        }
    }
    if (closed) {
        // Around a closed curve the nearest crossing may lie across its seam.
        if (std::isinf(below)) {
            below = highest;
            belowPoint = highestPoint;
        }
        if (std::isinf(above)) {
            above = lowest;
            abovePoint = lowestPoint;
        }
        if (std::isinf(below) || std::abs(above - below) <= tol) {
            hostTranscript().report(L"A closed object needs two crossings to be trimmed.");
            return;
        }
    }
    AcGePoint3dArray cuts;
    if (std::isfinite(below) && std::isfinite(above) && below > above) {
        cuts.append(abovePoint);
        cuts.append(belowPoint);
    } else {
        if (std::isfinite(below))
            cuts.append(belowPoint);
        if (std::isfinite(above))
            cuts.append(abovePoint);
    }
    if (cuts.isEmpty()) {
        hostTranscript().report(L"Object does not intersect an edge.");
        return;
    }

    // Split, keep every segment but the one under the pick.
    AcDbVoidPtrArray segments;
    const Acad::ErrorStatus es = curve->getSplitCurves(cuts, segments);
    if (es != Acad::eOk) {
        deleteSegments(segments);
        check(es, L"getSplitCurves");
    }
    int dropped = -1;
    double nearest = std::numeric_limits<double>::infinity();
    for (int i = 0; i < segments.length(); ++i) {
        auto* segment = AcDbCurve::cast(static_cast<AcDbEntity*>(segments[i]));
        AcGePoint3d q;
        if (segment != nullptr && segment->getClosestPointTo(pick, q) == Acad::eOk && q.distanceTo(pick) < nearest) {
            nearest = q.distanceTo(pick);
            dropped = i;
        }
    }
    AcDbBlockTableRecord* owner = nullptr;
    if (dropped < 0 || acdbOpenObject(owner, curve->blockId(), AcDb::kForWrite) != Acad::eOk) {
        deleteSegments(segments);
        fail(L"the segments of the trimmed object cannot be placed.");
    }
    Closer ownerCloser{owner};
    for (int i = 0; i < segments.length(); ++i) {
        auto* segment = static_cast<AcDbEntity*>(segments[i]);
        if (i == dropped) {
            delete segment;
            continue;
        }
        curve->copyEntityPropertiesTo(segment);
        if (owner->appendAcDbEntity(segment) != Acad::eOk) {
            deleteSegments(segments, i);
            fail(L"a trimmed segment cannot be added to the drawing.");
        }
        segment->close();
    }
    curve->erase();
}
