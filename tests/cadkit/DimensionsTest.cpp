// Dimensions made through the entity factory and the system's dimension styles: what a style is
// given reaches the saved drawing, dimensions show their measurement, styles are copied and
// listed, dimensions edited, zeros stripped from number texts.
#include "FactoryFixture.h"

#include "MavUtils.h"

#include "AcDb2LineAngularDimension.h"
#include "AcDbAlignedDimension.h"
#include "AcDbDiametricDimension.h"
#include "AcDbDimStyleTable.h"
#include "AcDbLine.h"
#include "AcDbMText.h"
#include "AcDbRadialDimension.h"
#include "AcDbRotatedDimension.h"

#include <cstdio>
#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <unistd.h>

namespace {

const AcGePoint3d kO(0.0, 0.0, 0.0);

// What createDimStyle is given, so that one case can be written and checked whole.
struct StyleArgs {
    double scale = 1.0;
    int decimals = 1, angularDecimals = 1;
    double textHeight = 2.5, extensionBeyond = 1.0, extensionOffset = 0.75, textGap = 0.75, arrowSize = 2.5;
    const wchar_t* arrowBlock = L"MavArrows";
    const wchar_t* textStyle = L"NULL";
};

Acad::ErrorStatus makeStyle(MavEntityLib& f, const wchar_t* name, const StyleArgs& a, AcDbObjectId& id, int update)
{
    return f.createDimStyle(a.scale, name, id, a.decimals, a.angularDecimals, a.textHeight, a.extensionBeyond,
        a.extensionOffset, a.textGap, a.arrowSize, a.arrowBlock, a.textStyle, update);
}

// The variables the system's set writes from the arguments, and its fixed ones.
void expectStyle(AcDbObjectId id, const StyleArgs& a)
{
    ReadBack<AcDbDimStyleTableRecord> s(id);
    ASSERT_TRUE(s);
    EXPECT_EQ(s->dimdec(), a.decimals);
    EXPECT_EQ(s->dimadec(), a.angularDecimals);
    EXPECT_EQ(s->dimasz(), a.arrowSize);
    EXPECT_EQ(s->dimtxt(), a.textHeight);
    EXPECT_EQ(s->dimlfac(), a.scale);
    EXPECT_EQ(s->dimexe(), a.extensionBeyond);
    EXPECT_EQ(s->dimexo(), a.extensionOffset);
    EXPECT_EQ(s->dimgap(), a.textGap);
    EXPECT_EQ(s->dimaltd(), 3);
    EXPECT_EQ(s->dimtad(), 1);
    EXPECT_EQ(s->dimdsep(), L'.');
    EXPECT_FALSE(s->dimtih());
    EXPECT_FALSE(s->dimtoh());
    EXPECT_TRUE(s->dimtix());
    EXPECT_TRUE(s->dimtofl());
    EXPECT_FALSE(s->dimsoxd());
    EXPECT_EQ(s->dimtolj(), 1);
    EXPECT_EQ(s->dimzin(), 8);
}

// NAME=VALUE lines of a program's output.
std::map<std::string, std::string> runAndRead(const std::string& command, int& status)
{
    std::map<std::string, std::string> values;
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) {
        status = -1;
        return values;
    }
    char line[512];
    while (fgets(line, sizeof line, pipe) != nullptr) {
        std::string text(line);
        while (!text.empty() && (text.back() == '\n' || text.back() == '\r'))
            text.pop_back();
        const auto eq = text.find('=');
        if (eq != std::string::npos)
            values[text.substr(0, eq)] += text.substr(eq + 1);
    }
    status = pclose(pipe);
    return values;
}

} // namespace

class Dimensions : public FactoryFixture {
protected:
    void SetUp() override
    {
        FactoryFixture::SetUp();
        mFolder = std::filesystem::temp_directory_path() / ("corbelkit-dimensions-" + std::to_string(getpid()));
        std::filesystem::create_directories(mFolder);
    }
    void TearDown() override
    {
        FactoryFixture::TearDown();
        std::filesystem::remove_all(mFolder);
    }

    AcDbObjectId standardStyle()
    {
        AcDbObjectId id;
        EXPECT_EQ(mFactory.selectDimStyle(2.0, L"D2"), Acad::eOk);
        EXPECT_EQ(mFactory.getDimStyleId(L"D2", id), Acad::eOk);
        return id;
    }

