// The dimension's graphics block: each class says what it measures and where its lines,
// arcs, arrows and text go; here the text is formatted from the style's variables and the
// block "*Dn" is filled with lines, arcs, arrows (the style's arrow blocks, or a closed
// filled triangle), the text as a multiline text, and points at the definition points.
#include "AcDbDimension.h"

#include "AcDbArc.h"
#include "AcDbBlockReference.h"
#include "AcDbBlockTableRecord.h"
#include "AcDbDatabase.h"
#include "AcDbDimStyleTableRecord.h"
#include "AcDbDxfFiler.h"
#include "AcDbLayerTable.h"
#include "AcDbLine.h"
#include "AcDbMText.h"
#include "AcDbPoint.h"
#include "AcDbSolid.h"
#include "AcDbTextStyleTableRecord.h"
#include "DbGeometry.h"
#include "TextMetrics.h"

#include <cmath>
#include <cstdio>
#include <numbers>

namespace {

// A value with its decimals, zero suppression (DIMZIN 4 leading, 8 trailing) and separator.
std::wstring formatNumber(double value, int decimals, int zin, wchar_t separator)
{
    decimals = std::clamp(decimals, 0, 8);
    // Halves round away from zero, as a drawing's reader expects, not to even.
    const double factor = std::pow(10.0, decimals);
    value = std::round(value * factor) / factor;
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*f", decimals, value);
    std::string s = buf;
    if (s == "-0" || (s.rfind("-0.", 0) == 0 && s.find_first_not_of("-0.") == std::string::npos))
        s.erase(0, 1);
    if ((zin & 8) && s.find('.') != std::string::npos) {
        s.erase(s.find_last_not_of('0') + 1);
        if (s.back() == '.')
            s.pop_back();
    }
    if ((zin & 4) && s.size() > 1) {
        if (s.rfind("0.", 0) == 0)
            s.erase(0, 1);
        else if (s.rfind("-0.", 0) == 0)
            s.erase(1, 1);
    }
    std::wstring out(s.begin(), s.end());
    for (wchar_t& c : out)
        if (c == L'.')
            c = separator;
    return out;
}

// Opens a database object for write for the time of a change, unless it already is.
class WriteScope {
public:
    explicit WriteScope(AcDbObject* obj)
        : mObj(obj)
    {
        if (mObj != nullptr && !mObj->isWriteEnabled())
            mOpened = mObj->openFor(AcDb::kForWrite, false) == Acad::eOk;
    }
    ~WriteScope()
    {
        if (mOpened)
            mObj->close();
    }
    bool ok() const { return mObj != nullptr && (mOpened || mObj->isWriteEnabled()); }
    WriteScope(const WriteScope&) = delete;
    WriteScope& operator=(const WriteScope&) = delete;

private:
    AcDbObject* mObj;
    bool mOpened = false;
};

// Appends a new entity to the block (on layer 0, in the style's colour and lineweight for
// its kind, by block unless the style says otherwise) and closes it.
void appendToBlock(AcDbBlockTableRecord* block, AcDbEntity* ent, const AcCmColor& color,
    AcDb::LineWeight weight = AcDb::kLnWtByBlock, const ACHAR* layer = L"0")
{
    ent->setLayer(layer);
    ent->setColor(color);
    ent->setLineWeight(weight);
    AcDbObjectId id;
    if (block->appendAcDbEntity(id, ent) == Acad::eOk)
        ent->close();
    else
        delete ent;
}

} // namespace

