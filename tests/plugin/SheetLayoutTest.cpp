// The sheets of whole drawings as a printed set: every item (a view with its dimensions and
// labels, a table, a bar detail with its callouts, the notes, the title texts) inside its
// sheet's inner border, none but the title texts in the title table, no item on another and
// no text on another. The corpus is the examples and variants of them made by changing fields;
// a picture of each design is left in the build tree (tests/plugin/sheets/). Every fault is
// printed; a design is clean but for the faults its entry still allows, which may only go down.
#include "PluginFixture.h"

#include "AcDbBlockReference.h"
#include "AcDbDimension.h"
#include "AcDbMText.h"
#include "AcDbPolyline.h"
#include "AcDbCircle.h"
#include "AcDbLine.h"
#include "AcGeCircArc3d.h"
#include "AcDbText.h"
#include "AcGeLineSeg3d.h"
#include "DrawingRenderer.h"
#include "HeadlessGui.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <functional>
#include <iostream>
#include <sstream>

namespace {

struct Box {
    double x0 = 1e300, y0 = 1e300, x1 = -1e300, y1 = -1e300;
    void add(const Box& b)
    {
        x0 = std::min(x0, b.x0), y0 = std::min(y0, b.y0), x1 = std::max(x1, b.x1), y1 = std::max(y1, b.y1);
    }
    bool empty() const { return x0 > x1; }
    bool inside(const Box& b) const { return x0 >= b.x0 - kTol && y0 >= b.y0 - kTol && x1 <= b.x1 + kTol && y1 <= b.y1 + kTol; }
    bool overlaps(const Box& b) const
    {
        return std::min(x1, b.x1) - std::max(x0, b.x0) > kTol && std::min(y1, b.y1) - std::max(y0, b.y0) > kTol;
    }
    static constexpr double kTol = 0.01;
};

std::ostream& operator<<(std::ostream& out, const Box& b)
{
    return out << "(" << b.x0 << ", " << b.y0 << ")-(" << b.x1 << ", " << b.y1 << ")";
}

// A sheet's frame as the title block drawing Support/tk.dxf draws it, relative to its
// insertion point: the outer border, the inner border and the title table.
struct Frame {
    explicit Frame(const AcGePoint3d& p)
        : outer { p.x - 10.0, p.y - 10.0, p.x + 410.0, p.y + 287.0 }
        , inner { p.x + 15.0, p.y - 5.0, p.x + 405.0, p.y + 282.0 }
        , title { p.x + 185.0, p.y - 5.0, p.x + 405.0, p.y + 25.0 }
    {
    }
    Box outer, inner, title;
};

// A text's box as its four corners, the string with it.
struct TextBox {
    std::array<AcGePoint3d, 4> corners;
    std::wstring text;
    size_t item = 0;
    AcDbObjectId id;
};

// Two convex quadrilaterals overlap when no edge direction of either separates them.
bool QuadsOverlap(const std::array<AcGePoint3d, 4>& a, const std::array<AcGePoint3d, 4>& b)
{
    for (const auto* quad : { &a, &b }) {
        for (size_t i = 0; i < 4; ++i) {
            const AcGePoint3d& p = (*quad)[i];
            const AcGePoint3d& q = (*quad)[(i + 1) % 4];
            const double nx = -(q.y - p.y), ny = q.x - p.x;
            const double length = std::hypot(nx, ny);
            if (length < 1e-9)
                continue;
            auto span = [&](const std::array<AcGePoint3d, 4>& r) {
                double lo = 1e300, hi = -1e300;
                for (const AcGePoint3d& c : r) {
                    const double d = (c.x * nx + c.y * ny) / length;
                    lo = std::min(lo, d), hi = std::max(hi, d);
                }
                return std::pair(lo, hi);
            };
            const auto [alo, ahi] = span(a);
            const auto [blo, bhi] = span(b);
            if (std::min(ahi, bhi) - std::max(alo, blo) <= Box::kTol)
                return false;
        }
    }
    return true;
}

std::string Narrow(const std::wstring& text)
{
    return QString::fromStdWString(text).toStdString();
}

// What the check found, by kind, with a line for each fault.
struct Faults {
    int outside = 0, titleTable = 0, items = 0, texts = 0;
    std::ostringstream lines;
};

struct Corpus {
    const char* name;
    const char* example;
    std::function<void(CBent_PierInfo&, CBent_BasicGeometry&)> change;
    // The faults the drawing still has: outside, in the title table, items on items, texts on texts.
    std::array<int, 4> known {};
};

class SheetLayout : public PluginFixture {
protected:
    static void SetUpTestSuite()
    {
        static int argc = 1;
        static char name[] = "test_plugin";
        static char* argv[] = { name, nullptr };
        gui = HeadlessGui::start(argc, argv);
    }
    static void TearDownTestSuite() { gui.reset(); }