    // The texts of the multiline texts in a dimension's graphics block.
    static std::vector<std::wstring> shownTexts(AcDbObjectId dimId)
    {
        std::vector<std::wstring> texts;
        AcDbObjectId blockId;
        {
            ReadBack<AcDbDimension> dim(dimId);
            if (!dim)
                return texts;
            blockId = dim->dimBlockId();
        }
        for (AcDbObjectId id : entitiesOf(blockId))
            if (ReadBack<AcDbMText> text(id); text)
                texts.push_back(text->contentsConst());
        return texts;
    }

    std::filesystem::path mFolder;
};

TEST_F(Dimensions, AStyleCarriesEveryVariableItWasGivenIntoTheSavedDrawing)
{
    addBlock(L"MavArrows");
    ASSERT_FALSE(MavUtils::createNewTextStyleEx(L"HZ", 2, 0.0, 0.7, L"txt.shx", L"hztxt.shx", 0).isNull());
    StyleArgs args { 1.5, 2, 3, 3.5, 1.25, 0.5, 0.625, 2.75, L"MavArrows", L"HZ" };
    AcDbObjectId id;
    ASSERT_EQ(makeStyle(mFactory, L"S150", args, id, 0), Acad::eOk);
    const std::filesystem::path file = mFolder / "dimstyle.dxf";
    ASSERT_EQ(db()->saveAs(file.wstring().c_str()), Acad::eOk);

    int status = 0;
    const auto values = runAndRead(
        std::string(CORBEL_PYTHON3) + " " + CORBEL_TEST_DATA + "/dimstyle_dxf.py '" + file.string() + "' S150", status);
    EXPECT_EQ(status, 0);
    const std::map<std::string, std::string> expected { { "dimdec", "2" }, { "dimadec", "3" }, { "dimasz", "2.75" },
        { "dimtxt", "3.5" }, { "dimtxsty", "HZ" }, { "dimblk", "MavArrows" }, { "dimlfac", "1.5" },
        { "dimexe", "1.25" }, { "dimexo", "0.5" }, { "dimgap", "0.625" }, { "dimaltd", "3" }, { "dimtad", "1" },
        { "dimdsep", "46" }, { "dimtih", "0" }, { "dimtoh", "0" }, { "dimtix", "1" }, { "dimtofl", "1" },
        { "dimsoxd", "0" }, { "dimtolj", "1" }, { "dimzin", "8" } };
    EXPECT_EQ(values, expected);
}

// A new style left without a text style (none named, or one that is missing) is given the
// drawing's standard one when it joins the drawing.
TEST_F(Dimensions, ANewStyleWithoutItsTextStyleTakesTheStandardOne)
{
    int n = 0;
    for (const wchar_t* name : { L"NULL", L"", L"缺少" }) {
        SCOPED_TRACE(n);
        StyleArgs args;
        args.textStyle = name;
        AcDbObjectId id;
        ASSERT_EQ(makeStyle(mFactory, (L"T" + std::to_wstring(n++)).c_str(), args, id, 0), Acad::eOk);
        expectStyle(id, args);
        ReadBack<AcDbDimStyleTableRecord> style(id);
        EXPECT_EQ(style->dimtxsty(), db()->textstyle());
        // Without a block of that name the arrows stay closed filled.
        EXPECT_TRUE(style->dimblk().isNull());
    }
}

TEST_F(Dimensions, AnExistingStyleIsKeptOrRewrittenWhole)
{
    StyleArgs first;
    StyleArgs second { 3.0, 2, 0, 5.0, 2.0, 1.5, 1.0, 4.0, L"", L"NULL" };
    AcDbObjectId id, again, rewritten;
    ASSERT_EQ(makeStyle(mFactory, L"S", first, id, 0), Acad::eOk);
    ASSERT_EQ(makeStyle(mFactory, L"S", second, again, 0), Acad::eOk);
    EXPECT_EQ(again, id);
    expectStyle(id, first);
    ASSERT_EQ(makeStyle(mFactory, L"S", second, rewritten, 1), Acad::eOk);
    EXPECT_EQ(rewritten, id);
    expectStyle(id, second);
}

