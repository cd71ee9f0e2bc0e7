// The notes blocks of both section drawings, read back as the texts of the working drawing, and
// the sheet titles that frame them.
#include "PluginFixture.h"

#include "AcDbText.h"
#include "CGLGZ_BtDraw.h"
#include "CGLGZ_EtDraw.h"
#include "CHLGZ_PierInfo.h"
#include "MavUtils.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace {

constexpr double kTol = 1e-9;
constexpr double kIndent = 5.0256;

struct NoteText {
    std::wstring text;
    AcGePoint3d position;
};

const std::vector<std::wstring> kDoubleSided = { L"2、钢筋骨架采用双面焊焊接，焊缝长度不小于5d。骨架焊缝在",
    L"两根钢筋相重叠段应增加，其焊缝间距为不大于100cm，焊", L"缝长度为2.5d。" };
const std::vector<std::wstring> kSingleSided = { L"2、钢筋骨架采用单面焊焊接，焊缝长度不小于10d。骨架焊缝在",
    L"两根钢筋相重叠段应增加，其焊缝间距为不大于100cm，焊", L"缝长度为5d。" };

std::vector<std::wstring> Texts(const std::vector<NoteText>& notes)
{
    std::vector<std::wstring> out;
    for (const NoteText& n : notes)
        out.push_back(n.text);
    return out;
}

} // namespace

class DrawingNotes : public PluginFixture {
protected:
    void SetUp() override
    {
        PluginFixture::SetUp();
        Fresh();
    }

    // A new drawing with the layers of the notes and the titles, and the sample design again.
    void Fresh()
    {
        app().docManager().newDocument();
        for (const wchar_t* name : { L"01-图框", L"09-文本" }) {
            AcDbObjectId id;
            MavUtils::createLayerEx(name, L"Continuous", id, 1, false, false, false, false, 0);
        }
        // The set-up's title style, which the title block's texts use.
        CGLGZ_EtDraw styles;
        AcDbObjectId style;
        styles.CreateTextStyle(L"BT", 0.0, 0.0, style);
        CBent_PierInfo design;
        ReadExample("sample.glt", design, geometry);
        model = design;
        model.GetAddInfo().SetApplicableTo(L"3");
    }

    template <class Draw>
    void Feed(Draw& draw)
    {
        draw.m_pDesign = &model;
        draw.m_pGeometry = &geometry;
        draw.PrepareDrawing();
        draw.m_bHalfDrawing = 0;
        draw.m_bHalfPlan = 0;
    }

    // The texts on the notes layer whose position lies on the sheet at origin, top down.
    std::vector<NoteText> NotesOnSheet(const AcGePoint3d& origin) const
    {
        std::vector<NoteText> out;
        for (AcDbObjectId id : entitiesOf<AcDbText>()) {
            ReadBack<AcDbText> text(id);
            const AcGePoint3d p = text->position();
            // Above the title block, whose cells hold the sheet's own texts.
            if (layerOf(id) != L"09-文本" || p.y < origin.y + 30.0 || p.y > origin.y + 277.0)
                continue;
            EXPECT_EQ(text->height(), 3.5);
            EXPECT_EQ(text->widthFactor(), 0.85);
            EXPECT_EQ(AcDbDatabase::symbolName(text->textStyle()), L"FZ");
            out.push_back({ text->textStringConst(), p });
        }
        std::stable_sort(out.begin(), out.end(), [](const NoteText& a, const NoteText& b) {
            return a.position.y > b.position.y;
        });
        return out;
    }

    CHLGZ_PierInfo model;
    CBent_BasicGeometry geometry;
};

TEST_F(DrawingNotes, FurtherSheetNotesStandUpFromTheFrameCornerUnderTheirHeading)
{
    CGLGZ_EtDraw draw;
    Feed(draw);
    for (int i : { 1, 0, 1, 1, 0, 1, 1, 0, 1 })
        draw.m_bSkeletonColumn.append(i);
    const AcGePoint3d p(30.0, -350.0, 0.0);
    draw.DrawSheetNotes(p);

    const std::vector<std::wstring> lines = { L"1、图中尺寸除钢筋直径以毫米计外，余均以厘米为单位。", kDoubleSided[0],
        kDoubleSided[1], kDoubleSided[2], L"3、盖梁施工时应注意预埋防震挡块及支座垫石钢筋。",
        L"4、图中仅示出骨架A、B、C，骨架D、E、F依次反对称于骨架", L"C、B、A。",
        L"5、进行桥墩盖梁施工时，务必注意盖梁的横坡方向和斜交方向，具体", L"详见《桥墩一般构造》。",
        L"6、本图适用于3号墩。" };
    const std::vector<NoteText> notes = NotesOnSheet(p);
    ASSERT_EQ(notes.size(), lines.size() + 1);
    EXPECT_EQ(notes[0].text, L"注");
    EXPECT_NEAR(notes[0].position.x, p.x + 283.0, kTol);
    EXPECT_NEAR(notes[0].position.y, p.y + 33.0 + 50.0, kTol);
    for (size_t i = 0; i < lines.size(); ++i) {
        SCOPED_TRACE(i);
        const NoteText& n = notes[i + 1];
        EXPECT_EQ(n.text, lines[i]);
        const bool numbered = lines[i][0] >= L'0' && lines[i][0] <= L'9';
        EXPECT_NEAR(n.position.x, p.x + 285.0 + (numbered ? 0.0 : kIndent), kTol);
        EXPECT_NEAR(n.position.y, p.y + 33.0 + 5.0 * static_cast<double>(lines.size() - 1 - i), kTol);
        EXPECT_EQ(n.position.z, 0.0);
    }
}

