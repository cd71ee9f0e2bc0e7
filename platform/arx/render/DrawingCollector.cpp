// Curves are turned into point lists in model coordinates here, 128 points to a full turn,
// so that a circle spanning a sheet-sized picture shows no facets; the painter only maps
// them to the device.
#include "DrawingCollector.h"

#include "GradeSymbols.h"

#include "AcCmColor.h"
#include "AcDb2dPolyline.h"
#include "AcDb2dVertex.h"
#include "AcDb3dPolyline.h"
#include "AcDb3dPolylineVertex.h"
#include "AcDbArc.h"
#include "AcDbBlockReference.h"
#include "AcDbBlockTableRecord.h"
#include "AcDbCircle.h"
#include "AcDbDatabase.h"
#include "AcDbDictionary.h"
#include "AcDbDimension.h"
#include "AcDbEllipse.h"
#include "AcDbHatch.h"
#include "AcDbLayerTableRecord.h"
#include "AcDbLine.h"
#include "AcDbLinetypeTableRecord.h"
#include "AcDbMText.h"
#include "AcDbPoint.h"
#include "AcDbPolyline.h"
#include "AcDbRay.h"
#include "AcDbServices.h"
#include "AcDbSolid.h"
#include "AcDbSortentsTable.h"
#include "AcDbSpline.h"
#include "AcDbText.h"
#include "AcDbTextStyleTableRecord.h"
#include "AcDbWipeout.h"
#include "AcDbWipeoutVariables.h"
#include "AcDbXline.h"
#include "AciColors.h"
#include "HostPaths.h"
#include "TextMetrics.h"

#include <algorithm>
#include <cmath>
#include <cwctype>
#include <filesystem>
#include <fstream>

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr int kMaxDepth = 16;

QRgb opaque(std::uint32_t rgb) { return 0xff000000u | rgb; }

std::wstring upper(std::wstring s)
{
    for (wchar_t& c : s)
        c = static_cast<wchar_t>(std::towupper(c));
    return s;
}

// Points of an arc of the OCS plane with this normal; sweep may be negative (clockwise).
void arcPoints(std::vector<AcGePoint3d>& out, const AcGePoint3d& center, double radius, double start, double sweep,
               const AcGeVector3d& normal, bool includeFirst = true)
{
    const AcGeMatrix3d ocs = AcGeMatrix3d::planeToWorld(normal);
    const AcGeVector3d ax = ocs * AcGeVector3d::kXAxis;
    const AcGeVector3d ay = ocs * AcGeVector3d::kYAxis;
    const int n = std::clamp(static_cast<int>(std::ceil(std::fabs(sweep) / (2.0 * kPi) * 128.0)), 4, 1024);
    for (int i = includeFirst ? 0 : 1; i <= n; ++i) {
        const double a = start + sweep * i / n;
        out.push_back(center + ax * (radius * std::cos(a)) + ay * (radius * std::sin(a)));
    }
}

// The points of a polyline segment from p0 to p1 with a bulge, in its own plane (2-D).
void bulgePoints(std::vector<AcGePoint2d>& out, const AcGePoint2d& p0, const AcGePoint2d& p1, double bulge)
{
    if (std::fabs(bulge) < 1e-12) {
        out.push_back(p1);
        return;
    }
    const double dx = p1.x - p0.x, dy = p1.y - p0.y;
    const double k = (1.0 - bulge * bulge) / (4.0 * bulge);
    const AcGePoint2d c((p0.x + p1.x) / 2.0 - k * dy, (p0.y + p1.y) / 2.0 + k * dx);
    const double r = std::hypot(p0.x - c.x, p0.y - c.y);
    const double a0 = std::atan2(p0.y - c.y, p0.x - c.x);
    const double sweep = 4.0 * std::atan(bulge);
    const int n = std::clamp(static_cast<int>(std::ceil(std::fabs(sweep) / (2.0 * kPi) * 128.0)), 2, 1024);
    for (int i = 1; i <= n; ++i) {
        const double a = a0 + sweep * i / n;
        out.push_back(AcGePoint2d(c.x + r * std::cos(a), c.y + r * std::sin(a)));
    }
}