std::wstring AcDbDimension::formattedText(double value) const
{
    Graphics g;
    const bool angular = computeGraphics(g) && g.angular;
    std::wstring number;
    if (angular) {
        const int decimals = dimadec() < 0 ? dimdec() : dimadec();
        number = formatNumber(value * 180.0 / std::numbers::pi, decimals, dimzin(), dimdsep()) + L"%%d";
    } else {
        // DIMPOST adds a suffix, or with "<>" a prefix and suffix round the value; its prefix
        // takes the place of a radius's or diameter's own.
        const std::wstring post = dimpost();
        const std::wstring digits = formatNumber(value * dimlfac(), dimdec(), dimzin(), dimdsep());
        const std::size_t at = post.find(L"<>");
        if (at == std::wstring::npos)
            number = g.prefix + digits + post;
        else
            number = (at > 0 ? post.substr(0, at) : g.prefix) + digits + post.substr(at + 2);
    }
    // "" is the value alone, a single space no text; "<>" anywhere stands for the value.
    if (mText.empty())
        return number;
    if (mText == L" ")
        return std::wstring();
    std::wstring out = mText;
    for (std::size_t at = out.find(L"<>"); at != std::wstring::npos; at = out.find(L"<>", at + number.size()))
        out.replace(at, 2, number);
    return out;
}

Acad::ErrorStatus AcDbDimension::measurement(double& value)
{
    Graphics g;
    if (!computeGraphics(g))
        return Acad::eDegenerateGeometry;
    value = g.value;
    return Acad::eOk;
}

std::string AcDbDimension::ownSignature() const
{
    std::string text;
    AcDbDxfFiler filer(database(), text);
    dxfOutFields(&filer);
    dxfOutXData(&filer);
    return text;
}

std::string AcDbDimension::styleData(AcDbDatabase* db, AcDbObjectId style)
{
    std::string text;
    if (auto* record = AcDbDimStyleTableRecord::cast(AcDbDatabase::peek(style))) {
        AcDbDxfFiler filer(db, text);
        record->dxfOutFields(&filer);
    }
    return text;
}

std::string AcDbDimension::inputSignature() const
{
    AcDbDatabase* db = database();
    if (db == nullptr)
        return std::string();
    return ownSignature() + styleData(db, mStyle);
}

bool AcDbDimension::isBlockUpToDate(const std::string& styleData) const
{
    if (mSignature.empty() || database() == nullptr)
        return false;
    const std::string own = ownSignature();
    return mSignature.size() == own.size() + styleData.size() && mSignature.compare(0, own.size(), own) == 0
        && mSignature.compare(own.size(), std::string::npos, styleData) == 0;
}

Acad::ErrorStatus AcDbDimension::updateDimensionBlock()
{
    if (!mSignature.empty() && mSignature == inputSignature())
        return Acad::eOk;
    return recomputeDimensionBlock();
}

void AcDbDimension::subClose()
{
    updateDimensionBlock();
}