TEST_F(DrawingNotes, TheSkeletonNoteNamesTheShownSkeletonsByTheOccupiedColumns)
{
    struct Case {
        int occupied;
        int halfDrawing;
        std::wstring first, second;
    } cases[] = {
        { 4, 0, L"4、图中仅示出骨架A、B，骨架C、D依次反对称于骨架B、A。", L"" },
        { 7, 0, L"4、图中仅示出骨架A、B、C、D，骨架E、F、G依次反对称于骨", L"架C、B、A。" },
        { 10, 0, L"4、图中仅示出骨架A、B、C、D、E，骨架F、G、H、I、J依次反对", L"称于骨架E、D、C、B、A。" },
        { 3, 0, L"", L"" },
        { 11, 0, L"", L"" },
        { 6, 1, L"", L"" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.occupied);
        Fresh();
        CGLGZ_EtDraw draw;
        Feed(draw);
        draw.m_bHalfDrawing = c.halfDrawing;
        for (int i = 0; i < 12; ++i)
            draw.m_bSkeletonColumn.append(i < c.occupied ? 2 : 0);
        const AcGePoint3d p(0.0, 0.0, 0.0);
        draw.DrawSheetNotes(p);
        const std::vector<NoteText> notes = NotesOnSheet(p);
        // The note's two lines keep their places even when empty; a half drawing has none.
        const int lines = c.halfDrawing ? 8 : 10;
        ASSERT_FALSE(notes.empty());
        EXPECT_NEAR(notes[0].position.y, 33.0 + 5.0 * lines, kTol);
        std::vector<std::wstring> note4;
        for (const NoteText& n : notes) {
            if (!c.halfDrawing && (std::abs(n.position.y - 53.0) < kTol || std::abs(n.position.y - 48.0) < kTol))
                note4.push_back(n.text);
        }
        std::vector<std::wstring> expected;
        for (const std::wstring& line : { c.first, c.second }) {
            if (!line.empty())
                expected.push_back(line);
        }
        EXPECT_EQ(note4, expected);
        const int empty = c.halfDrawing ? 0 : 2 - static_cast<int>(expected.size());
        EXPECT_EQ(static_cast<int>(notes.size()), 1 + lines - empty);
    }
}

TEST_F(DrawingNotes, TheWeldNoteFollowsTheDesignsWeldType)
{
    struct Case {
        int weldType;
        const std::vector<std::wstring>* lines;
    } cases[] = { { 0, &kDoubleSided }, { 1, &kSingleSided }, { 2, &kSingleSided } };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.weldType);
        Fresh();
        model.GetMoreInfo().SetWeldType(c.weldType);
        CGLGZ_EtDraw et;
        CGLGZ_BtDraw bt;
        Feed(et);
        Feed(bt);
        const AcGePoint3d etSheet(0.0, 0.0, 0.0), btSheet(0.0, -350.0, 0.0);
        et.DrawSheetNotes(etSheet);
        bt.DrawSheetNotes(btSheet);
        for (const AcGePoint3d& sheet : { etSheet, btSheet }) {
            const std::vector<std::wstring> texts = Texts(NotesOnSheet(sheet));
            ASSERT_GE(texts.size(), 5u);
            EXPECT_EQ(std::vector<std::wstring>(texts.begin() + 2, texts.begin() + 5), *c.lines);
        }
    }
}