// De Boor's evaluation of a (rational) B-spline at t.
AcGePoint3d nurbsPoint(int degree, const AcGePoint3dArray& ctrl, const AcGeDoubleArray& knots,
                       const AcGeDoubleArray& weights, double t)
{
    const int n = ctrl.length();
    int span = degree;
    while (span < n - 1 && knots[span + 1] <= t)
        ++span;
    std::vector<double> x(static_cast<std::size_t>(degree + 1)), y(x.size()), z(x.size()), w(x.size());
    for (int j = 0; j <= degree; ++j) {
        const int i = std::clamp(span - degree + j, 0, n - 1);
        const double wi = weights.length() == n ? weights[i] : 1.0;
        x[j] = ctrl[i].x * wi;
        y[j] = ctrl[i].y * wi;
        z[j] = ctrl[i].z * wi;
        w[j] = wi;
    }
    for (int r = 1; r <= degree; ++r) {
        for (int j = degree; j >= r; --j) {
            const int i = span - degree + j;
            const double denom = knots[i + degree - r + 1] - knots[i];
            const double a = denom == 0.0 ? 0.0 : (t - knots[i]) / denom;
            x[j] = (1 - a) * x[j - 1] + a * x[j];
            y[j] = (1 - a) * y[j - 1] + a * y[j];
            z[j] = (1 - a) * z[j - 1] + a * z[j];
            w[j] = (1 - a) * w[j - 1] + a * w[j];
        }
    }
    const double ww = w[degree] == 0.0 ? 1.0 : w[degree];
    return AcGePoint3d(x[degree] / ww, y[degree] / ww, z[degree] / ww);
}

// Line families of the predefined patterns, at scale 1: (angle, spacing).
std::vector<std::pair<double, double>> patternFamilies(const std::wstring& name)
{
    const double d45 = kPi / 4.0;
    const std::wstring n = upper(name);
    if (n == L"ANSI37")
        return {{d45, 3.175}, {3.0 * d45, 3.175}};
    if (n == L"NET")
        return {{0.0, 3.175}, {kPi / 2.0, 3.175}};
    if (n == L"LINE")
        return {{0.0, 3.175}};
    return {{d45, 3.175}};
}

} // namespace

DrawingCollector::DrawingCollector(AcDbDatabase* db) : mDb(db) {}

DrawingCollector::~DrawingCollector() = default;

DisplayList DrawingCollector::collectModelSpace()
{
    Context ctx;
    drawBlock(mDb->modelSpaceId(), ctx);
    return std::move(mList);
}

QPointF DrawingCollector::toModel(const AcGePoint3d& p, const Context& ctx) const
{
    const AcGePoint3d q = ctx.xform * p;
    return QPointF(q.x, q.y);
}

const DrawingCollector::LayerInfo& DrawingCollector::layerInfo(AcDbObjectId layerId)
{
    const auto it = mLayers.find(layerId);
    if (it != mLayers.end())
        return it->second;
    LayerInfo info;
    AcDbLayerTableRecord* layer = nullptr;
    if (acdbOpenObject(layer, layerId, AcDb::kForRead) == Acad::eOk) {
        const AcCmColor c = layer->color();
        info.color = opaque(c.isByColor() ? c.rgb() : AciColors::rgb(c.colorIndex()));
        info.linetype = layer->linetypeObjectId();
        const int lw = layer->lineWeight();
        info.lineweightMm = lw >= 0 ? lw / 100.0 : 0.25;
        const std::wstring name = AcDbDatabase::symbolName(layerId);
        info.visible = !layer->isOff() && !layer->isFrozen() && layer->isPlottable() && upper(name) != L"DEFPOINTS";
        info.isLayerZero = name == L"0";
        layer->close();
    }
    return mLayers.emplace(layerId, info).first->second;
}

const std::vector<double>& DrawingCollector::dashes(AcDbObjectId linetypeId)
{
    const auto it = mDashes.find(linetypeId);
    if (it != mDashes.end())
        return it->second;
    std::vector<double> pattern;
    AcDbLinetypeTableRecord* lt = nullptr;
    if (!linetypeId.isNull() && acdbOpenObject(lt, linetypeId, AcDb::kForRead) == Acad::eOk) {
        for (int i = 0; i < lt->numDashes(); ++i)
            pattern.push_back(lt->dashLengthAt(i));
        lt->close();
    }
    // A pattern of only gaps or of nothing draws as a solid line.
    if (std::none_of(pattern.begin(), pattern.end(), [](double d) { return d >= 0.0; }))
        pattern.clear();
    return mDashes.emplace(linetypeId, pattern).first->second;
}