Acad::ErrorStatus AcDbDimension::recomputeDimensionBlock(bool)
{
    AcDbDatabase* db = database();
    auto* block = AcDbBlockTableRecord::cast(AcDbDatabase::peek(mBlock));
    if (db == nullptr || block == nullptr)
        return Acad::eNoDatabase;
    // Variables the dimension does not override follow its style as it now is.
    if (auto* style = AcDbDimStyleTableRecord::cast(AcDbDatabase::peek(mStyle))) {
        AcDbDimStyleTableRecord mine;
        mine.copyDimVariables(*this);
        copyDimVariables(*style);
        copyDimVariables(mine, mOverrides);
    }
    Graphics g;
    if (!computeGraphics(g))
        return Acad::eDegenerateGeometry;
    mMeasurement = g.value;
    WriteScope blockScope(block);
    if (!blockScope.ok())
        return Acad::eWasOpenForWrite;
    // 1. Empty the block of the graphics made before.
    for (const AcDbObjectId& id : std::vector<AcDbObjectId>(block->entityIds())) {
        AcDbObject* old = AcDbDatabase::peek(id);
        if (old == nullptr || id.isErased())
            continue;
        WriteScope oldScope(old);
        if (oldScope.ok())
            old->erase();
    }
    const double scale = dimscale() > 0.0 ? dimscale() : 1.0;
    const double arrowSize = dimasz() * scale;
    // The text style's fixed height wins over DIMTXT; its width factor widens the text.
    double textHeight = dimtxt() * scale;
    double widthFactor = 1.0;
    if (auto* style = AcDbTextStyleTableRecord::cast(AcDbDatabase::peek(dimtxsty()))) {
        if (style->textSize() > 0.0)
            textHeight = style->textSize();
        if (style->xScale() > 0.0)
            widthFactor = style->xScale();
    }
    // A negative gap asks for a box round the text; its size is the same.
    const double gap = std::fabs(dimgap()) * scale;
    const std::wstring text = formattedText(g.value);
    const double textWidth = TextMetrics::layoutMText(text, textHeight, widthFactor).box.width();
    const AcGeVector3d n = mNormal.normal();

    // 2. Fit: text and arrows inside the extension lines when both have room; else the text
    // alone, else the arrows alone (DIMTIX keeps the text inside whatever the room).
    double span = HUGE_VAL;
    if (g.arrows.size() == 2)
        span = g.angular && !g.arcs.empty()
            ? g.arcs.front().radius * (g.arcs.front().endAngle - g.arcs.front().startAngle)
            : g.arrows[0].tip.distanceTo(g.arrows[1].tip);
    const bool bothFit = span >= textWidth + 2.0 * (arrowSize + gap);
    const bool textFits = span >= textWidth + 2.0 * gap;
    const bool textInside = bothFit || textFits || dimtix();
    bool arrowsInside = bothFit || (!textFits && span >= 2.0 * arrowSize);
    // DIMSOXD drops the arrows that do not fit when DIMTIX holds the text inside.
    if (!arrowsInside && dimsoxd() && dimtix()) {
        g.arrows.clear();
        arrowsInside = true;
    }

    // 3. The text's point: the default one (beyond the second arrow when outside), or the
    // user's, with a leader back to the dimension line under DIMTMOVE 1.
    AcGePoint3d textAt = g.textPoint;
    if (!textInside && g.arrows.size() == 2)
        textAt = g.arrows[1].tip + g.arrows[1].direction.normal() * (2.0 * arrowSize + gap + textWidth / 2.0);
    // Texts read from the left, or upwards; DIMTIH (inside) and DIMTOH (outside) keep them level.
    const AcGeVector3d x = DbGeometry::ocsXAxis(n);
    const AcGeVector3d y = n.crossProduct(x);
    AcGeVector3d lineDir = g.textDirection.orthoProject(n);
    lineDir = lineDir.isZeroLength() ? x : lineDir.normal();
    if (lineDir.dotProduct(x) < -1e-9 || (std::fabs(lineDir.dotProduct(x)) <= 1e-9 && lineDir.dotProduct(y) < 0.0))
        lineDir = -lineDir;
    const bool level = textInside ? dimtih() : dimtoh();
    AcGeVector3d dir = level ? x : lineDir;
    const bool lineIsLevel = std::fabs(lineDir.dotProduct(x)) > 1.0 - 1e-9;
    // DIMTAD puts the text above the line (below for 4), a gap off it; not a level text on a
    // sloping line.
    const bool centred = dimtad() == 0 || (level && !lineIsLevel);
    if (!centred) {
        const double side = dimtad() == 4 ? -1.0 : 1.0;
        textAt += n.crossProduct(dir) * (side * (gap + textHeight / 2.0));
    }
    const bool userPlaced = mUserTextPosition;
    if (userPlaced) {
        if (dimtmove() == 1)
            g.lines.push_back({ g.textPoint, mTextPosition });
        textAt = mTextPosition;
    } else {
        mTextPosition = textAt;
    }
    if (mTextRotation != 0.0)
        dir = AcGeVector3d(x).rotateBy(mTextRotation, n);

    // 4. A text centred on the dimension line breaks it, a gap each side.
    if (centred && textInside && !userPlaced && !text.empty()) {
        const AcGeVector3d up = n.crossProduct(dir);
        if (g.dimensionLine >= 0 && g.dimensionLine < static_cast<int>(g.lines.size())) {
            const Graphics::Segment line = g.lines[static_cast<std::size_t>(g.dimensionLine)];
            const AcGeVector3d d = (line.to - line.from).normal();
            const double half
                = std::fabs(dir.dotProduct(d)) * textWidth / 2.0 + std::fabs(up.dotProduct(d)) * textHeight / 2.0 + gap;
            const double at = (textAt - line.from).dotProduct(d);
            const double length = line.from.distanceTo(line.to);
            g.lines.erase(g.lines.begin() + g.dimensionLine);
            if (at - half > 0.0)
                g.lines.push_back({ line.from, line.from + d * std::min(at - half, length) });
            if (at + half < length)
                g.lines.push_back({ line.from + d * std::max(at + half, 0.0), line.to });
        } else if (g.angular && !g.arcs.empty() && g.arcs.front().radius > 0.0) {
            const Graphics::Arc arc = g.arcs.front();
            const double halfAngle = (textWidth / 2.0 + gap) / arc.radius;
            const double mid = (arc.startAngle + arc.endAngle) / 2.0;
            g.arcs.clear();
            if (mid - halfAngle > arc.startAngle)
                g.arcs.push_back({ arc.center, arc.radius, arc.startAngle, mid - halfAngle });
            if (mid + halfAngle < arc.endAngle)
                g.arcs.push_back({ arc.center, arc.radius, mid + halfAngle, arc.endAngle });
        }
    }

    // 5. Arrows outside point back in, with a tail of dimension line beyond each; between
    // the extension lines the line stays only with DIMTOFL.
    if (!arrowsInside && g.arrows.size() == 2) {
        if (!dimtofl() && !g.angular && g.dimensionLine >= 0) {
            std::erase_if(g.lines, [&](const Graphics::Segment& s) {
                const AcGeVector3d d = g.arrows[1].tip - g.arrows[0].tip;
                const double a = (s.from - g.arrows[0].tip).dotProduct(d) / d.lengthSqrd();
                const double b = (s.to - g.arrows[0].tip).dotProduct(d) / d.lengthSqrd();
                const double off = (s.from - g.arrows[0].tip).crossProduct(d).length() / d.length();
                return off < 1e-9 && a >= -1e-9 && a <= 1 + 1e-9 && b >= -1e-9 && b <= 1 + 1e-9;
            });
        }
        for (Graphics::Arrow& a : g.arrows) {
            const AcGeVector3d out = a.direction.normal();
            g.lines.push_back({ a.tip + out * arrowSize, a.tip + out * (2.0 * arrowSize) });
            a.direction = -out;
        }
    }

    // 6. Lines and arcs.
    for (const Graphics::Segment& s : g.lines)
        if (!s.from.isEqualTo(s.to))
            appendToBlock(block, new AcDbLine(s.from, s.to), s.extension ? dimclre() : dimclrd(),
                s.extension ? dimlwe() : dimlwd());
    for (const Graphics::Arc& a : g.arcs)
        appendToBlock(block, new AcDbArc(a.center, n, a.radius, a.startAngle, a.endAngle), dimclrd(), dimlwd());
    // A negative DIMGAP frames the text, the gap off it all round.
    if (dimgap() < 0.0 && !text.empty()) {
        const AcGeVector3d along = dir * (textWidth / 2.0 + gap);
        const AcGeVector3d across = n.crossProduct(dir) * (textHeight / 2.0 + gap);
        const AcGePoint3d corners[4]
            = { textAt - along - across, textAt + along - across, textAt + along + across, textAt - along + across };
        for (int i = 0; i < 4; ++i)
            appendToBlock(block, new AcDbLine(corners[i], corners[(i + 1) % 4]), dimclrd(), dimlwd());
    }

    // 7. Arrowheads: the style's blocks (DIMBLK, or DIMBLK1/DIMBLK2 with DIMSAH) scaled by
    // DIMASZ, else a closed filled triangle. An arrow block has its tip at its origin and
    // points along its +X axis, its body behind the tip.
    for (const Graphics::Arrow& a : g.arrows) {
        const AcGeVector3d d = a.direction.normal();
        const AcDbObjectId arrowBlock = dimsah() ? (a.second ? dimblk2() : dimblk1()) : dimblk();
        if (!arrowBlock.isNull() && AcDbBlockTableRecord::cast(AcDbDatabase::peek(arrowBlock)) != nullptr) {
            auto* ref = new AcDbBlockReference(a.tip, arrowBlock);
            ref->setNormal(n);
            ref->setRotation(DbGeometry::ocsAngle(n, d));
            ref->setScaleFactors(AcGeScale3d(arrowSize));
            appendToBlock(block, ref, dimclrd(), dimlwd());
        } else if (arrowSize > 0.0) {
            const AcGeVector3d side = n.crossProduct(d) * (arrowSize / 6.0);
            const AcGePoint3d back = a.tip - d * arrowSize;
            appendToBlock(block, new AcDbSolid(a.tip, back + side, back - side), dimclrd(), dimlwd());
        }
    }

    // 8. The text, centred on its point.
    if (!text.empty()) {
        auto* mtext = new AcDbMText();
        mtext->setLocation(textAt);
        mtext->setNormal(n);
        mtext->setDirection(dir);
        mtext->setTextHeight(textHeight > 0.0 ? textHeight : 1.0);
        mtext->setAttachment(AcDbMText::kMiddleCenter);
        mtext->setContents(text.c_str());
        if (!dimtxsty().isNull())
            mtext->setTextStyle(dimtxsty());
        appendToBlock(block, mtext, dimclrt());
    }

    // 9. The definition points, on "Defpoints" where the drawing has that layer.
    AcCmColor byBlock;
    byBlock.setColorIndex(0);
    if (!db->symbolId(db->layerTableId(), L"Defpoints").isNull())
        for (const AcGePoint3d& p : g.definitionPoints)
            appendToBlock(block, new AcDbPoint(p), byBlock, AcDb::kLnWtByBlock, L"Defpoints");
    mSignature = inputSignature();
    return Acad::eOk;
}

