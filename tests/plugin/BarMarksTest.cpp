// Bar number marks along the section view's lines of the sample, with bar point lists made by
// hand; the callouts of bar groups in both drawings; the spacing labels over rows of points.
#include "DrawingDesignFixture.h"

#include "AcDbCircle.h"
#include "AcDbLine.h"
#include "AcDbText.h"
#include "CGLGZ_BtDraw.h"
#include "CGLGZ_EtDraw.h"
#include "CTov_InitDraw.h"

#include <algorithm>
#include <cmath>
#include <set>
#include <string>
#include <vector>

namespace {

constexpr double kTol = 1e-9;
constexpr double kQuarterTurn = 1.57079632675;
constexpr double kDegree = 3.1415926535 / 180.0;

using Lines = CArray<LineInfo, const LineInfo&>;

// A label as expected: its text, the point it labels, its side and its angle.
struct Mark {
    std::wstring text;
    AcGePoint3d at;
    int below;
    double angle;
};

struct DrawnLabel {
    std::wstring text;
    AcGePoint3d alignment;
    AcDb::TextVertMode vertical;
    double rotation;
};

void SetBar(CHLGZ_BASSteel& bar, const wchar_t* number, std::initializer_list<AcGePoint3d> points)
{
    bar.SetFirstMarkText(number);
    for (const AcGePoint3d& p : points)
        bar.GetFirstPoints().append(p);
}

AcGePoint3d Mid(double x1, double x2, double y) { return AcGePoint3d((x1 + x2) / 2.0, y, 0.0); }

} // namespace

class BarMarks : public DrawingDesignFixture {
protected:
    // The sample as the run hands it over, the set-up made and the drawing prepared; with the
    // flag, one column in the middle of the part between the end parts.
    template <class Drawing>
    void Prepare(Drawing& draw, bool singleColumn = false)
    {
        LoadAsTheRun("sample.glt", [&](CHLGZ_PierInfo& m, CBent_BasicGeometry& g) {
            m.GetSectionPositions().setLogicalLength(0);
            if (singleColumn) {
                m.GetSupportDistances().setLogicalLength(0);
                m.GetSupportDistances().append((g.dLength - g.dLeftWidth - g.dRightWidth) / 2.0);
            }
        });
        AttachAsTheRun(draw);
        draw.m_bHalfDrawing = 0;
        draw.DecideAbutment();
        draw.PrepareDrawing();
    }

    // Prepare, then the section view, which builds the view lines.
    void PrepareView(CGLGZ_EtDraw& draw, bool singleColumn = false)
    {
        Prepare(draw, singleColumn);
        AcGePoint3d at(200.0, 260.0, 0.0);
        double depth = 0.0;
        ASSERT_EQ(draw.DrawSectionView(at, depth), 1);
    }

    // The label texts on the label layer that begin with the prefix, in drawing order.
    static std::vector<DrawnLabel> LabelsOf(const wchar_t* prefix, const std::set<AcDbObjectId>& before = {})
    {
        std::vector<DrawnLabel> out;
        for (AcDbObjectId id : modelSpace()) {
            ReadBack<AcDbText> t(id);
            if (!t || before.count(id) != 0 || layerOf(id) != L"08-标注")
                continue;
            const std::wstring text = t->textStringConst();
            if (text.rfind(prefix, 0) == 0)
                out.push_back({ text, t->alignmentPoint(), t->verticalMode(), t->rotation() });
        }
        return out;
    }

    static std::set<AcDbObjectId> Existing()
    {
        const std::vector<AcDbObjectId> ids = modelSpace();
        return std::set<AcDbObjectId>(ids.begin(), ids.end());
    }