bool DrawingCollector::resolve(AcDbEntity* ent, const Context& ctx, Style& style, LayerInfo& effective)
{
    if (ent->visibility() == AcDb::kInvisible)
        return false;
    effective = layerInfo(ent->layerId());
    if (effective.isLayerZero && ctx.inBlock)
        effective = ctx.blockLayer;
    if (!effective.visible)
        return false;

    const AcCmColor c = ent->color();
    if (c.isByLayer())
        style.color = effective.color;
    else if (c.isByBlock())
        style.color = ctx.inBlock ? ctx.blockColor : opaque(0);
    else if (c.isByColor())
        style.color = opaque(c.rgb());
    else
        style.color = opaque(AciColors::rgb(c.colorIndex()));

    const int lw = ent->lineWeight();
    style.lineweightMm = lw == AcDb::kLnWtByLayer ? effective.lineweightMm
                       : lw == AcDb::kLnWtByBlock ? (ctx.inBlock ? ctx.blockLineweightMm : 0.25)
                       : lw < 0 ? 0.25 : lw / 100.0;

    AcDbObjectId lt = ent->linetypeId();
    if (lt.isNull() || lt == mDb->byLayerLinetype())
        lt = effective.linetype;
    else if (lt == mDb->byBlockLinetype())
        lt = ctx.blockLinetype;
    style.linetype = lt;
    style.dashes = dashes(lt);
    const double scale = mDb->ltscale() * ent->linetypeScale() * ctx.linetypeScale;
    for (double& d : style.dashes)
        d *= scale;
    return true;
}

std::vector<AcDbObjectId> DrawingCollector::drawOrder(AcDbObjectId blockId)
{
    std::vector<AcDbObjectId> ids;
    AcDbBlockTableRecord* block = nullptr;
    if (acdbOpenObject(block, blockId, AcDb::kForRead) != Acad::eOk)
        return ids;
    const AcDbObjectId extDict = block->extensionDictionary();
    for (const AcDbObjectId& id : block->entityIds()) {
        if (!id.isErased())
            ids.push_back(id);
    }
    block->close();
    AcDbDictionary* dict = nullptr;
    if (!extDict.isNull() && acdbOpenObject(dict, extDict, AcDb::kForRead) == Acad::eOk) {
        AcDbObjectId sortId;
        const bool found = dict->getAt(L"ACAD_SORTENTS", sortId) == Acad::eOk;
        dict->close();
        AcDbSortentsTable* sort = nullptr;
        if (found && acdbOpenObject(sort, sortId, AcDb::kForRead) == Acad::eOk) {
            AcDbObjectIdArray order;
            if (sort->getFullDrawOrder(order) == Acad::eOk) {
                ids.clear();
                for (int i = 0; i < order.length(); ++i)
                    ids.push_back(order[i]);
            }
            sort->close();
        }
    }
    return ids;
}

AcDbDatabase* DrawingCollector::xrefDatabase(const std::wstring& path)
{
    const auto it = mXrefs.find(path);
    if (it != mXrefs.end())
        return it->second.get();
    std::unique_ptr<AcDbDatabase> db;
    std::error_code ec;
    std::filesystem::path file = HostPaths::toPath(path);
    if (!std::filesystem::is_regular_file(file, ec))
        file.replace_extension(".dxf");
    if (std::filesystem::is_regular_file(file, ec)) {
        db = std::make_unique<AcDbDatabase>(false, true);
        if (db->readDwgFile(HostPaths::fromPath(file).c_str()) != Acad::eOk)
            db.reset();
    }
    AcDbDatabase* raw = db.get();
    mXrefs.emplace(path, std::move(db));
    return raw;
}

bool DrawingCollector::wipeoutFramesShown()
{
    if (mWipeoutFrames >= 0)
        return mWipeoutFrames == 1;
    mWipeoutFrames = 1;
    AcDbDictionary* root = nullptr;
    if (mDb->getNamedObjectsDictionary(root, AcDb::kForRead) == Acad::eOk) {
        AcDbObjectId id;
        const bool found = root->getAt(L"ACAD_WIPEOUT_VARS", id) == Acad::eOk;
        root->close();
        AcDbObject* obj = nullptr;
        if (found && acdbOpenAcDbObject(obj, id, AcDb::kForRead) == Acad::eOk) {
            if (auto* vars = AcDbWipeoutVariables::cast(obj))
                mWipeoutFrames = vars->displayFrame() ? 1 : 0;
            obj->close();
        }
    }
    return mWipeoutFrames == 1;
}

void DrawingCollector::drawBlock(AcDbObjectId blockId, const Context& ctx)
{
    if (ctx.depth > kMaxDepth)
        return;
    for (const AcDbObjectId& id : drawOrder(blockId)) {
        AcDbEntity* ent = nullptr;
        if (acdbOpenAcDbEntity(ent, id, AcDb::kForRead) != Acad::eOk)
            continue;
        drawEntity(ent, ctx);
        ent->close();
    }
}