// A style that cannot be opened for write is reported and left as it was.
TEST_F(Dimensions, AStyleThatCannotBeOpenedIsNotRewritten)
{
    StyleArgs first;
    AcDbObjectId id;
    ASSERT_EQ(makeStyle(mFactory, L"S", first, id, 0), Acad::eOk);
    AcDbObjectId untouched = db()->dimstyle();
    {
        HeldForWrite held(id);
        EXPECT_EQ(makeStyle(mFactory, L"S", StyleArgs { 3.0 }, untouched, 1), Acad::eWasOpenForWrite);
    }
    EXPECT_EQ(untouched, db()->dimstyle());
    expectStyle(id, first);
}

TEST_F(Dimensions, SelectingByScaleMakesTheStyleOrChangesOnlyItsScale)
{
    const AcDbObjectId made = standardStyle();
    EXPECT_EQ(db()->dimstyle(), made);
    StyleArgs standard;
    standard.scale = 2.0;
    expectStyle(made, standard);

    StyleArgs other { 1.0, 3, 2, 4.0, 2.0, 1.0, 1.0, 3.0, L"", L"NULL" };
    AcDbObjectId id;
    ASSERT_EQ(makeStyle(mFactory, L"OTHER", other, id, 0), Acad::eOk);
    EXPECT_EQ(mFactory.selectDimStyle(0.5, L"OTHER"), Acad::eOk);
    EXPECT_EQ(db()->dimstyle(), id);
    other.scale = 0.5;
    expectStyle(id, other);
    EXPECT_EQ(transcript(), L"");
}

TEST_F(Dimensions, SelectingByNameGivesThePreviousStyle)
{
    const AcDbObjectId standardId = db()->dimstyle();
    AcDbObjectId id;
    ASSERT_EQ(makeStyle(mFactory, L"S", StyleArgs {}, id, 0), Acad::eOk);
    AcDbObjectId previous;
    EXPECT_EQ(mFactory.selectDimStyle(L"S", previous), Acad::eOk);
    EXPECT_EQ(previous, standardId);
    EXPECT_EQ(db()->dimstyle(), id);

    EXPECT_EQ(mFactory.selectDimStyle(L"缺少", previous), Acad::eKeyNotFound);
    EXPECT_EQ(previous, standardId);
    EXPECT_EQ(db()->dimstyle(), id);
    {
        HeldForWrite held(id);
        EXPECT_EQ(mFactory.selectDimStyle(L"S", previous), Acad::eWasOpenForWrite);
    }
    EXPECT_EQ(transcript(), L"open dim style id error:eWasOpenForWrite!\n");
}

// Linear values take the style's scale (2); angles do not.
TEST_F(Dimensions, EveryKindShowsItsMeasurementInItsGraphics)
{
    standardStyle();
    wchar_t styleName[] = L"D2";
    wchar_t prefixed[] = L"L=<>";
    wchar_t measured[] = L"";
    const struct {
        const char* kind;
        std::function<Acad::ErrorStatus(MavEntityLib&, AcDbObjectId&)> create;
        AcRxClass* cls;
        const wchar_t* shown;
    } cases[] = {
        { "rotated",
            [&](MavEntityLib& f, AcDbObjectId& id) {
                return f.createDimRotation(0.0, kO, AcGePoint3d(25, 40, 0), AcGePoint3d(0, 50, 0), L"", L"D2", id);
            },
            AcDbRotatedDimension::desc(), L"50" },
        { "aligned",
            [&](MavEntityLib& f, AcDbObjectId& id) {
                return f.createDimAligned(
                    kO, AcGePoint3d(30, 40, 0), AcGePoint3d(-10, 10, 0), prefixed, L"D2", id, 0, 0.0);
            },
            AcDbAlignedDimension::desc(), L"L=100" },
        { "diametric",
            [&](MavEntityLib& f, AcDbObjectId& id) {
                return f.createDimDia(AcGePoint3d(10, 0, 0), AcGePoint3d(-10, 0, 0), 5.0, measured, styleName, id);
            },
            AcDbDiametricDimension::desc(), L"%%c40" },
        { "radial",
            [&](MavEntityLib& f, AcDbObjectId& id) {
                return f.createDimRad(kO, AcGePoint3d(0, 10, 0), 5.0, measured, styleName, id);
            },
            AcDbRadialDimension::desc(), L"R20" },
        { "angular",
            [&](MavEntityLib& f, AcDbObjectId& id) {
                return f.createDim2LineAng(kO, AcGePoint3d(10, 0, 0), kO, AcGePoint3d(0, 10, 0),
                    AcGePoint3d(5, 5, 0), measured, styleName, id);
            },
            AcDb2LineAngularDimension::desc(), L"90%%d" },
    };
    const AcDbObjectId styleId = db()->dimstyle();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.kind);
        AcDbObjectId id;
        ASSERT_EQ(c.create(mFactory, id), Acad::eOk);
        EXPECT_EQ(entitiesOf(db()->modelSpaceId()).back(), id);
        {
            ReadBack<AcDbDimension> dim(id);
            ASSERT_TRUE(dim);
            EXPECT_TRUE(dim->isKindOf(c.cls));
            EXPECT_EQ(dim->dimensionStyle(), styleId);
        }
        EXPECT_EQ(shownTexts(id), std::vector<std::wstring> { c.shown });
    }
}