    // Every expected mark drawn once, 0.25 clear of its point on its side, and nothing else.
    static void ExpectMarks(const std::vector<DrawnLabel>& drawn, const std::vector<Mark>& expected)
    {
        EXPECT_EQ(drawn.size(), expected.size());
        for (const Mark& m : expected) {
            const double normal = m.angle + kQuarterTurn;
            const double d = m.below ? -0.25 : 0.25;
            const AcGePoint3d anchor(m.at.x + d * std::cos(normal), m.at.y + d * std::sin(normal), 0.0);
            int found = 0;
            for (const DrawnLabel& t : drawn) {
                if (t.text == m.text && t.alignment.distanceTo(anchor) < 1e-6) {
                    ++found;
                    EXPECT_EQ(t.vertical, m.below ? AcDb::kTextTop : AcDb::kTextBottom);
                    EXPECT_NEAR(t.rotation, m.angle, 1e-9);
                }
            }
            EXPECT_EQ(found, 1) << std::string(m.text.begin(), m.text.end()) << " at " << m.at.x << ", " << m.at.y;
        }
    }

};

TEST_F(BarMarks, PlateAndStraightBarsAreMarkedInTheSpansOfTheViewLines)
{
    for (int single : { 0, 1 }) {
        SCOPED_TRACE(single ? "one support" : "three supports");
        app().docManager().newDocument();
        CGLGZ_EtDraw draw;
        PrepareView(draw, single != 0);
        const Lines& l = draw.m_lines;
        ASSERT_EQ(l.GetSize(), single ? 5 : 7);
        const double lower = model.GetTopCover() / draw.m_dScale;
        const double yTop = l[4].start.y - 1.0, yBottom = l[4].end.y + 1.0;
        CHLGZ_FaceInfo face;
        SetBar(face.GetLTLSteel(), L"1", {});
        SetBar(face.GetLBLSteel(), L"2", {});
        face.GetLUPSteels().SetSize(1);
        SetBar(face.GetLUPSteels()[0], L"3", { { 0.0, yTop, 0.0 }, { 50.0, yTop, 0.0 } });
        face.GetLUMSteels().SetSize(1);
        SetBar(face.GetLUMSteels()[0], L"4", { { 0.0, yBottom, 0.0 } });
        draw.DrawBarMarks(l, face, 0);

        std::vector<Mark> expected;
        if (single) {
            // The outer spans; the top-plate mark of the left one lowered by the cover from
            // the end part's foot, the right one at the column's top.
            expected = {
                { L"N1", Mid(l[0].start.x, l[4].start.x, l[0].start.y - lower), 1, 0.0 },
                { L"N1", Mid(l[4].start.x, l[1].start.x, l[4].start.y), 1, 0.0 },
                { L"N2", Mid(l[0].end.x, l[4].end.x, l[4].end.y), 1, 0.0 },
                { L"N2", Mid(l[4].end.x, l[1].end.x, l[4].end.y), 1, 0.0 },
                { L"N3", Mid(l[0].start.x, l[4].start.x, yTop), 1, 0.0 },
                { L"N3", Mid(l[4].start.x, l[1].start.x, yTop), 1, 0.0 },
                { L"N4", Mid(l[0].end.x, l[4].end.x, yBottom), 0, 0.0 },
                { L"N4", Mid(l[4].end.x, l[1].end.x, yBottom), 0, 0.0 },
            };
        } else {
            // The spans between columns; the plate marks 2 left of their middles.
            for (int i = 5; i <= 6; ++i) {
                const double lowered = l[i - 1].start.y - lower;
                expected.push_back({ L"N1", Mid(l[i - 1].start.x - 4.0, l[i].start.x, lowered), 1, 0.0 });
                expected.push_back({ L"N2", Mid(l[i - 1].end.x - 4.0, l[i].end.x, l[i - 1].end.y), 1, 0.0 });
                expected.push_back({ L"N3", Mid(l[i - 1].start.x, l[i].start.x, yTop), 1, 0.0 });
                expected.push_back({ L"N4", Mid(l[i - 1].end.x, l[i].end.x, yBottom), 0, 0.0 });
            }
        }
        ExpectMarks(LabelsOf(L"N"), expected);
        EXPECT_TRUE(draw.m_idsMaskedTexts.isEmpty());
    }
}