void DrawingCollector::stroke(const std::vector<AcGePoint3d>& points, bool closed, const Style& style,
                              const Context& ctx)
{
    if (points.size() < 2)
        return;
    DisplayItem item;
    item.kind = DisplayItem::Kind::Stroke;
    item.color = style.color;
    item.lineweightMm = style.lineweightMm;
    item.dashes = style.dashes;
    item.closed = closed;
    item.points.reserve(points.size());
    for (const AcGePoint3d& p : points)
        item.points.push_back(toModel(p, ctx));
    mList.add(std::move(item));
}

void DrawingCollector::fill(const std::vector<std::vector<AcGePoint3d>>& loops, QRgb color, const Context& ctx,
                            bool frame, QRgb frameColor)
{
    DisplayItem item;
    item.kind = DisplayItem::Kind::Fill;
    item.color = color;
    item.frame = frame;
    item.frameColor = frameColor;
    item.area.setFillRule(Qt::OddEvenFill);
    for (const auto& loop : loops) {
        if (loop.size() < 3)
            continue;
        item.area.moveTo(toModel(loop[0], ctx));
        for (std::size_t i = 1; i < loop.size(); ++i)
            item.area.lineTo(toModel(loop[i], ctx));
        item.area.closeSubpath();
    }
    if (!item.area.isEmpty())
        mList.add(std::move(item));
}

