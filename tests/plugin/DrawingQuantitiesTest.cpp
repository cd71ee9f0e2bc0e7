// Every example and its whole twin drawn through the plug-in, by each drawing class that takes
// the design: every number in a mark circle or an "N" mark of a view has one row in the quantity
// table and one detail, every row's number stands in a view, and a symmetric design drawn as a
// half counts what it counts drawn whole.
#include "DrawingDesignFixture.h"

#include "AcDbCircle.h"
#include "AcDbText.h"
#include "CGLGZ_BtDraw.h"
#include "CGLGZ_EtDraw.h"

#include <map>
#include <regex>
#include <set>
#include <string>
#include <vector>

namespace {

struct Text {
    AcGePoint3d at;
    std::wstring text;
};

// What a drawing shows of its numbers: the mark numbers of the views, those of the details'
// callouts (each as often as it stands), the table's rows (each its texts left to right, the
// number first) and the summary line.
struct DrawnNumbers {
    std::multiset<std::wstring> views;
    std::multiset<std::wstring> details;
    std::vector<std::vector<std::wstring>> rows;
    std::wstring summary;

    std::set<std::wstring> RowNumbers() const
    {
        std::set<std::wstring> out;
        for (const auto& row : rows)
            out.insert(row.front());
        return out;
    }
};

// The numbers a drawing did not show as the rule asks, each with what it lacks.
struct Exceptions {
    std::set<std::wstring> withoutDetail;
    std::set<std::wstring> withoutView;
};

bool Near(const AcGePoint3d& a, const AcGePoint3d& b) { return a.distanceTo(b) < 1e-6; }

class DrawingQuantities : public DrawingDesignFixture {
protected:
    // The example drawn by the plug-in's run with its bent-up bars bent down in normal (0) or
    // skew (1) sections; false when the drawing refuses the design.
    bool DrawExample(const std::string& example, int mode)
    {
        app().docManager().newDocument();
        app().transcript().clear();
        CBent_PierInfo d;
        CBent_BasicGeometry g;
        ReadExample(example.c_str(), d, g);
        d.GetMoreInfo().SetBendDownMode(mode);
        MarkDrawn();
        CorbeldrawCommand command;
        return command.DrawDesign(d, g, 1, 0) == 1 && Has(transcript(), L"钢筋总重");
    }

    // A number in a circle is a detail's when the callout's bars ("%d&%d" or "%d^%d") stand on
    // its shelf beside it, level with the circle's centre; a view's mark has none (a detail may
    // stand close beside the view).
    DrawnNumbers ReadNumbers() const
    {
        std::vector<Text> texts;
        std::vector<AcDbObjectId> circles;
        for (AcDbObjectId id : Drawn()) {
            if (ReadBack<AcDbText> t(id); t)
                texts.push_back({ t->alignmentPoint(), t->textStringConst() });
            else if (ReadBack<AcDbCircle> c(id); c)
                circles.push_back(id);
        }
        static const std::wregex number(L"\\d+'*");
        static const std::wregex named(L"N(\\d+'*)");
        static const std::wregex bars(L"\\d+[&^]\\d+");
        DrawnNumbers out;
        for (AcDbObjectId id : circles) {
            ReadBack<AcDbCircle> c(id);
            const AcGePoint3d o = c->center();
            for (const Text& t : texts) {
                if (!Near(t.at, o) || !std::regex_match(t.text, number))
                    continue;
                bool callout = false;
                for (const Text& b : texts)
                    callout = callout
                        || (std::abs(b.at.y - o.y) < 1.0 && std::abs(b.at.x - o.x) < 40.0 && std::regex_match(b.text, bars));
                (callout ? out.details : out.views).insert(t.text);
            }
        }
        for (const Text& t : texts) {
            std::wsmatch m;
            if (std::regex_match(t.text, m, named))
                out.views.insert(m[1].str());
        }
        // The rows: under the header's "编号", one a level, the cells left to right.
        const Text* header = nullptr;
        for (const Text& t : texts)
            for (const Text& next : texts)
                if (t.text == L"编号" && next.text == L"直径" && std::abs(next.at.x - t.at.x - 10.5) < 1e-6)
                    header = &t;
        if (header == nullptr)
            return out;
        const double left = header->at.x - 4.5;
        std::map<double, std::map<double, std::wstring>, std::greater<double>> cells;
        for (const Text& t : texts) {
            if (t.at.x > left && t.at.x < left + 94.0 && t.at.y < header->at.y - 5.0 && t.at.y > header->at.y - 500.0)
                cells[t.at.y][t.at.x] = t.text;
        }
        for (const auto& [y, row] : cells) {
            const auto first = row.begin();
            if (std::abs(first->first - header->at.x) > 1e-6 || !std::regex_match(first->second, number))
                continue;
            std::vector<std::wstring> texts;
            for (const auto& [x, text] : row)
                texts.push_back(text);
            out.rows.push_back(texts);
        }
        for (const auto& line : Split(transcript()))
            if (line.rfind(L"钢筋总重", 0) == 0)
                out.summary = line;
        return out;
    }

    static std::vector<std::wstring> Split(const std::wstring& text)
    {
        std::vector<std::wstring> lines;
        size_t from = 0;
        for (size_t at = text.find(L'\n'); at != std::wstring::npos; at = text.find(L'\n', from)) {
            lines.push_back(text.substr(from, at - from));
            from = at + 1;
        }
        lines.push_back(text.substr(from));
        return lines;
    }