Acad::ErrorStatus AcDbDimension::getGeomExtents(AcDbExtents& extents) const
{
    // What the block holds is what is drawn; the definition points belong to it too.
    AcDbExtents box;
    if (auto* block = AcDbBlockTableRecord::cast(AcDbDatabase::peek(mBlock))) {
        for (const AcDbObjectId& id : block->entityIds()) {
            auto* ent = AcDbEntity::cast(AcDbDatabase::peek(id));
            AcDbExtents own;
            if (ent != nullptr && !id.isErased() && ent->getGeomExtents(own) == Acad::eOk)
                box.addExt(own);
        }
    }
    Graphics g;
    if (box.isEmpty() && computeGraphics(g))
        for (const AcGePoint3d& p : g.definitionPoints)
            box.addPoint(p);
    if (box.isEmpty())
        return Acad::eNotApplicable;
    extents = box;
    return Acad::eOk;
}

bool AcDbDimension::getGeCurves(std::vector<std::unique_ptr<AcGeCurve3d>>& curves, bool extended) const
{
    auto* block = AcDbBlockTableRecord::cast(AcDbDatabase::peek(mBlock));
    if (block == nullptr)
        return false;
    for (const AcDbObjectId& id : block->entityIds()) {
        auto* ent = AcDbEntity::cast(AcDbDatabase::peek(id));
        if (ent != nullptr && !id.isErased())
            ent->getGeCurves(curves, extended);
    }
    return true;
}