void DrawingCollector::drawEntity(AcDbEntity* ent, const Context& ctx)
{
    Style style;
    LayerInfo layer;
    if (!resolve(ent, ctx, style, layer))
        return;

    if (auto* line = AcDbLine::cast(ent)) {
        stroke({line->startPoint(), line->endPoint()}, false, style, ctx);
    } else if (auto* arc = AcDbArc::cast(ent)) {
        double sweep = arc->endAngle() - arc->startAngle();
        while (sweep <= 0.0)
            sweep += 2.0 * kPi;
        std::vector<AcGePoint3d> pts;
        arcPoints(pts, arc->center(), arc->radius(), arc->startAngle(), sweep, arc->normal());
        stroke(pts, false, style, ctx);
    } else if (auto* circle = AcDbCircle::cast(ent)) {
        std::vector<AcGePoint3d> pts;
        arcPoints(pts, circle->center(), circle->radius(), 0.0, 2.0 * kPi, circle->normal());
        pts.pop_back();
        stroke(pts, true, style, ctx);
    } else if (auto* ellipse = AcDbEllipse::cast(ent)) {
        double t0 = ellipse->startParam(), t1 = ellipse->endParam();
        while (t1 <= t0)
            t1 += 2.0 * kPi;
        const int n = std::clamp(static_cast<int>((t1 - t0) / (2.0 * kPi) * 128.0), 8, 1024);
        std::vector<AcGePoint3d> pts;
        for (int i = 0; i <= n; ++i) {
            const double t = t0 + (t1 - t0) * i / n;
            pts.push_back(ellipse->center() + ellipse->majorAxis() * std::cos(t) + ellipse->minorAxis() * std::sin(t));
        }
        stroke(pts, false, style, ctx);
    } else if (auto* spline = AcDbSpline::cast(ent)) {
        int degree = 3;
        bool rational = false, closed = false, periodic = false;
        AcGePoint3dArray ctrl;
        AcGeDoubleArray knots, weights;
        double tol1 = 0, tol2 = 0;
        std::vector<AcGePoint3d> pts;
        if (spline->getNurbsData(degree, rational, closed, periodic, ctrl, knots, weights, tol1, tol2) == Acad::eOk
            && ctrl.length() > degree && knots.length() == ctrl.length() + degree + 1) {
            const double k0 = knots[degree], k1 = knots[ctrl.length()];
            const int n = std::max(16, ctrl.length() * 16);
            for (int i = 0; i <= n; ++i)
                pts.push_back(nurbsPoint(degree, ctrl, knots, weights, k0 + (k1 - k0) * i / n));
        } else {
            AcGePoint3dArray fit;
            AcGeVector3d st, et;
            bool tangents = false;
            double tol = 0.0;
            if (spline->getFitData(fit, degree, tol, tangents, st, et) == Acad::eOk)
                for (int i = 0; i < fit.length(); ++i)
                    pts.push_back(fit[i]);
        }
        stroke(pts, false, style, ctx);
    } else if (AcDbPolyline::cast(ent) || AcDb2dPolyline::cast(ent) || AcDb3dPolyline::cast(ent)) {
        polyline(ent, style, ctx);
    } else if (auto* point = AcDbPoint::cast(ent)) {
        DisplayItem item;
        item.kind = DisplayItem::Kind::PointMark;
        item.color = style.color;
        item.lineweightMm = style.lineweightMm;
        item.points.push_back(toModel(point->position(), ctx));
        item.pointMode = mDb->pdmode();
        item.pointSize = mDb->pdsize();
        if (item.pointMode != 1)
            mList.add(std::move(item));
    } else if (auto* solid = AcDbSolid::cast(ent)) {
        AcGePoint3d p[4];
        for (Adesk::UInt16 i = 0; i < 4; ++i)
            solid->getPointAt(i, p[i]);
        fill({{p[0], p[1], p[3], p[2]}}, style.color, ctx);
    } else if (AcDbText::cast(ent) || AcDbMText::cast(ent)) {
        text(ent, style, ctx);
    } else if (AcDbHatch::cast(ent)) {
        hatch(ent, style, ctx);
    } else if (auto* image = AcDbRasterImage::cast(ent)) {
        AcGeMatrix3d pixelToModel;
        if (image->getPixelToModelTransform(pixelToModel) != Acad::eOk)
            return;
        AcGePoint2dArray clip = image->clipBoundary();
        if (image->clipBoundaryType() == AcDbRasterImage::kRect && clip.length() == 2) {
            const AcGePoint2d a = clip[0], b = clip[1];
            clip.setLogicalLength(0);
            clip.append(a);
            clip.append(AcGePoint2d(b.x, a.y));
            clip.append(b);
            clip.append(AcGePoint2d(a.x, b.y));
        }
        std::vector<AcGePoint3d> loop;
        for (int i = 0; i < clip.length(); ++i)
            loop.push_back(pixelToModel * AcGePoint3d(clip[i].x, clip[i].y, 0.0));
        if (AcDbWipeout::cast(ent))
            fill({loop}, opaque(0xFFFFFF), ctx, wipeoutFramesShown(), style.color);
        else
            stroke(loop, true, style, ctx);
    } else if (auto* ref = AcDbBlockReference::cast(ent)) {
        Context child = ctx;
        child.xform = ctx.xform * ref->blockTransform();
        const AcGeScale3d s = ref->scaleFactors();
        child.linetypeScale = ctx.linetypeScale * std::sqrt(std::fabs(s.sx * s.sy));
        child.depth = ctx.depth + 1;
        child.inBlock = true;
        child.blockColor = style.color;
        child.blockLineweightMm = style.lineweightMm;
        child.blockLinetype = style.linetype;
        child.blockLayer = layer;
        AcDbBlockTableRecord* block = nullptr;
        if (acdbOpenObject(block, ref->blockTableRecord(), AcDb::kForRead) != Acad::eOk)
            return;
        const bool external = block->isFromExternalReference();
        const ACHAR* path = nullptr;
        block->pathName(path);
        const std::wstring xrefPath = path ? path : L"";
        block->close();
        if (!external) {
            drawBlock(ref->blockTableRecord(), child);
        } else if (AcDbDatabase* xdb = xrefDatabase(xrefPath)) {
            AcDbDatabase* host = mDb;
            mDb = xdb;
            drawBlock(xdb->modelSpaceId(), child);
            mDb = host;
        }
    } else if (auto* dim = AcDbDimension::cast(ent)) {
        Context child = ctx;
        child.xform = ctx.xform * AcGeMatrix3d::translation(dim->dimBlockPosition().asVector());
        child.depth = ctx.depth + 1;
        child.inBlock = true;
        child.blockColor = style.color;
        child.blockLineweightMm = style.lineweightMm;
        child.blockLinetype = style.linetype;
        child.blockLayer = layer;
        if (!dim->dimBlockId().isNull())
            drawBlock(dim->dimBlockId(), child);
    } else if (auto* xline = AcDbXline::cast(ent)) {
        DisplayItem item;
        item.kind = DisplayItem::Kind::InfiniteLine;
        item.color = style.color;
        item.lineweightMm = style.lineweightMm;
        item.points = {toModel(xline->basePoint(), ctx), toModel(xline->basePoint() + xline->unitDir(), ctx)};
        mList.add(std::move(item));
    } else if (auto* ray = AcDbRay::cast(ent)) {
        DisplayItem item;
        item.kind = DisplayItem::Kind::InfiniteLine;
        item.closed = true; // one-sided: from the base point on
        item.color = style.color;
        item.lineweightMm = style.lineweightMm;
        item.points = {toModel(ray->basePoint(), ctx), toModel(ray->basePoint() + ray->unitDir(), ctx)};
        mList.add(std::move(item));
    }
}