TEST_F(BarMarks, AViewClippedAtItsMiddleKeepsOnlyMarksLeftOfItAndTheFirstOfASingleSupport)
{
    struct Case {
        const char* name;
        bool single;
        double middleShift;
        double barAt;
        std::vector<std::wstring> kept;
    };
    const std::vector<Case> cases = {
        // The second span lies right of the middle; so does the bent-up bar's right slope.
        { "three supports", false, 0.0, 0.0, { L"N1", L"N2", L"N3", L"N4", L"N5" } },
        // The middle moved left of everything: the first marks of a single support stay.
        { "one support, middle far left", true, -1000.0, 1000.0, { L"N1", L"N2", L"N3", L"N4" } },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        app().docManager().newDocument();
        CGLGZ_EtDraw draw;
        PrepareView(draw, c.single);
        Lines lines;
        lines.Copy(draw.m_lines);
        lines[2].end.x += c.middleShift;
        lines[3].end.x += c.middleShift;
        const double c0 = (lines[2].end.x + lines[3].end.x) / 2.0;
        const double y = lines[4].start.y - 1.0;
        const double b = c0 + c.barAt;
        CHLGZ_FaceInfo face;
        SetBar(face.GetLTLSteel(), L"1", {});
        SetBar(face.GetLBLSteel(), L"2", {});
        face.GetLUPSteels().SetSize(1);
        SetBar(face.GetLUPSteels()[0], L"3", { { 0.0, y, 0.0 } });
        face.GetLUMSteels().SetSize(1);
        SetBar(face.GetLUMSteels()[0], L"4", { { 0.0, y - 5.0, 0.0 } });
        // A bent-up bar over the middle: its falling slope left of it, its rising one right.
        model.GetMoreInfo().SetBendAngle(45);
        face.GetLUTSteels().SetSize(1);
        SetBar(face.GetLUTSteels()[0], L"5",
            { { b - 20, y, 0 }, { b - 10, y, 0 }, { b - 5, y - 5, 0 }, { b + 5, y - 5, 0 }, { b + 10, y, 0 },
                { b + 20, y, 0 } });
        draw.m_bClipAtMiddle = 1;
        draw.DrawBarMarks(lines, face, 0);
        const std::vector<DrawnLabel> drawn = LabelsOf(L"N");
        std::vector<std::wstring> texts;
        for (const DrawnLabel& t : drawn) {
            texts.push_back(t.text);
            if (!c.single) {
                EXPECT_LT(t.alignment.x, c0);
            }
        }
        std::sort(texts.begin(), texts.end());
        EXPECT_EQ(texts, c.kept);
    }
}

// Two supports round the middle of a cut view: the plate marks of the span between them fall on
// the middle unless the drawing moves them left (the normal-section drawing by 2). A mark on the
// middle is still written, moved left so that it ends on the middle: the bar has no other mark.
TEST_F(BarMarks, AMarkOnTheMiddleOfACutViewMovesIntoTheDrawnHalf)
{
    for (double plateShift : { 2.0, 0.0 }) {
        SCOPED_TRACE(plateShift);
        app().docManager().newDocument();
        CGLGZ_EtDraw draw;
        Prepare(draw);
        Lines lines;
        for (double x : { 0.0, 100.0, 50.0, 50.0, 30.0, 70.0 })
            lines.Add(LineInfo { AcGePoint3d(x, 20.0, 0.0), AcGePoint3d(x, 0.0, 0.0) });
        CHLGZ_FaceInfo face;
        SetBar(face.GetLTLSteel(), L"1", {});
        SetBar(face.GetLBLSteel(), L"2", {});
        CGLGZ_CapDraw::BarMarkStyle style;
        style.plateShift = plateShift;
        draw.m_bClipAtMiddle = 1;
        draw.DrawBarMarks(lines, face, 0, style);
        std::vector<std::wstring> texts;
        for (const DrawnLabel& t : LabelsOf(L"N")) {
            texts.push_back(t.text);
            const double x = plateShift > 0.0 ? 50.0 - plateShift : 50.0 - draw.m_dLabelHeight * draw.m_dWidthFactor;
            EXPECT_NEAR(t.alignment.x, x, 1e-9) << std::string(t.text.begin(), t.text.end());
        }
        std::sort(texts.begin(), texts.end());
        EXPECT_EQ(texts, (std::vector<std::wstring> { L"N1", L"N2" }));
    }
}