    // The design drawn whole (details, tables and notes) by the run.
    std::vector<DrawnItems::Item> DrawCorpus(const Corpus& c)
    {
        app().docManager().newDocument();
        app().transcript().clear();
        CBent_PierInfo design;
        CBent_BasicGeometry geometry;
        ReadExample(c.example, design, geometry);
        if (c.change)
            c.change(design, geometry);
        CorbeldrawCommand command;
        EXPECT_EQ(command.DrawDesign(design, geometry, 1, 0), 1) << transcript();
        return command.m_drawnItems;
    }

    // Labels of the dimension layer that read "0": a length of nothing, which no label should give.
    static int ZeroLabels()
    {
        int n = 0;
        for (AcDbObjectId id : modelSpace())
            if (ReadBack<AcDbText> text(id); text && layerOf(id) == L"08-标注" && text->textStringConst() == std::wstring(L"0"))
                ++n;
        return n;
    }

    // Callouts whose leader (the line rising 5 by 5 to the shelf) starts off every bar: a
    // callout must point at the bar it names.
    static int CalloutsOffTheirBars(std::ostringstream& lines)
    {
        std::vector<std::pair<AcGePoint3d, AcGePoint3d>> bars;
        std::vector<AcGeCircArc3d> circles;
        std::vector<std::pair<AcGePoint3d, AcGePoint3d>> leaders;
        for (AcDbObjectId id : modelSpace()) {
            const std::wstring layer = layerOf(id);
            if (ReadBack<AcDbLine> line(id); line && layer == L"08-标注") {
                const AcGeVector3d d = line->endPoint() - line->startPoint();
                if (std::fabs(std::fabs(d.x) - 5.0) < 1e-6 && std::fabs(d.y - 5.0) < 1e-6)
                    leaders.emplace_back(line->startPoint(), line->endPoint());
            }
            if (layer != L"04-钢筋")
                continue;
            if (ReadBack<AcDbLine> line(id); line) {
                bars.emplace_back(line->startPoint(), line->endPoint());
            } else if (ReadBack<AcDbPolyline> pl(id); pl) {
                const unsigned int n = pl->numVerts();
                for (unsigned int i = 0; i + 1 < n || (pl->isClosed() && i < n && n > 2); ++i) {
                    AcGePoint3d a, b;
                    pl->getPointAt(i, a);
                    pl->getPointAt((i + 1) % n, b);
                    bars.emplace_back(a, b);
                }
            } else if (ReadBack<AcDbCircle> circle(id); circle) {
                circles.emplace_back(circle->center(), AcGeVector3d::kZAxis, circle->radius());
            }
        }
        int off = 0;
        for (const auto& [start, end] : leaders) {
            double nearest = 1e300;
            for (const auto& [a, b] : bars) {
                const AcGeVector3d ab = b - a;
                const double t = ab.length() > 0.0 ? std::clamp((start - a).dotProduct(ab) / ab.dotProduct(ab), 0.0, 1.0) : 0.0;
                nearest = std::min(nearest, start.distanceTo(a + ab * t));
            }
            for (const AcGeCircArc3d& c : circles)
                nearest = std::min(nearest, std::fabs(start.distanceTo(c.center()) - c.radius()));
            if (nearest > 0.05) {
                ++off;
                lines << "callout at " << start.x << "," << start.y << " is " << nearest << " off every bar\n";
            }
        }
        return off;
    }