void DrawingCollector::polyline(AcDbEntity* ent, const Style& style, const Context& ctx)
{
    // Vertices in the polyline's plane with bulges and widths.
    struct Vertex {
        AcGePoint2d p;
        double bulge = 0.0, startWidth = 0.0, endWidth = 0.0;
    };
    std::vector<Vertex> verts;
    bool closed = false;
    AcGeMatrix3d ocs;
    double elevation = 0.0;
    if (auto* pl = AcDbPolyline::cast(ent)) {
        closed = pl->isClosed();
        ocs = AcGeMatrix3d::planeToWorld(pl->normal());
        elevation = pl->elevation();
        double constant = 0.0;
        const bool hasConstant = pl->getConstantWidth(constant) == Acad::eOk && constant > 0.0;
        for (unsigned int i = 0; i < pl->numVerts(); ++i) {
            Vertex v;
            pl->getPointAt(i, v.p);
            pl->getBulgeAt(i, v.bulge);
            pl->getWidthsAt(i, v.startWidth, v.endWidth);
            if (hasConstant)
                v.startWidth = v.endWidth = constant;
            verts.push_back(v);
        }
    } else if (auto* p2 = AcDb2dPolyline::cast(ent)) {
        closed = p2->isClosed();
        ocs = AcGeMatrix3d::planeToWorld(p2->normal());
        elevation = p2->elevation();
        for (AcDb2dVertex* vx : p2->vertexObjects()) {
            if (vx == nullptr)
                continue;
            Vertex v;
            v.p = AcGePoint2d(vx->position().x, vx->position().y);
            v.bulge = vx->bulge();
            v.startWidth = vx->startWidth();
            v.endWidth = vx->endWidth();
            verts.push_back(v);
        }
    } else if (auto* p3 = AcDb3dPolyline::cast(ent)) {
        std::vector<AcGePoint3d> pts;
        for (AcDb3dPolylineVertex* vx : p3->vertexObjects()) {
            if (vx != nullptr)
                pts.push_back(vx->position());
        }
        stroke(pts, p3->isClosed(), style, ctx);
        return;
    }
    if (verts.empty())
        return;
    auto toWcs = [&](const AcGePoint2d& p) { return ocs * AcGePoint3d(p.x, p.y, elevation); };
    const std::size_t segments = closed ? verts.size() : verts.size() - 1;
    const bool wide = std::any_of(verts.begin(), verts.end(), [](const Vertex& v) { return v.startWidth > 0.0 || v.endWidth > 0.0; });
    if (!wide) {
        std::vector<AcGePoint3d> pts{toWcs(verts[0].p)};
        std::vector<AcGePoint2d> seg;
        for (std::size_t i = 0; i < segments; ++i) {
            seg.clear();
            bulgePoints(seg, verts[i].p, verts[(i + 1) % verts.size()].p, verts[i].bulge);
            for (const AcGePoint2d& q : seg)
                pts.push_back(toWcs(q));
        }
        if (closed && pts.size() > 1)
            pts.pop_back();
        stroke(pts, closed, style, ctx);
        return;
    }
    // A wide segment is a filled band whose width runs from its start to its end width.
    for (std::size_t i = 0; i < segments; ++i) {
        const Vertex& a = verts[i];
        const Vertex& b = verts[(i + 1) % verts.size()];
        std::vector<AcGePoint2d> seg{a.p};
        bulgePoints(seg, a.p, b.p, a.bulge);
        if (a.startWidth <= 0.0 && a.endWidth <= 0.0) {
            std::vector<AcGePoint3d> pts;
            for (const AcGePoint2d& q : seg)
                pts.push_back(toWcs(q));
            stroke(pts, false, style, ctx);
            continue;
        }
        std::vector<AcGePoint3d> left, right;
        for (std::size_t k = 0; k < seg.size(); ++k) {
            const AcGePoint2d& prev = seg[k == 0 ? 0 : k - 1];
            const AcGePoint2d& next = seg[k + 1 < seg.size() ? k + 1 : k];
            double tx = next.x - prev.x, ty = next.y - prev.y;
            const double len = std::hypot(tx, ty);
            if (len == 0.0)
                continue;
            tx /= len;
            ty /= len;
            const double f = seg.size() > 1 ? static_cast<double>(k) / (seg.size() - 1) : 0.0;
            const double half = (a.startWidth + (a.endWidth - a.startWidth) * f) / 2.0;
            left.push_back(toWcs(AcGePoint2d(seg[k].x - ty * half, seg[k].y + tx * half)));
            right.push_back(toWcs(AcGePoint2d(seg[k].x + ty * half, seg[k].y - tx * half)));
        }
        std::reverse(right.begin(), right.end());
        left.insert(left.end(), right.begin(), right.end());
        fill({left}, style.color, ctx);
    }
}