TEST_F(BarMarks, BentUpBarsAreMarkedAlongTheirInnerSlopesAtTheBendAngle)
{
    const double r3 = std::sqrt(3.0);
    struct Case {
        const char* name;
        int angle;
        std::vector<AcGePoint3d> points;
        std::vector<Mark> marks;
    };
    const std::vector<Case> cases = {
        { "a falling and a rising slope", 45,
            { { 0, 0, 0 }, { 10, 0, 0 }, { 15, -5, 0 }, { 25, -5, 0 }, { 30, 0, 0 }, { 40, 0, 0 } },
            { { L"N5", { 12.5, -2.5, 0 }, 0, -45 * kDegree }, { L"N5", { 27.5, -2.5, 0 }, 0, 45 * kDegree } } },
        { "only the first and last segments slope", 45, { { 0, 0, 0 }, { 5, 5, 0 }, { 15, 5, 0 }, { 20, 0, 0 } }, {} },
        { "three points", 45, { { 0, 0, 0 }, { 5, 5, 0 }, { 10, 10, 0 } }, {} },
        { "a slope 1e-5 off", 45, { { 0, 0, 0 }, { 10, 0, 0 }, { 15, 5.00005, 0 }, { 25, 5.00005, 0 } }, {} },
        // A mark turns by the bend angle less a quarter turn, the other way on a rising slope.
        { "a rising slope at 60 degrees", 60, { { 0, 0, 0 }, { 10, 0, 0 }, { 12, 2 * r3, 0 }, { 20, 2 * r3, 0 } },
            { { L"N5", { 11, r3, 0 }, 0, 30 * kDegree } } },
        { "a falling slope at 60 degrees", 60, { { 0, 0, 0 }, { 10, 0, 0 }, { 12, -2 * r3, 0 }, { 20, -2 * r3, 0 } },
            { { L"N5", { 11, -r3, 0 }, 0, -30 * kDegree } } },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        app().docManager().newDocument();
        CGLGZ_EtDraw draw;
        PrepareView(draw);
        model.GetMoreInfo().SetBendAngle(c.angle);
        CHLGZ_FaceInfo face;
        face.GetLUBSteels().SetSize(1);
        CHLGZ_BASSteel& bar = face.GetLUBSteels()[0];
        bar.SetFirstMarkText(L"5");
        for (const AcGePoint3d& p : c.points)
            bar.GetFirstPoints().append(p);
        draw.DrawBarMarks(draw.m_lines, face, 0);
        ExpectMarks(LabelsOf(L"N"), c.marks);
    }
}