TEST_F(DrawingNotes, TheSlopeAndApplicabilityNotesFollowTheCapKindAndSkew)
{
    struct Case {
        int abutment;
        double leftAngle;
        std::vector<std::wstring> tail;
    } cases[] = {
        { 1, 70.0,
            { L"5、进行桥台盖梁施工时，务必注意盖梁的横坡方向和斜交方向，具体详见《桥", L"台一般构造》。",
                L"6、本图适用于3号台。" } },
        { 1, 90.0,
            { L"5、进行桥台盖梁施工时，务必注意盖梁的横坡方向，具体详见《桥", L"台一般构造》。", L"6、本图适用于3号台。" } },
        { 0, 105.0,
            { L"5、进行桥墩盖梁施工时，务必注意盖梁的横坡方向和斜交方向，具体", L"详见《桥墩一般构造》。",
                L"6、本图适用于3号墩。" } },
        { 0, 90.0,
            { L"5、进行桥墩盖梁施工时，务必注意盖梁的横坡方向，具体详见《桥", L"墩一般构造》。", L"6、本图适用于3号墩。" } },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.leftAngle);
        Fresh();
        geometry.dLeftAngle = c.leftAngle;
        CGLGZ_EtDraw draw;
        Feed(draw);
        draw.m_bAbutment = c.abutment;
        // The first sheet of a half drawing: notes 1 to 3, 5 and 6.
        draw.m_bHalfPlan = 1;
        draw.m_ptsSheetOrigins.append(AcGePoint3d::kOrigin);
        draw.DrawFirstSheetNotes(AcGePoint3d::kOrigin);
        const std::vector<std::wstring> texts = Texts(NotesOnSheet(AcGePoint3d::kOrigin));
        ASSERT_EQ(texts.size(), 9u);
        EXPECT_EQ(texts[5], L"3、盖梁施工时应注意预埋防震挡块及支座垫石钢筋。");
        EXPECT_EQ(std::vector<std::wstring>(texts.begin() + 6, texts.end()), c.tail);
    }
}

TEST_F(DrawingNotes, TheSkewSectionSlopeNoteBreaksItsSkewLinesOtherwiseOnFurtherSheets)
{
    const std::wstring abutmentSquare[2] = { L"4、进行桥台盖梁施工时，务必注意盖梁的横坡方向，具体详见《桥", L"台一般构造》。" };
    const std::wstring pierSquare[2] = { L"4、进行桥墩盖梁施工时，务必注意盖梁的横坡方向，具体详见《桥", L"墩一般构造》。" };
    struct Case {
        int abutment;
        double leftAngle;
        int further;
        std::wstring note4[2];
        std::wstring note5;
    } cases[] = {
        { 1, 70.0, 0, { L"4、进行桥台盖梁施工时，务必注意盖梁的横坡方向和斜交方向，具", L"体详见《桥台一般构造》。" },
            L"5、本图适用于3号台。" },
        { 1, 70.0, 1, { L"4、进行桥台盖梁施工时，务必注意盖梁的横坡方向和斜交方向，具体详见《桥", L"台一般构造》。" },
            L"5、本图适用于3号台。" },
        { 1, 90.0, 0, { abutmentSquare[0], abutmentSquare[1] }, L"5、本图适用于3号台。" },
        { 1, 90.0, 1, { abutmentSquare[0], abutmentSquare[1] }, L"5、本图适用于3号台。" },
        { 0, 70.0, 0, { L"4、进行桥墩盖梁施工时，务必注意盖梁的横坡方向和斜交方向，具", L"体详见《桥墩一般构造》。" },
            L"5、本图适用于3号墩。" },
        { 0, 70.0, 1, { L"4、进行桥墩盖梁施工时，务必注意盖梁的横坡方向和斜交方向，具体", L"详见《桥墩一般构造》。" },
            L"5、本图适用于3号墩。" },
        { 0, 90.0, 0, { pierSquare[0], pierSquare[1] }, L"5、本图适用于3号墩。" },
        { 0, 90.0, 1, { pierSquare[0], pierSquare[1] }, L"5、本图适用于3号墩。" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.abutment) + " " + std::to_string(c.leftAngle) + " " + std::to_string(c.further));
        Fresh();
        geometry.dLeftAngle = c.leftAngle;
        CGLGZ_BtDraw draw;
        Feed(draw);
        draw.m_bAbutment = c.abutment;
        draw.m_ptsSheetOrigins.append(AcGePoint3d::kOrigin);
        draw.m_ptsSheetOrigins.append(AcGePoint3d(0.0, -350.0, 0.0));
        if (c.further) {
            draw.DrawSheetNotes(AcGePoint3d::kOrigin);
        } else {
            draw.m_bHalfPlan = 1;
            draw.DrawFirstSheetNotes(AcGePoint3d::kOrigin);
        }
        const std::vector<std::wstring> texts = Texts(NotesOnSheet(AcGePoint3d::kOrigin));
        const std::vector<std::wstring> tail = { c.note4[0], c.note4[1], c.note5 };
        ASSERT_EQ(texts.size(), 9u);
        EXPECT_EQ(texts[1], L"1、图中尺寸除钢筋直径以毫米计外，余均以厘米为单位。");
        EXPECT_EQ(std::vector<std::wstring>(texts.begin() + 6, texts.end()), tail);
    }
}