TEST_F(Dimensions, ARotatedDimensionNeedsItsOriginsAThousandthApartAndTakesItsLayer)
{
    const AcDbObjectId style = standardStyle();
    AcDbObjectId id = style;
    EXPECT_EQ(mFactory.createDimRotation(0.0, kO, AcGePoint3d(0.00005, 0, 0), AcGePoint3d(0, 5, 0), L"", style, id),
        Acad::eOk);
    EXPECT_EQ(id, style);
    EXPECT_TRUE(entitiesOf(db()->modelSpaceId()).empty());
    EXPECT_EQ(mFactory.createDimRotation(0.0, kO, AcGePoint3d(0.0001, 0, 0), AcGePoint3d(0, 5, 0), L"", style, id),
        Acad::eOk);
    EXPECT_EQ(entitiesOf(db()->modelSpaceId()), std::vector<AcDbObjectId> { id });
    EXPECT_EQ(ReadBack<AcDbDimension>(id)->layerId(), db()->clayer());

    AcDbObjectId layerId;
    ASSERT_EQ(MavUtils::createLayerEx(L"标注", nullptr, layerId, 3, false, false, false, false, 0), Acad::eOk);
    AcDbObjectId onLayer;
    EXPECT_EQ(mFactory.createDimRotation(
                  onLayer, 0.0, kO, AcGePoint3d(10, 0, 0), AcGePoint3d(0, 5, 0), L"", L"D2", L"标注"),
        Acad::eOk);
    EXPECT_EQ(ReadBack<AcDbDimension>(onLayer)->layerId(), layerId);
}

TEST_F(Dimensions, AnAlignedDimensionTakesAPositiveColourAndATextRotationAboveAMillionth)
{
    const AcDbObjectId style = standardStyle();
    const Adesk::UInt16 byDatabase = db()->cecolor().colorIndex();
    const struct {
        int colour;
        double rotation;
        Adesk::UInt16 colourKept;
        double rotationKept;
    } cases[] = { { 0, 0.000001, byDatabase, 0.0 }, { -2, 0.0000011, byDatabase, 0.0000011 },
        { 3, -0.5, 3, -0.5 } };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.colour);
        AcDbObjectId id;
        ASSERT_EQ(mFactory.createDimAligned(kO, AcGePoint3d(10, 0, 0), AcGePoint3d(0, 5, 0), nullptr, style, id,
                      c.colour, c.rotation),
            Acad::eOk);
        ReadBack<AcDbAlignedDimension> dim(id);
        ASSERT_TRUE(dim);
        EXPECT_EQ(dim->colorIndex(), c.colourKept);
        EXPECT_EQ(dim->textRotation(), c.rotationKept);
    }
}

TEST_F(Dimensions, AStyleNameThatIsMissingMakesNothing)
{
    wchar_t missing[] = L"缺少";
    wchar_t text[] = L"";
    const AcGePoint3d p(10, 0, 0), q(0, 5, 0);
    AcDbObjectId id;
    EXPECT_EQ(mFactory.createDimRotation(0.0, kO, p, q, L"", missing, id), Acad::eKeyNotFound);
    EXPECT_EQ(mFactory.createDimRotation(id, 0.0, kO, p, q, L"", missing, L""), Acad::eKeyNotFound);
    EXPECT_EQ(mFactory.createDimAligned(kO, p, q, text, missing, id, 0, 0.0), Acad::eKeyNotFound);
    EXPECT_EQ(mFactory.createDimDia(p, AcGePoint3d(-10, 0, 0), 1.0, text, missing, id),
        Acad::eKeyNotFound);
    EXPECT_EQ(mFactory.createDimRad(kO, p, 1.0, text, missing, id), Acad::eKeyNotFound);
    EXPECT_EQ(mFactory.createDim2LineAng(kO, p, kO, q, AcGePoint3d(5, 5, 0), text, missing, id), Acad::eKeyNotFound);
    EXPECT_TRUE(id.isNull());
    EXPECT_TRUE(entitiesOf(db()->modelSpaceId()).empty());
}