TEST_F(BarMarks, SupportBarsAreMarkedAtTheirEndsMiddlesAndSlopesEvenWithoutSupportLines)
{
    CGLGZ_EtDraw draw;
    PrepareView(draw);
    model.GetMoreInfo().SetBendAngle(45);
    // Only the outline lines: no span for the bars over the whole elevation.
    Lines outline;
    for (int i = 0; i < 4; ++i)
        outline.Add(draw.m_lines[i]);
    CHLGZ_FaceInfo face;
    SetBar(face.GetLTLSteel(), L"1", {});
    face.GetLUPSteels().SetSize(1);
    SetBar(face.GetLUPSteels()[0], L"3", { { 0.0, 10.0, 0.0 } });
    face.GetLUTSteels().SetSize(1);
    SetBar(face.GetLUTSteels()[0], L"4", { { 0, 0, 0 }, { 10, 0, 0 }, { 15, 5, 0 }, { 25, 5, 0 } });
    face.GetSupports().SetSize(2);
    CHLGZ_PoleInfo& first = face.GetSupports()[0];
    // Three top bars: the first half (one) marked at its right end, the others at their left.
    first.GetLPPSteels().SetSize(3);
    SetBar(first.GetLPPSteels()[0], L"6", { { 30, 20, 0 }, { 10, 20, 0 } });
    SetBar(first.GetLPPSteels()[1], L"7", { { 40, 21, 0 }, { 60, 21, 0 } });
    SetBar(first.GetLPPSteels()[2], L"8", { { 90, 22, 0 }, { 70, 22, 0 } });
    first.GetLPMSteels().SetSize(1);
    SetBar(first.GetLPMSteels()[0], L"10", { { 0, -10, 0 }, { 20, -10, 0 } });
    CHLGZ_PoleInfo& second = face.GetSupports()[1];
    // Never grouped, or never drawn: no mark.
    second.GetLPPSteels().SetSize(2);
    SetBar(second.GetLPPSteels()[0], L"", { { 0, 23, 0 }, { 5, 23, 0 } });
    SetBar(second.GetLPPSteels()[1], L"9", {});
    second.GetLPTSteels().SetSize(1);
    CHLGZ_LPTSteel& upper = second.GetLPTSteels()[0];
    SetBar(upper, L"11", { { 100, 0, 0 }, { 110, 0, 0 }, { 115, 5, 0 }, { 125, 5, 0 } });
    upper.SetSecondMarkText(L"12");
    for (const AcGePoint3d& p : { AcGePoint3d(200, 5, 0), AcGePoint3d(210, 5, 0), AcGePoint3d(215, 0, 0),
             AcGePoint3d(225, 0, 0) })
        upper.GetSecondPoints().append(p);
    second.GetLPBSteels().SetSize(1);
    SetBar(second.GetLPBSteels()[0], L"13", { { 300, 0, 0 }, { 310, 0, 0 }, { 315, -5, 0 }, { 325, -5, 0 } });

    const int masked = draw.m_idsMaskedTexts.length();
    draw.DrawBarMarks(outline, face, 1);
    const double aside = 1.5 * draw.m_dWidthFactor * draw.m_dLabelHeight;
    ExpectMarks(LabelsOf(L"N"),
        {
            { L"N4", { 12.5, 2.5, 0 }, 0, 45 * kDegree },
            { L"N6", { 30, 20, 0 }, 1, 0.0 },
            { L"N7", { 40, 21, 0 }, 1, 0.0 },
            { L"N8", { 70, 22, 0 }, 1, 0.0 },
            { L"N10", { 10 + aside, -10, 0 }, 0, 0.0 },
            { L"N11", { 112.5, 2.5, 0 }, 0, 45 * kDegree },
            { L"N12", { 212.5, 2.5, 0 }, 0, -45 * kDegree },
            { L"N13", { 312.5, -2.5, 0 }, 0, -45 * kDegree },
        });
    // Collected for the masks, one each.
    EXPECT_EQ(draw.m_idsMaskedTexts.length() - masked, 8);

    // A list without the outline lines marks nothing.
    const std::set<AcDbObjectId> before = Existing();
    Lines two;
    two.Add(draw.m_lines[0]);
    two.Add(draw.m_lines[1]);
    draw.DrawBarMarks(two, face, 1);
    EXPECT_TRUE(LabelsOf(L"N", before).empty());
}