    static std::vector<Frame> Frames()
    {
        std::vector<Frame> frames;
        for (AcDbObjectId id : modelSpace()) {
            if (ReadBack<AcDbBlockReference> ref(id); ref && layerOf(id) == L"01-图框")
                frames.emplace_back(ref->position());
        }
        return frames;
    }

    static Box Extents(AcDbObjectId id)
    {
        Box box;
        ReadBack<AcDbEntity> e(id);
        AcDbExtents ext;
        if (e && e->getGeomExtents(ext) == Acad::eOk)
            box = { ext.minPoint().x, ext.minPoint().y, ext.maxPoint().x, ext.maxPoint().y };
        return box;
    }

    // A text is taken once, however many items name it (the details of records that share one
    // drawing hold the same ids).
    static void AddTextBox(const AcDbEntity* e, std::wstring text, size_t item, std::vector<TextBox>& out)
    {
        std::vector<std::unique_ptr<AcGeCurve3d>> curves;
        if (!e->getGeCurves(curves, false) || curves.size() != 4)
            return;
        if (std::any_of(out.begin(), out.end(), [&](const TextBox& t) { return t.id == e->objectId(); }))
            return;
        TextBox box { {}, std::move(text), item, e->objectId() };
        for (size_t i = 0; i < 4; ++i)
            box.corners[i] = static_cast<const AcGeLineSeg3d*>(curves[i].get())->startPoint();
        out.push_back(box);
    }

    // A string the database handed over as a copy of its own, freed once taken.
    static std::wstring TakeString(ACHAR* copy)
    {
        std::wstring text = copy != nullptr ? copy : L"";
        acutDelString(copy);
        return text;
    }

    // The texts of an entity: itself, or the texts of a dimension's block.
    static void CollectTexts(AcDbObjectId id, size_t item, std::vector<TextBox>& out)
    {
        if (ReadBack<AcDbText> t(id); t) {
            AddTextBox(t.operator->(), TakeString(t->textString()), item, out);
        } else if (ReadBack<AcDbMText> m(id); m) {
            AddTextBox(m.operator->(), TakeString(m->contents()), item, out);
        } else if (ReadBack<AcDbDimension> d(id); d) {
            AcDbBlockTableRecord* block = nullptr;
            if (acdbOpenObject(block, d->dimBlockId(), AcDb::kForRead) != Acad::eOk)
                return;
            for (const AcDbObjectId& inner : block->entityIds())
                if (!inner.isErased())
                    CollectTexts(inner, item, out);
            block->close();
        }
    }

    static size_t SheetOf(const Box& box, const std::vector<Frame>& frames)
    {
        const double cx = (box.x0 + box.x1) / 2.0, cy = (box.y0 + box.y1) / 2.0;
        size_t best = 0;
        double bestDistance = 1e300;
        for (size_t i = 0; i < frames.size(); ++i) {
            const Box& o = frames[i].outer;
            const double dx = std::max({ o.x0 - cx, 0.0, cx - o.x1 }), dy = std::max({ o.y0 - cy, 0.0, cy - o.y1 });
            if (std::hypot(dx, dy) < bestDistance)
                bestDistance = std::hypot(dx, dy), best = i;
        }
        return best;
    }