void DrawingCollector::text(AcDbEntity* ent, const Style& style, const Context& ctx)
{
    TextMetrics::Layout layout;
    AcGePoint3d origin;
    double rotation = 0.0;
    double flipX = 1.0, flipY = 1.0;
    bool shapeFont = false;
    if (auto* t = AcDbText::cast(ent)) {
        shapeFont = usesShapeFont(t->textStyle());
        const std::wstring s = TextMetrics::decodeControlCodes(t->textStringConst());
        const int horz = t->horizontalMode();
        const int vert = t->verticalMode();
        const bool spanning = horz == AcDb::kTextAlign || horz == AcDb::kTextFit;
        const AcGePoint3d p1 = t->position(), p2 = t->alignmentPoint();
        const double length = spanning ? p1.distanceTo(p2) : 0.0;
        const TextMetrics::Placement place =
            TextMetrics::place(s, t->height(), t->widthFactor(), t->oblique(), horz, spanning ? 0 : vert, length);
        layout = TextMetrics::layoutLine(s, place.height, place.widthFactor, t->oblique());
        for (TextMetrics::Glyph& g : layout.glyphs) {
            g.x += place.originX;
            g.y += place.originY;
        }
        const bool atPosition = (horz == AcDb::kTextLeft && vert == AcDb::kTextBase) || spanning;
        origin = atPosition ? p1 : p2;
        rotation = spanning && length > 0.0 ? std::atan2(p2.y - p1.y, p2.x - p1.x) : t->rotation();
        flipX = t->isMirroredInX() ? -1.0 : 1.0;
        flipY = t->isMirroredInY() ? -1.0 : 1.0;
    } else if (auto* m = AcDbMText::cast(ent)) {
        shapeFont = usesShapeFont(m->textStyle());
        double widthFactor = 1.0, oblique = 0.0;
        AcDbTextStyleTableRecord* ts = nullptr;
        if (acdbOpenObject(ts, m->textStyle(), AcDb::kForRead) == Acad::eOk) {
            widthFactor = ts->xScale() > 0.0 ? ts->xScale() : 1.0;
            oblique = ts->obliquingAngle();
            ts->close();
        }
        layout = TextMetrics::layoutMText(m->contentsConst(), m->textHeight(), widthFactor, oblique, m->width(),
                                          m->lineSpacingFactor(), static_cast<int>(m->attachment()));
        origin = m->location();
        rotation = m->rotation();
        for (const TextMetrics::Bar& bar : layout.bars) {
            const double c = std::cos(rotation), s = std::sin(rotation);
            auto at = [&](double x, double y) { return origin + AcGeVector3d(x * c - y * s, x * s + y * c, 0.0); };
            stroke({at(bar.x0, bar.y), at(bar.x1, bar.y)}, false, Style{style.color, style.lineweightMm, {}, AcDbObjectId()}, ctx);
        }
    }
    const double c = std::cos(rotation), s = std::sin(rotation);
    auto frameToModel = [&](double x, double y) {
        x *= flipX;
        y *= flipY;
        return toModel(origin + AcGeVector3d(x * c - y * s, x * s + y * c, 0.0), ctx);
    };
    for (const TextMetrics::Glyph& g : layout.glyphs) {
        if (g.ch == L' ' || g.width <= 0.0)
            continue;
        const double slant = g.height * std::tan(g.oblique);
        const QPointF o = frameToModel(g.x, g.y);
        const QPointF xEnd = frameToModel(g.x + g.width, g.y);
        const QPointF yEnd = frameToModel(g.x + slant, g.y + g.height);
        DisplayItem item;
        item.kind = DisplayItem::Kind::Glyph;
        item.color = style.color;
        item.ch = GradeSymbols::displayChar(g.ch, shapeFont);
        item.wideGlyph = TextMetrics::isWide(g.ch);
        item.cell = QTransform(xEnd.x() - o.x(), xEnd.y() - o.y(), yEnd.x() - o.x(), yEnd.y() - o.y(), o.x(), o.y());
        mList.add(std::move(item));
    }
}