TEST_F(BarMarks, CalloutTextsFollowEachDrawingsLengthRule)
{
    struct Case {
        const char* name;
        bool skew;
        double longest, shortest, mean;
        int lengthLabel;
        std::wstring length;
    };
    const Case cases[] = {
        { "equal lengths: the mean", false, 3.2, 3.2, 3.2, 0, L"320" },
        { "lengths 0.4 mm apart", false, 3.2004, 3.2, 3.2002, 0, L"平均320" },
        { "lengths apart, by the mark", false, 4.0, 3.0, 3.5, 1, L"L12'" },
        { "lengths apart, the mean", false, 4.0, 3.0, 3.456, 0, L"平均346" },
        { "skew: within a millimetre, the shortest", true, 3.2004, 3.2, 3.2002, 0, L"320" },
        { "skew: apart, always the mean", true, 4.0, 3.0, 3.456, 1, L"平均346" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CHLGZ_SteelCode record;
        record.nNumber = 12;
        record.nPrimed = 1;
        record.dMaxLength = c.longest;
        record.dMinLength = c.shortest;
        record.dAverageLength = c.mean;
        record.nFurther = c.lengthLabel;
        CGLGZ_EtDraw et;
        CGLGZ_BtDraw bt;
        const CString text = c.skew ? bt.CalloutLengthText(record) : et.CalloutLengthText(record);
        EXPECT_EQ(std::wstring(text.GetString()), c.length);
    }
}

TEST_F(BarMarks, ACalloutHasALeaderAShelfItsTextsAndANumberedCircleOnEitherSide)
{
    for (int left : { 0, 1 }) {
        SCOPED_TRACE(left ? "left" : "right");
        app().docManager().newDocument();
        CGLGZ_BtDraw draw;
        Prepare(draw);
        CHLGZ_SteelCode record;
        record.nNumber = 7;
        record.nPrimed = 2;
        record.nCount = 3;
        record.nBarType = left ? 1 : 2;
        record.nDiameter = 28;
        // Equal within a millimetre: the skew-section drawing prints the shortest.
        record.dMaxLength = 12.5004;
        record.dMinLength = 12.5;
        record.dAverageLength = 12.5002;
        record.aEntityIds.append(AcDbObjectId::kNull);
        const AcGePoint3d p(100.0, 50.0, 0.0);
        ASSERT_EQ(draw.DrawBarCallout(p, &record, left), 1);
        ASSERT_EQ(record.aEntityIds.length(), 7);
        const double s = left ? -1.0 : 1.0;
        const AcGePoint3d k(p.x + 5.0 * s, p.y + 5.0, 0.0);
        // The texts: length under the shelf, the bars over it, the number.
        const std::wstring texts[3] = { L"1250", left ? L"3&28" : L"3^28", L"7''" };
        double wide = 0.0;
        for (int i = 0; i < 3; ++i) {
            ReadBack<AcDbText> t(record.aEntityIds[3 + i]);
            ASSERT_TRUE(t);
            EXPECT_EQ(std::wstring(t->textStringConst()), texts[i]);
            EXPECT_EQ(layerOf(record.aEntityIds[3 + i]), L"08-标注");
            EXPECT_NEAR(t->height(), draw.m_dLabelHeight, kTol);
            AcDbExtents box;
            t->getGeomExtents(box);
            if (i < 2)
                wide = std::max(wide, box.maxPoint().x - box.minPoint().x);
        }
        ASSERT_GT(wide, 0.0);
        const AcGePoint3d e(k.x + s * (wide + 2.0), k.y, 0.0);
        const AcGePoint3d m((k.x + e.x) / 2.0, k.y, 0.0);
        const AcGePoint3d o(e.x + s * draw.m_dMarkRadius, e.y, 0.0);
        {
            ReadBack<AcDbLine> leader(record.aEntityIds[1]);
            ReadBack<AcDbLine> shelf(record.aEntityIds[2]);
            ASSERT_TRUE(leader && shelf);
            EXPECT_TRUE(leader->startPoint().isEqualTo(p));
            EXPECT_TRUE(leader->endPoint().isEqualTo(k));
            EXPECT_TRUE(shelf->startPoint().isEqualTo(k));
            EXPECT_TRUE(shelf->endPoint().isEqualTo(e));
        }
        const struct {
            AcGePoint3d at;
            AcDb::TextHorzMode horizontal;
            AcDb::TextVertMode vertical;
        } placed[3] = {
            { { m.x, m.y - 0.25, 0.0 }, AcDb::kTextCenter, AcDb::kTextTop },
            { { m.x, m.y + 0.25, 0.0 }, AcDb::kTextCenter, AcDb::kTextBottom },
            { o, AcDb::kTextMid, AcDb::kTextBase },
        };
        for (int i = 0; i < 3; ++i) {
            ReadBack<AcDbText> t(record.aEntityIds[3 + i]);
            EXPECT_TRUE(t->alignmentPoint().isEqualTo(placed[i].at));
            EXPECT_EQ(t->horizontalMode(), placed[i].horizontal);
            EXPECT_EQ(t->verticalMode(), placed[i].vertical);
        }
        ReadBack<AcDbCircle> circle(record.aEntityIds[6]);
        ASSERT_TRUE(circle);
        EXPECT_TRUE(circle->center().isEqualTo(o));
        EXPECT_NEAR(circle->radius(), 2.5, kTol);
        EXPECT_EQ(layerOf(record.aEntityIds[6]), L"08-标注");
    }
    // No record: nothing drawn.
    CGLGZ_EtDraw draw;
    const size_t before = modelSpace().size();
    EXPECT_EQ(draw.DrawBarCallout(AcGePoint3d(0, 0, 0), nullptr, 0), 0);
    EXPECT_EQ(modelSpace().size(), before);
}

TEST_F(BarMarks, SpacingLabelsGroupEqualGapsOverARowAndLabelPairsAndSinglePoints)
{
    CGLGZ_EtDraw draw;
    Prepare(draw);
    draw.m_dScale = 100.0;
    auto row = [](std::initializer_list<AcGePoint2d> points) {
        AcGePoint2dArray out;
        for (const AcGePoint2d& p : points)
            out.append(p);
        return out;
    };
    // Gaps 1.25, 1, 1, 1, 0, 2 along x: 12.5, 3X10, 20 centimetres; the stray y is the row's.
    const AcGePoint2dArray along = row({ { 0, 10 }, { 1.25, 10 }, { 2.25, 11 }, { 3.25, 10 }, { 4.25, 10 },
        { 4.25, 10 }, { 6.25, 10 } });
    struct Case {
        const char* name;
        AcGePoint2dArray points;
        double offset, textOffset;
        int mode, code;
        std::vector<Mark> labels;
    };
    const Case cases[] = {
        { "along x, above", along, 2.0, 4.0, 1, 0,
            { { L"12.5", { 0.625, 16, 0 }, 0, 0.0 }, { L"3X10", { 2.75, 16, 0 }, 0, 0.0 },
                { L"20", { 5.25, 16, 0 }, 0, 0.0 } } },
        { "along x, below, ends moved off", along, -2.0, -4.0, 1, 11,
            { { L"12.5", { -2.375, 4, 0 }, 1, 0.0 }, { L"3X10", { 2.75, 4, 0 }, 1, 0.0 },
                { L"20", { 8.25, 4, 0 }, 1, 0.0 } } },
        { "along y, right of it", row({ { 5, 0 }, { 7, 1 }, { 5, 2 } }), 2.0, 4.0, 0, 0,
            { { L"2X10", { 11, 1, 0 }, 1, kQuarterTurn } } },
        { "one point", row({ { 5, 0 } }), 2.0, 4.0, 1, 0, {} },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::set<AcDbObjectId> before = Existing();
        EXPECT_EQ(draw.DrawRebarLabel2d(c.points, c.offset, c.textOffset, c.mode, c.code),
            static_cast<int>(c.labels.size()));
        ExpectMarks(LabelsOf(L"", before), c.labels);
    }
    // Pairs: one along x, one along y (left of it, reading upward), a coincident one, and an
    // odd last point without a partner.
    std::set<AcDbObjectId> before = Existing();
    EXPECT_EQ(draw.DrawRebarLabelPair(
                  row({ { 0, 0 }, { 1.5, 0 }, { 3, 0 }, { 3, 2 }, { 4, 4 }, { 4, 4 }, { 9, 9 } }), -3.0),
        2);
    ExpectMarks(LabelsOf(L"", before), { { L"15", { 0.75, -3, 0 }, 1, 0.0 }, { L"20", { 0, 1, 0 }, 0, kQuarterTurn } });
    // A single label.
    before = Existing();
    const AcDbObjectId id = draw.DrawRebarLabelAt(AcGePoint3d(5, 5, 0), 1.5);
    EXPECT_FALSE(id.isNull());
    ExpectMarks(LabelsOf(L"", before), { { L"15", { 5, 5, 0 }, 0, 0.0 } });
    EXPECT_TRUE(draw.m_idsMaskedTexts.isEmpty());
}