Acad::ErrorStatus AcDbDimension::explode(AcDbVoidPtrArray& entitySet) const
{
    auto* block = AcDbBlockTableRecord::cast(AcDbDatabase::peek(mBlock));
    if (block == nullptr)
        return Acad::eNotApplicable;
    for (const AcDbObjectId& id : block->entityIds()) {
        auto* ent = AcDbEntity::cast(AcDbDatabase::peek(id));
        if (ent == nullptr || id.isErased())
            continue;
        if (AcDbEntity* copy = DbGeometry::copyEntity(ent))
            entitySet.append(copy);
    }
    return Acad::eOk;
}

Acad::ErrorStatus AcDbDimension::transformBy(const AcGeMatrix3d& xform)
{
    if (Acad::ErrorStatus es = checkWritable(); es != Acad::eOk)
        return es;
    mTextPosition.transformBy(xform);
    AcGeVector3d n = mNormal;
    n.transformBy(xform);
    if (!n.isZeroLength())
        mNormal = n.normal();
    transformDefinitionPoints(xform);
    // A uniform scale scales the measured lengths, not the sizes of arrows and text.
    return Acad::eOk;
}

AcGePoint3d AcDbDimension::dimLineThrough(const AcGePoint3d& dimLinePoint) const
{
    return mUserTextPosition && dimtmove() == 0 ? mTextPosition : dimLinePoint;
}