TEST_F(DrawingNotes, SheetTitlesPlaceTheNotesOfEachSheet)
{
    struct Case {
        const char* name;
        int half;
        int sheets;
        int codes;
        // Per sheet: the x of the heading from the sheet's origin (0 for no notes) and the
        // number of note lines.
        std::vector<std::pair<double, int>> blocks;
    } cases[] = {
        { "whole, three sheets", 0, 3, 27, { { 0.0, 0 }, { 283.0, 10 }, { 283.0, 10 } } },
        { "whole, long bar-code list", 0, 3, 28, { { 0.0, 0 }, { 283.0, 10 }, { 158.0, 10 } } },
        { "whole, one sheet", 0, 1, 0, { { 283.0, 10 } } },
        { "half, two sheets", 1, 2, 0, { { 283.0, 8 }, { 283.0, 8 } } },
        { "half, one sheet", 1, 1, 0, { { 283.0, 8 } } },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Fresh();
        CGLGZ_EtDraw draw;
        Feed(draw);
        draw.m_bHalfPlan = draw.m_bHalfDrawing = c.half;
        for (int i = 0; i < 6; ++i)
            draw.m_bSkeletonColumn.append(1);
        draw.m_steelCodes.SetSize(c.codes);
        for (int i = 0; i < c.sheets; ++i)
            draw.NextViewOrigin();
        draw.DrawSheetTitles();
        EXPECT_EQ(draw.m_nSheets, c.sheets);
        for (int i = 0; i < c.sheets; ++i) {
            SCOPED_TRACE(i);
            const AcGePoint3d origin = draw.m_ptsSheetOrigins[i];
            const std::vector<NoteText> notes = NotesOnSheet(origin);
            if (c.blocks[i].second == 0) {
                EXPECT_TRUE(notes.empty());
                continue;
            }
            ASSERT_EQ(static_cast<int>(notes.size()), c.blocks[i].second + 1);
            EXPECT_EQ(notes[0].text, L"注");
            EXPECT_NEAR(notes[0].position.x, origin.x + c.blocks[i].first, kTol);
            EXPECT_NEAR(notes[0].position.y, origin.y + 33.0 + 5.0 * c.blocks[i].second, kTol);
            EXPECT_EQ(notes.back().text, L"6、本图适用于3号墩。");
        }
    }
}

TEST_F(DrawingNotes, SheetTitlesCarryTheSheetNumeralOnlyWhenThereAreSeveralSheets)
{
    struct Case {
        int abutment;
        double leftAngle;
        int sheets;
        const wchar_t* title;
        const wchar_t* angle;
    } cases[] = {
        { 0, 70.0, 1, L"桥墩盖梁钢筋构造", L"20°" },
        { 0, 105.0, 3, L"桥墩盖梁钢筋构造（三）", L"15°" },
        { 1, 75.0, 2, L"桥台盖梁钢筋构造（二）", L"15°" },
        { 0, 90.0, 1, L"桥墩盖梁钢筋构造", L"0°" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.title);
        geometry.dLeftAngle = c.leftAngle;
        CGLGZ_BtDraw draw;
        Feed(draw);
        draw.m_bAbutment = c.abutment;
        for (int i = 0; i < c.sheets; ++i)
            draw.NextViewOrigin();
        draw.DrawSheetTitles();
        EXPECT_EQ(std::wstring(draw.m_frame.m_strTitles[0].GetString()), c.title);
        EXPECT_EQ(std::wstring(draw.m_frame.m_strTitles[1].GetString()), c.angle);
        EXPECT_EQ(std::wstring(draw.m_frame.m_strTitles[3].GetString()), std::to_wstring(c.sheets));
        EXPECT_EQ(std::wstring(draw.m_frame.m_strTitles[4].GetString()), std::to_wstring(c.sheets));
        // The last sheet's texts stand in the title block's value cells.
        const AcGePoint3d sheet = draw.m_ptsSheetOrigins[c.sheets - 1];
        const struct {
            std::wstring text;
            double x, y;
        } cells[] = { { c.title, 220.0, 10.0 }, { L"1:100", 327.5, 10.0 }, { c.angle, 372.5, 20.0 },
            { std::to_wstring(c.sheets), 372.5, 10.0 }, { std::to_wstring(c.sheets), 372.5, 0.0 } };
        for (const auto& cell : cells) {
            int found = 0;
            for (AcDbObjectId id : entitiesOf<AcDbText>()) {
                ReadBack<AcDbText> text(id);
                found += text->textStringConst() == cell.text
                    && text->alignmentPoint().isEqualTo(AcGePoint3d(sheet.x + cell.x, sheet.y + cell.y, 0.0));
            }
            EXPECT_EQ(found, 1) << cell.x << "," << cell.y;
        }
        Fresh();
    }
}