    // The rule, but for the numbers the Parts leave without a detail or without a mark in a view.
    static void ExpectEveryNumberOnce(const DrawnNumbers& n, const Exceptions& allowed)
    {
        const std::set<std::wstring> rows = n.RowNumbers();
        EXPECT_EQ(rows.size(), n.rows.size()) << "a number has two rows";
        for (const std::wstring& v : std::set<std::wstring>(n.views.begin(), n.views.end()))
            EXPECT_TRUE(rows.count(v)) << "mark " << Narrow(v) << " of a view has no row";
        for (const std::wstring& r : rows) {
            if (!allowed.withoutDetail.count(r)) {
                EXPECT_EQ(n.details.count(r), 1u) << "row " << Narrow(r) << " has not one detail";
            }
            if (!allowed.withoutView.count(r)) {
                EXPECT_TRUE(n.views.count(r)) << "row " << Narrow(r) << " stands in no view";
            }
        }
        for (const std::wstring& d : std::set<std::wstring>(n.details.begin(), n.details.end()))
            EXPECT_TRUE(rows.count(d) || allowed.withoutDetail.count(d)) << "detail " << Narrow(d) << " has no row";
        EXPECT_FALSE(n.summary.empty());
    }

    static std::string Narrow(const std::wstring& text) { return std::string(text.begin(), text.end()); }
};

// The numbers each drawing may leave without a mark in a view, because the marks of the views
// leave them out, and why:
// - the elevation marks bent-up bars only on their inclined runs, so bent-up bars at the
//   supports of fewer than four points have no mark there (sample 11 and 16, abutment 11, 12
//   and 17 in normal sections; 10 and 11 of every example in skew sections), and a half
//   drawing marks nothing right of its middle, where bars with marks of their own may stand
//   (square and L section 9, abutment 15 and 16);
// - of the stirrups the bar tables add for an L part, the sections mark the two that run round
//   it; the stirrups of its skewed end part (L section 20 to 22) stand in no view.
// Every number has its detail.
struct ExampleNumbers {
    const char* name;
    Exceptions normal;
    Exceptions skew;
};

const ExampleNumbers kExamples[] = {
    { "sample", { {}, { L"11", L"16" } }, { {}, { L"10", L"11" } } },
    { "square-two-columns", { {}, {} }, { {}, { L"9", L"10", L"11" } } },
    { "abutment", { {}, { L"11", L"12", L"17" } }, { {}, { L"11", L"12", L"15", L"16" } } },
    { "l-section", { {}, {} }, { {}, { L"9", L"10", L"11", L"20", L"21", L"22" } } },
};

TEST_F(DrawingQuantities, EveryNumberHasOneRowOneDetailAndAView)
{
    for (const ExampleNumbers& e : kExamples) {
        for (const char* variant : { "", "-whole" }) {
            for (int mode : { 0, 1 }) {
                const std::string example = std::string(e.name) + variant + ".glt";
                SCOPED_TRACE(example + (mode == 0 ? " normal sections" : " skew sections"));
                // A square cap is drawn in skew sections only.
                if (!DrawExample(example, mode)) {
                    EXPECT_EQ(mode, 0);
                    continue;
                }
                ExpectEveryNumberOnce(ReadNumbers(), mode == 0 ? e.normal : e.skew);
            }
        }
    }
}

// The quantity table is that of one whole cap: the same rows and the same total, drawn as a
// half or whole. The L section is drawn whole with the middle between two stirrups where its
// half has one on the middle, so its stirrups differ.
TEST_F(DrawingQuantities, AHalfDrawingCountsTheWholeCap)
{
    for (const char* name : { "square-two-columns", "abutment" }) {
        for (int mode : { 0, 1 }) {
            SCOPED_TRACE(std::string(name) + (mode == 0 ? " normal sections" : " skew sections"));
            if (!DrawExample(std::string(name) + ".glt", mode))
                continue;
            const DrawnNumbers half = ReadNumbers();
            ASSERT_TRUE(DrawExample(std::string(name) + "-whole.glt", mode));
            const DrawnNumbers whole = ReadNumbers();
            ASSERT_FALSE(half.rows.empty());
            EXPECT_EQ(half.rows, whole.rows);
            EXPECT_EQ(half.summary, whole.summary);
        }
    }
}

// An L section's stirrups are counted once: those that run round the L part by the bar tables'
// marks, with the L part's height, the others by the plan's stirrup kinds; over the cap, every
// stirrup of the main face at every position, half drawing or whole.
TEST_F(DrawingQuantities, AnLSectionCountsEachStirrupOnce)
{
    for (int general : { 1, 0 }) {
        SCOPED_TRACE(general);
        app().docManager().newDocument();
        LoadAsTheRun("l-section.glt", [&](CHLGZ_PierInfo& m, CBent_BasicGeometry&) { m.SetGeneralSymmetric(general); });
        CGLGZ_BtDraw draw;
        AttachAsTheRun(draw);
        ASSERT_EQ(draw.Draw(0), 1);
        ASSERT_GT(draw.m_nStirrupMarks, 0);
        int counted = 0;
        for (INT_PTR i = draw.m_nGroupedMarks + draw.m_nClosingMarks; i < draw.m_steelCodes.GetSize(); ++i)
            counted += draw.m_steelCodes[i].nCount;
        const int positions = draw.m_dStirrupPositions.length() + draw.m_dLeftEndStirrups.length()
            + draw.m_dRightEndStirrups.length();
        EXPECT_EQ(counted, positions * static_cast<int>(model.GetMainFace().GetStirrups().GetSize()));
        // The first stirrup's kind is counted by the tables alone.
        EXPECT_EQ(draw.m_steelCodes[draw.m_nGroupedMarks + draw.m_nClosingMarks].nCount, 0);
    }
}

} // namespace