TEST_F(Dimensions, AFactoryWithABlockPutsItsDimensionsThere)
{
    const AcDbObjectId style = standardStyle();
    const AcDbObjectId blockId = addBlock(L"DIMS");
    openTarget(blockId, AcDb::kForWrite);
    AcDbObjectId id;
    EXPECT_EQ(mFactory.createDimRotation(0.0, kO, AcGePoint3d(12, 0, 0), AcGePoint3d(0, 5, 0), L"", style, id),
        Acad::eOk);
    closeTarget();
    EXPECT_EQ(entitiesOf(blockId), std::vector<AcDbObjectId> { id });
    EXPECT_EQ(shownTexts(id), std::vector<std::wstring> { L"24" });
}

TEST_F(Dimensions, StylesAreFoundAndListedAfterWhatTheListHeld)
{
    AcDbObjectId id, found;
    ASSERT_EQ(makeStyle(mFactory, L"S1", StyleArgs {}, id, 0), Acad::eOk);
    EXPECT_EQ(MavUtils::getDimStyleId(L"S1", found), Acad::eOk);
    EXPECT_EQ(found, id);
    EXPECT_EQ(MavUtils::getDimStyleId(L"缺少", found), Acad::eKeyNotFound);
    EXPECT_TRUE(found.isNull());

    AcDbDimStyleTableRecord* record = nullptr;
    ASSERT_EQ(MavUtils::getDimStyleTableRecord(L"S1", record), Acad::eOk);
    EXPECT_EQ(record->objectId(), id);
    EXPECT_TRUE(record->isReadEnabled());
    record->close();
    EXPECT_EQ(MavUtils::getDimStyleTableRecord(L"缺少", record), Acad::eKeyNotFound);

    CStringArray names;
    names.Add(L"earlier");
    EXPECT_EQ(MavUtils::collectDimStyleNames(names), Acad::eOk);
    ASSERT_EQ(names.GetSize(), 3);
    EXPECT_EQ(names[0], CString(L"earlier"));
    EXPECT_EQ(names[1], CString(L"Standard"));
    EXPECT_EQ(names[2], CString(L"S1"));
}

TEST_F(Dimensions, ACopiedStyleTakesAllButItsTextStyleAndGap)
{
    const AcDbObjectId arrows = addBlock(L"MavArrows");
    ASSERT_FALSE(MavUtils::createNewTextStyleEx(L"HZ", 2, 0.0, 0.7, L"txt.shx", L"hztxt.shx", 0).isNull());
    StyleArgs args { 1.5, 2, 3, 3.5, 1.25, 0.5, 0.625, 2.75, L"MavArrows", L"HZ" };
    AcDbObjectId sourceId, copyId;
    ASSERT_EQ(makeStyle(mFactory, L"SRC", args, sourceId, 0), Acad::eOk);
    {
        ReadBack<AcDbDimStyleTableRecord> source(sourceId);
        ASSERT_EQ(MavUtils::createDimStyleHideSideLines(L"COPY", source.operator->(), copyId), Acad::eOk);
    }
    ReadBack<AcDbDimStyleTableRecord> copy(copyId);
    ASSERT_TRUE(copy);
    const AcDbDimStyleTableRecord fresh;
    EXPECT_EQ(copy->dimblk(), arrows);
    EXPECT_EQ(copy->dimtxsty(), db()->textstyle());
    EXPECT_EQ(copy->dimgap(), fresh.dimgap());
    EXPECT_EQ(copy->dimdec(), 2);
    EXPECT_EQ(copy->dimadec(), 3);
    EXPECT_EQ(copy->dimasz(), 2.75);
    EXPECT_EQ(copy->dimtxt(), 3.5);
    EXPECT_EQ(copy->dimlfac(), 1.5);
    EXPECT_EQ(copy->dimexe(), 1.25);
    EXPECT_EQ(copy->dimexo(), 0.5);
    EXPECT_EQ(copy->dimaltd(), 3);
    EXPECT_EQ(copy->dimtad(), 1);
    EXPECT_FALSE(copy->dimtih());
    EXPECT_TRUE(copy->dimtix());
    EXPECT_TRUE(copy->dimtofl());
    EXPECT_EQ(copy->dimzin(), 8);

    AcDbObjectId existing;
    ReadBack<AcDbDimStyleTableRecord> standard(db()->dimstyle());
    EXPECT_EQ(MavUtils::createDimStyleHideSideLines(L"SRC", standard.operator->(), existing), Acad::eOk);
    EXPECT_EQ(existing, sourceId);
}