bool DrawingCollector::usesShapeFont(AcDbObjectId textStyleId)
{
    const auto known = mShapeFontStyles.find(textStyleId);
    if (known != mShapeFontStyles.end())
        return known->second;
    bool shapeFont = false;
    AcDbTextStyleTableRecord* ts = nullptr;
    if (acdbOpenObject(ts, textStyleId, AcDb::kForRead) == Acad::eOk) {
        const ACHAR* file = nullptr;
        ts->fileName(file);
        shapeFont = file != nullptr && GradeSymbols::isShapeFont(file);
        ts->close();
    }
    return mShapeFontStyles[textStyleId] = shapeFont;
}

void DrawingCollector::hatch(AcDbEntity* ent, const Style& style, const Context& ctx)
{
    auto* h = AcDbHatch::cast(ent);
    const AcGeMatrix3d ocs = AcGeMatrix3d::planeToWorld(h->normal());
    auto toWcs = [&](const AcGePoint2d& p) { return ocs * AcGePoint3d(p.x, p.y, h->elevation()); };
    std::vector<std::vector<AcGePoint3d>> loops;
    for (int i = 0; i < h->numLoops(); ++i) {
        Adesk::Int32 type = 0;
        AcGePoint2dArray vertices;
        AcGeDoubleArray bulges;
        std::vector<AcGePoint3d> loop;
        if (h->getLoopAt(i, type, vertices, bulges) == Acad::eOk && vertices.length() > 0) {
            std::vector<AcGePoint2d> pts{vertices[0]};
            for (int k = 0; k < vertices.length(); ++k)
                bulgePoints(pts, vertices[k], vertices[(k + 1) % vertices.length()], k < bulges.length() ? bulges[k] : 0.0);
            for (const AcGePoint2d& p : pts)
                loop.push_back(toWcs(p));
        } else {
            std::vector<AcDbHatch::Edge> edges;
            if (h->getLoopEdgesAt(i, type, edges) != Acad::eOk)
                continue;
            for (const AcDbHatch::Edge& e : edges) {
                if (e.type == AcDbHatch::kLine) {
                    loop.push_back(toWcs(e.start));
                    loop.push_back(toWcs(e.end));
                } else if (e.type == AcDbHatch::kCirArc) {
                    double a0 = e.startAngle, a1 = e.endAngle;
                    if (!e.counterClockwise) {
                        a0 = -a0;
                        a1 = -a1;
                    }
                    double sweep = a1 - a0;
                    while (sweep < 0.0)
                        sweep += 2.0 * kPi;
                    if (sweep == 0.0)
                        sweep = 2.0 * kPi;
                    const int n = std::clamp(static_cast<int>(sweep / (2.0 * kPi) * 128.0), 4, 1024);
                    for (int k = 0; k <= n; ++k) {
                        const double a = a0 + sweep * k / n;
                        loop.push_back(toWcs(AcGePoint2d(e.start.x + e.radius * std::cos(a), e.start.y + e.radius * std::sin(a))));
                    }
                } else {
                    const AcGeVector2d major(e.end.x, e.end.y);
                    const AcGeVector2d minor = AcGeVector2d(-major.y, major.x) * e.radius;
                    double sweep = e.endAngle - e.startAngle;
                    while (sweep <= 0.0)
                        sweep += 2.0 * kPi;
                    const int n = std::clamp(static_cast<int>(sweep / (2.0 * kPi) * 128.0), 4, 1024);
                    for (int k = 0; k <= n; ++k) {
                        double a = e.startAngle + sweep * k / n;
                        if (!e.counterClockwise)
                            a = -a;
                        loop.push_back(toWcs(e.start + major * std::cos(a) + minor * std::sin(a)));
                    }
                }
            }
        }
        loops.push_back(loop);
    }
    if (h->isSolidFill()) {
        fill(loops, style.color, ctx);
        return;
    }
    DisplayItem item;
    item.kind = DisplayItem::Kind::Pattern;
    item.color = style.color;
    item.lineweightMm = style.lineweightMm;
    item.area.setFillRule(Qt::OddEvenFill);
    for (const auto& loop : loops) {
        if (loop.size() < 3)
            continue;
        item.area.moveTo(toModel(loop[0], ctx));
        for (std::size_t i = 1; i < loop.size(); ++i)
            item.area.lineTo(toModel(loop[i], ctx));
        item.area.closeSubpath();
    }
    const double scale = h->patternScale() > 0.0 ? h->patternScale() : 1.0;
    for (auto [angle, spacing] : patternFamilies(h->patternName()))
        item.families.emplace_back(angle + h->patternAngle(), spacing * scale);
    if (!item.area.isEmpty())
        mList.add(std::move(item));
}