void AcDbDimension::linearGraphics(
    const AcGePoint3d& p1, const AcGePoint3d& p2, const AcGePoint3d& onLine, const AcGeVector3d& dir, Graphics& g) const
{
    const double scale = dimscale() > 0.0 ? dimscale() : 1.0;
    const AcGeVector3d d = dir.normal();
    const AcGePoint3d q1 = onLine + d * (p1 - onLine).dotProduct(d);
    const AcGePoint3d q2 = onLine + d * (p2 - onLine).dotProduct(d);
    g.value = std::fabs((p2 - p1).dotProduct(d));
    g.lines.push_back({ q1, q2 });
    // Extension lines leave a DIMEXO gap at the origin and run DIMEXE past the line.
    const bool suppress[2] = { dimse1(), dimse2() };
    const AcGePoint3d origins[2] = { p1, p2 };
    const AcGePoint3d feet[2] = { q1, q2 };
    for (int i = 0; i < 2; ++i) {
        const AcGeVector3d out = feet[i] - origins[i];
        if (suppress[i] || out.isZeroLength())
            continue;
        const AcGeVector3d u = out.normal();
        g.lines.push_back({ origins[i] + u * (dimexo() * scale), feet[i] + u * (dimexe() * scale), true });
    }
    if (!q1.isEqualTo(q2)) {
        g.arrows.push_back({ q1, (q1 - q2).normal(), false });
        g.arrows.push_back({ q2, (q2 - q1).normal(), true });
    }
    g.textPoint = q1 + (q2 - q1) * 0.5;
    g.textDirection = d;
    g.dimensionLine = 0;
    g.definitionPoints = { p1, p2, onLine };
}

void AcDbDimension::angularGraphics(const AcGePoint3d& vertex, const AcGePoint3d& leg1, const AcGePoint3d& leg2,
    const AcGePoint3d& arcPoint, Graphics& g) const
{
    const AcGeVector3d n = normal().normal();
    const double a1 = DbGeometry::ocsAngle(n, leg1 - vertex);
    const double a2 = DbGeometry::ocsAngle(n, leg2 - vertex);
    double sweep = a2 - a1;
    if (sweep < 0.0)
        sweep += 2.0 * std::numbers::pi;
    g.value = sweep;
    g.angular = true;
    const double radius = arcPoint.distanceTo(vertex);
    g.arcs.push_back({ vertex, radius, a1, a1 + sweep });
    const AcGeVector3d x = DbGeometry::ocsXAxis(n);
    auto radial = [&](double a) { return AcGeVector3d(x).rotateBy(a, n); };
    const AcGePoint3d e1 = vertex + radial(a1) * radius;
    const AcGePoint3d e2 = vertex + radial(a2) * radius;
    const double scale = dimscale() > 0.0 ? dimscale() : 1.0;
    // Extension lines where the arc lies beyond a leg's point.
    const bool suppress[2] = { dimse1(), dimse2() };
    const AcGePoint3d legs[2] = { leg1, leg2 };
    const AcGePoint3d ends[2] = { e1, e2 };
    for (int i = 0; i < 2; ++i) {
        if (suppress[i] || legs[i].distanceTo(vertex) >= radius)
            continue;
        const AcGeVector3d u = (ends[i] - vertex).normal();
        g.lines.push_back({ legs[i] + u * (dimexo() * scale), ends[i] + u * (dimexe() * scale), true });
    }
    // The arrows lie along the arc's tangents, pointing out of the arc at its ends.
    g.arrows.push_back({ e1, -n.crossProduct(radial(a1)), false });
    g.arrows.push_back({ e2, n.crossProduct(radial(a2)), true });
    const double mid = a1 + sweep / 2.0;
    g.textPoint = vertex + radial(mid) * radius;
    g.textDirection = n.crossProduct(radial(mid));
    g.definitionPoints = { vertex, leg1, leg2, arcPoint };
}