TEST_F(Dimensions, OnlyAlignedDimensionsTakeAnObliqueAngle)
{
    const AcDbObjectId style = standardStyle();
    AcDbObjectId aligned, rotated;
    mFactory.createDimAligned(kO, AcGePoint3d(10, 0, 0), AcGePoint3d(0, 5, 0), nullptr, style, aligned, 0, 0.0);
    mFactory.createDimRotation(0.0, kO, AcGePoint3d(10, 0, 0), AcGePoint3d(0, 5, 0), L"", style, rotated);
    EXPECT_EQ(MavUtils::changeDimensionLineOblique(aligned, 1.0), Acad::eOk);
    EXPECT_EQ(ReadBack<AcDbAlignedDimension>(aligned)->oblique(), 1.0);
    EXPECT_EQ(MavUtils::changeDimensionLineOblique(rotated, 1.0), Acad::eInvalidInput);
    EXPECT_EQ(MavUtils::changeDimensionLineOblique(mFactory.createLine(kO, AcGePoint3d(1, 1, 0)), 1.0),
        Acad::eInvalidInput);
}

TEST_F(Dimensions, ArrowsAndExtensionLinesChangeWhileTheTextStays)
{
    const AcDbObjectId style = standardStyle();
    const AcDbObjectId tick = addBlock(L"TICK");
    const struct {
        int mode;
        bool first, second;
    } cases[] = { { -1, true, false }, { 1, false, true }, { 2, true, true }, { 0, false, false } };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.mode);
        AcDbObjectId id;
        mFactory.createDimRotation(0.0, kO, AcGePoint3d(10, 0, 0), AcGePoint3d(0, 5, 0), L"", style, id);
        const AcGePoint3d textAt = ReadBack<AcDbDimension>(id)->textPosition();
        EXPECT_EQ(MavUtils::changeDimensionArrowAndExtLinesStatus(id, L"TICK", nullptr, c.mode, 2), Acad::eOk);
        ReadBack<AcDbDimension> dim(id);
        ASSERT_TRUE(dim);
        EXPECT_EQ(dim->dimse1(), c.first);
        EXPECT_EQ(dim->dimse2(), c.second);
        EXPECT_TRUE(dim->dimsah());
        EXPECT_EQ(dim->dimblk1(), tick);
        EXPECT_TRUE(dim->dimblk2().isNull());
        EXPECT_EQ(dim->dimtmove(), 2);
        EXPECT_FALSE(dim->dimtix());
        EXPECT_EQ(dim->textPosition(), textAt);
    }
    EXPECT_EQ(MavUtils::changeDimensionArrowAndExtLinesStatus(
                  mFactory.createLine(kO, AcGePoint3d(1, 1, 0)), nullptr, nullptr, 0, 0),
        Acad::eInvalidInput);
}

TEST(DimensionTexts, ZerosAreStrippedFromTheLeadOrTheTailOfNumbersWithAPoint)
{
    const struct {
        const wchar_t* text;
        int leading;
        const wchar_t* stripped;
    } cases[] = { { L"100", 0, L"100" }, { L"100", 1, L"100" }, { L"1.0", 0, L"1" }, { L"0.0", 0, L"0" },
        { L"2.500 ", 0, L"2.5" }, { L"3.000", 0, L"3" }, { L" 0.25", 1, L".25" }, { L"0.50", 1, L".50" } };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << CString(c.text).GetString() << " " << c.leading);
        CString text = c.text;
        EXPECT_EQ(MavUtils::textZeroSuppression(text, c.leading), Acad::eOk);
        EXPECT_EQ(text, CString(c.stripped));
        EXPECT_EQ(MavUtils::textZeroSuppressionEx(CString(c.text), c.leading), CString(c.stripped));
    }
}