    // The layout check of the drawing in the database.
    static Faults Check(const std::vector<DrawnItems::Item>& drawn)
    {
        Faults f;
        const std::vector<Frame> frames = Frames();
        if (frames.empty()) {
            f.lines << "no sheet frame\n";
            ++f.outside;
            return f;
        }
        struct Placed {
            std::string name;
            Box box;
            size_t sheet = 0;
        };
        std::vector<Placed> items;
        std::vector<TextBox> texts;
        for (const DrawnItems::Item& item : drawn) {
            const std::wstring name = item.name.GetString();
            if (name.empty() || name == L"图框")
                continue;
            Placed placed { Narrow(name), {}, 0 };
            for (const AcDbObjectId& id : item.ids) {
                placed.box.add(Extents(id));
                CollectTexts(id, items.size(), texts);
            }
            if (placed.box.empty())
                continue;
            placed.sheet = SheetOf(placed.box, frames);
            items.push_back(placed);
        }
        for (const Placed& item : items) {
            const Frame& frame = frames[item.sheet];
            if (!item.box.inside(frame.inner)) {
                ++f.outside;
                f.lines << "outside sheet " << item.sheet + 1 << ": " << item.name << " " << item.box << "\n";
            }
            if (item.name.rfind("图标", 0) != 0 && item.box.overlaps(frame.title)) {
                ++f.titleTable;
                f.lines << "in title table, sheet " << item.sheet + 1 << ": " << item.name << " " << item.box << "\n";
            }
        }
        // The details' leftovers (span centre lines through the hung details) stand with them.
        for (size_t i = 0; i < items.size(); ++i)
            for (size_t j = i + 1; j < items.size(); ++j) {
                if (items[i].name == "大样" || items[j].name == "大样" || !items[i].box.overlaps(items[j].box))
                    continue;
                ++f.items;
                f.lines << "items overlap: " << items[i].name << " " << items[i].box << " and " << items[j].name << " "
                        << items[j].box << "\n";
            }
        for (size_t i = 0; i < texts.size(); ++i)
            for (size_t j = i + 1; j < texts.size(); ++j) {
                if (!QuadsOverlap(texts[i].corners, texts[j].corners))
                    continue;
                ++f.texts;
                f.lines << "texts overlap: \"" << Narrow(texts[i].text) << "\" at (" << texts[i].corners[0].x << ", "
                        << texts[i].corners[0].y << ") and \"" << Narrow(texts[j].text) << "\" at ("
                        << texts[j].corners[0].x << ", " << texts[j].corners[0].y << ")\n";
            }
        return f;
    }

    static void Picture(const char* name)
    {
        const std::filesystem::path folder = std::filesystem::path(CORBEL_BINARY_DIR) / "sheets";
        std::filesystem::create_directories(folder);
        DrawingRenderer::Options options;
        std::wstring error;
        const std::string file = (folder / (std::string(name) + ".png")).string();
        EXPECT_TRUE(DrawingRenderer::renderFile(db(), std::wstring(file.begin(), file.end()), options, &error)) << name;
        // A closer look, sheet by sheet, when asked for (CORBEL_SHEET_PICTURES set).
        if (std::getenv("CORBEL_SHEET_PICTURES") == nullptr)
            return;
        const std::vector<Frame> frames = Frames();
        for (size_t i = 0; i < frames.size(); ++i) {
            const Box& o = frames[i].outer;
            options.useWindow = true;
            options.window[0] = o.x0, options.window[1] = o.y0, options.window[2] = o.x1, options.window[3] = o.y1;
            const std::string sheet = (folder / (std::string(name) + "-" + std::to_string(i + 1) + ".png")).string();
            EXPECT_TRUE(DrawingRenderer::renderFile(db(), std::wstring(sheet.begin(), sheet.end()), options, &error)) << name;
        }
    }

    static std::unique_ptr<QGuiApplication> gui;
};

std::unique_ptr<QGuiApplication> SheetLayout::gui;

void Whole(CBent_PierInfo& d, CBent_BasicGeometry&) { d.SetGeneralSymmetric(0); }
void Mode(CBent_PierInfo& d, int mode) { d.GetMoreInfo().SetBendDownMode(mode); }
void OtherMode(CBent_PierInfo& d, CBent_BasicGeometry&)
{
    d.GetMoreInfo().SetBendDownMode(1 - d.GetMoreInfo().GetBendDownMode());
}
// Both ends skewed by the angle (degrees off square).
void Skew(CBent_BasicGeometry& g, double skew) { g.dLeftAngle = g.dRightAngle = 90.0 - skew; }
// Nine column sections: every place the supports give, then the first ones again.
void NineSections(CBent_PierInfo& d)
{
    const int places = 2 * static_cast<int>(d.GetSupportDistances().GetSize());
    d.GetSectionPositions().RemoveAll();
    for (int i = 0; i < 9; ++i)
        d.GetSectionPositions().Add(1 + i % (places - 1));
}
// The cap and its spans longer or shorter by the factor.
void Stretch(CBent_PierInfo& d, CBent_BasicGeometry& g, double factor)
{
    g.dLength *= factor;
    for (INT_PTR i = 0; i < d.GetSupportDistances().GetSize(); ++i)
        d.GetSupportDistances()[i] *= factor;
}
// n supports over the same stretch as the example's: the first where it was, the others evenly
// up to where its last stood (one alone halfway); each face with as many; the column sections
// that would name no place left out.
void Supports(CBent_PierInfo& d, int n)
{
    CArray<double, const double&>& distances = d.GetSupportDistances();
    double reach = 0.0;
    for (INT_PTR i = 1; i < distances.GetSize(); ++i)
        reach += distances[i];
    const double first = distances[0];
    distances.RemoveAll();
    distances.Add(n == 1 ? first + reach / 2.0 : first);
    for (int i = 1; i < n; ++i)
        distances.Add(reach / (n - 1));
    d.GetMainFace().SetSupportCount(n);
    d.GetEndFace().SetSupportCount(n);
    for (INT_PTR i = 0; i < d.GetFaceList().GetSize(); ++i)
        d.GetFaceList()[i].SetSupportCount(n);
    CArray<int, const int&>& sections = d.GetSectionPositions();
    for (INT_PTR i = sections.GetSize() - 1; i >= 0; --i)
        if (sections[i] >= 2 * n)
            sections.RemoveAt(i);
}
void NoStrengthening(CBent_PierInfo& d)
{
    CBent_ExtendSteel& steel = d.GetExtendSteel();
    for (INT_PTR i = 0; i < steel.GetCodes().GetSize(); ++i)
        steel.GetCodes()[i] = steel.GetCodes()[i] / 1000 * 1000;
    steel.SetFurtherValue1(0);
    steel.SetFurtherValue2(0);
    steel.SetFurtherValue3(0);
}

// The examples, the sample (pier, three supports), the square pier cap (two supports), the
// abutment (four supports) and the L section (two supports), in both modes, half and whole,
// skewed from 0 to 45 degrees, with nine column sections, on 1 to 9 supports, longer and
// shorter, with and without strengthening bars. A square cap is drawn in skew sections only (the normal sections refuse
// it), so no square variant is drawn in mode 0.
const Corpus kCorpus[] = {
    { "sample", "sample.glt", {} },
    { "square-two-columns", "square-two-columns.glt", {} },
    { "abutment", "abutment.glt", {} },
    { "l-section", "l-section.glt", {} },
    { "sample-whole", "sample.glt", Whole },
    { "abutment-whole", "abutment.glt", Whole },
    { "sample-mode1", "sample.glt", OtherMode },
    { "abutment-mode0", "abutment.glt", OtherMode },
    { "square-whole", "square-two-columns.glt", Whole },
    { "l-section-whole", "l-section.glt", Whole },
    { "l-section-skew15-mode0", "l-section.glt",
        [](CBent_PierInfo& d, CBent_BasicGeometry& g) { Mode(d, 0), Skew(g, 15.0); } },
    { "square-skew15-mode0", "square-two-columns.glt",
        [](CBent_PierInfo& d, CBent_BasicGeometry& g) { Mode(d, 0), Skew(g, 15.0); } },
    { "sample-skew45", "sample.glt", [](CBent_PierInfo&, CBent_BasicGeometry& g) { Skew(g, 45.0); } },
    { "sample-skew30-mode1", "sample.glt",
        [](CBent_PierInfo& d, CBent_BasicGeometry& g) { Mode(d, 1), Skew(g, 30.0); } },
    { "sample-skew0-mode1", "sample.glt",
        [](CBent_PierInfo& d, CBent_BasicGeometry& g) { Mode(d, 1), Skew(g, 0.0); } },
    { "abutment-skew45-mode0", "abutment.glt",
        [](CBent_PierInfo& d, CBent_BasicGeometry& g) { Mode(d, 0), Skew(g, 45.0); } },
    { "abutment-skew0", "abutment.glt", [](CBent_PierInfo&, CBent_BasicGeometry& g) { Skew(g, 0.0); } },
    { "sample-nine-sections", "sample.glt", [](CBent_PierInfo& d, CBent_BasicGeometry&) { NineSections(d); } },
    { "sample-nine-sections-mode1", "sample.glt",
        [](CBent_PierInfo& d, CBent_BasicGeometry&) { NineSections(d), Mode(d, 1); } },
    { "abutment-nine-sections-mode0", "abutment.glt",
        [](CBent_PierInfo& d, CBent_BasicGeometry&) { NineSections(d), Mode(d, 0); } },
    { "abutment-nine-sections-whole", "abutment.glt",
        [](CBent_PierInfo& d, CBent_BasicGeometry& g) { NineSections(d), Whole(d, g); } },
    // 1.6 times as long: at the design's own scale 1:50 the plan would be wider than a sheet, so
    // the drawing takes the next standard scale at which it fits.
    { "sample-long", "sample.glt", [](CBent_PierInfo& d, CBent_BasicGeometry& g) { Stretch(d, g, 1.6); } },
    { "sample-long-mode1", "sample.glt",
        [](CBent_PierInfo& d, CBent_BasicGeometry& g) { Stretch(d, g, 1.6), Mode(d, 1); } },
    { "abutment-long-whole-mode0", "abutment.glt",
        [](CBent_PierInfo& d, CBent_BasicGeometry& g) { Stretch(d, g, 1.6), Whole(d, g), Mode(d, 0); } },
    { "square-short", "square-two-columns.glt", [](CBent_PierInfo& d, CBent_BasicGeometry& g) { Stretch(d, g, 0.7); } },
    { "sample-1-support", "sample.glt", [](CBent_PierInfo& d, CBent_BasicGeometry&) { Supports(d, 1); } },
    { "sample-2-supports-mode1", "sample.glt",
        [](CBent_PierInfo& d, CBent_BasicGeometry&) { Supports(d, 2), Mode(d, 1); } },
    { "sample-5-supports", "sample.glt", [](CBent_PierInfo& d, CBent_BasicGeometry&) { Supports(d, 5); } },
    { "abutment-6-supports-whole", "abutment.glt",
        [](CBent_PierInfo& d, CBent_BasicGeometry& g) { Supports(d, 6), Whole(d, g); } },
    // Nine supports over the sample's length at its scale 1:50: the skeleton detail's bar marks,
    // lengths and spacing chains have no room left beside one another.
    { "sample-9-supports-mode1", "sample.glt",
        [](CBent_PierInfo& d, CBent_BasicGeometry&) { Supports(d, 9), Mode(d, 1); }, { 0, 0, 0, 40 } },
    { "abutment-9-supports-mode0", "abutment.glt",
        [](CBent_PierInfo& d, CBent_BasicGeometry&) { Supports(d, 9), Mode(d, 0); } },
    { "sample-no-strengthening", "sample.glt", [](CBent_PierInfo& d, CBent_BasicGeometry&) { NoStrengthening(d); } },
    { "abutment-no-strengthening-mode0", "abutment.glt",
        [](CBent_PierInfo& d, CBent_BasicGeometry&) { NoStrengthening(d), Mode(d, 0); } },
};

TEST_F(SheetLayout, NoItemOffItsSheetInTheTitleTableOrOnAnotherAndNoTextOnAText)
{
    for (const Corpus& c : kCorpus) {
        SCOPED_TRACE(c.name);
        const std::vector<DrawnItems::Item> items = DrawCorpus(c);
        const Faults f = Check(items);
        Picture(c.name);
        std::cout << c.name << ": " << f.outside << " outside, " << f.titleTable << " in the title table, " << f.items
                  << " items on items, " << f.texts << " texts on texts\n"
                  << f.lines.str();
        EXPECT_LE(f.outside, c.known[0]);
        EXPECT_LE(f.titleTable, c.known[1]);
        EXPECT_LE(f.items, c.known[2]);
        EXPECT_LE(f.texts, c.known[3]);
        EXPECT_EQ(ZeroLabels(), 0) << "a segment label reads 0 (two vertices on one point labelled as a segment)";
        std::ostringstream callouts;
        EXPECT_EQ(CalloutsOffTheirBars(callouts), 0) << callouts.str();
    }
}

} // namespace
