// Text styles made or updated by name and made current, read back by ezdxf from the saved
// drawing; a style's name from its id.
#include "CadkitFixture.h"

#include "MavEntityLib.h"
#include "MavUtils.h"

#include "AcDbLine.h"
#include "AcDbTextStyleTable.h"

#include <cstdio>
#include <filesystem>
#include <string>
#include <unistd.h>

namespace {

struct StyleState {
    std::wstring file;
    std::wstring bigFont;
    std::wstring face;
    double size = 0.0;
    double xScale = 0.0;
};

StyleState stateOf(AcDbObjectId id)
{
    StyleState state;
    AcDbTextStyleTableRecord* style = nullptr;
    EXPECT_EQ(acdbOpenObject(style, id, AcDb::kForRead), Acad::eOk);
    if (style == nullptr)
        return state;
    const ACHAR* text = nullptr;
    style->fileName(text);
    state.file = text != nullptr ? text : L"";
    style->bigFontFileName(text);
    state.bigFont = text != nullptr ? text : L"";
    state.face = style->typeface();
    state.size = style->textSize();
    state.xScale = style->xScale();
    style->close();
    return state;
}

int styleCount()
{
    AcDbTextStyleTable* table = nullptr;
    EXPECT_EQ(HostApplication::instance().database()->getTextStyleTable(table, AcDb::kForRead), Acad::eOk);
    AcDbTextStyleTableIterator* it = nullptr;
    table->newIterator(it);
    int count = 0;
    for (; !it->done(); it->step())
        ++count;
    delete it;
    table->close();
    return count;
}

std::string run(const std::string& command)
{
    std::string out;
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr)
        return out;
    char buffer[512];
    while (fgets(buffer, sizeof buffer, pipe) != nullptr)
        out += buffer;
    pclose(pipe);
    return out;
}

} // namespace

using TextStyles = CadkitFixture;

TEST_F(TextStyles, ShapeFontAndTrueTypeStylesAreSavedAndReadBackByAnIndependentReader)
{
    const AcDbObjectId dm = MavUtils::createNewTextStyle(L"DM", 2, 3.5, 0.7, L"fsdb_e.shx", L"fsdb.shx");
    const AcDbObjectId fs = MavUtils::createNewTextStyle(L"FS", 1, 1.0, 6.0, L"宋体", L"");
    ASSERT_FALSE(dm.isNull());
    ASSERT_FALSE(fs.isNull());
    EXPECT_EQ(db()->textstyle(), fs);

    const std::filesystem::path file = std::filesystem::temp_directory_path()
        / ("corbelkit-styles-" + std::to_string(getpid()) + ".dxf");
    ASSERT_EQ(db()->dxfOut(file.wstring().c_str()), Acad::eOk);
    const std::string out = run(std::string(CORBEL_PYTHON3) + " " + CORBEL_TEST_DATA + "/text_styles.py '"
        + file.string() + "' 2>&1");
    std::filesystem::remove(file);
    EXPECT_NE(out.find("audit 0 0\n"), std::string::npos) << out;
    EXPECT_NE(out.find("style DM|fsdb_e.shx|fsdb.shx|3.5|0.7|-\n"), std::string::npos) << out;
    // The TrueType style keeps its size and width: they are not the face's to set.
    EXPECT_NE(out.find("style FS|"), std::string::npos) << out;
    EXPECT_NE(out.find("|0|1|宋体\n"), std::string::npos) << out;
}

TEST_F(TextStyles, AnExistingStyleIsUpdatedInPlaceAndMadeCurrentEveryTime)
{
    const AcDbObjectId first = MavUtils::createNewTextStyle(L"BT", 2, 5.0, 0.8, L"fsdb_e.shx", L"fsdb.shx");
    const int count = styleCount();
    MavUtils::createNewTextStyle(L"YB", 2, 2.5, 0.7, L"fsdb_e.shx", L"fsdb.shx");
    ASSERT_NE(db()->textstyle(), first);

    // Nothing to change still makes the style current, under the same id.
    EXPECT_EQ(MavUtils::createNewTextStyle(L"BT", 3, 9.0, 9.0, L"x.shx", L"y.shx"), first);
    EXPECT_EQ(db()->textstyle(), first);
    EXPECT_EQ(styleCount(), count + 1);
    EXPECT_EQ(stateOf(first).size, 5.0);
}

TEST_F(TextStyles, FontArgumentsThatAreNotGivenLeaveTheStyleAsItWas)
{
    const AcDbObjectId id = MavUtils::createNewTextStyle(L"FZ", 2, 4.0, 0.75, L"fsdb_e.shx", L"fsdb.shx");
    struct Case {
        int kind;
        const wchar_t* font;
        const wchar_t* bigFont;
    };
    // "NULL" is compared exactly; a TrueType face never sets size or width.
    for (const Case& c : {Case{2, L"a.shx", L"NULL"}, Case{2, L"NULL", L"b.shx"}, Case{1, L"NULL", L""}}) {
        EXPECT_EQ(MavUtils::createNewTextStyle(L"FZ", c.kind, 9.0, 9.0, c.font, c.bigFont), id);
        const StyleState state = stateOf(id);
        EXPECT_EQ(state.file, L"fsdb_e.shx");
        EXPECT_EQ(state.bigFont, L"fsdb.shx");
        EXPECT_EQ(state.size, 4.0);
        EXPECT_EQ(state.xScale, 0.75);
        EXPECT_TRUE(state.face.empty());
    }
    MavUtils::createNewTextStyle(L"FZ", 1, 9.0, 9.0, L"黑体", L"NULL");
    EXPECT_EQ(stateOf(id).face, L"黑体");
    EXPECT_EQ(stateOf(id).size, 4.0);
    EXPECT_EQ(stateOf(id).xScale, 0.75);
    // The lower-case word is a real font name.
    MavUtils::createNewTextStyle(L"FZ", 2, 2.0, 1.0, L"null", L"null");
    EXPECT_EQ(stateOf(id).file, L"null");
}

TEST_F(TextStyles, AStyleTableThatCannotBeOpenedGivesTheNullIdAndChangesNothing)
{
    AcDbTextStyleTable* table = nullptr;
    ASSERT_EQ(db()->getTextStyleTable(table, AcDb::kForWrite), Acad::eOk);
    const AcDbObjectId current = db()->textstyle();
    EXPECT_TRUE(MavUtils::createNewTextStyle(L"DM", 2, 3.5, 0.7, L"fsdb_e.shx", L"fsdb.shx").isNull());
    EXPECT_EQ(db()->textstyle(), current);
    table->close();
    EXPECT_FALSE(MavUtils::symbolExists(AcDbTextStyleTableRecord::desc(), L"DM", db()));
}

TEST_F(TextStyles, TheNameOfAStyleIdOrWhyThereIsNone)
{
    MavEntityLib factory;
    CString name = L"kept";
    EXPECT_EQ(factory.getTextStyleName(name, AcDbObjectId::kNull), Acad::eNullObjectId);
    EXPECT_EQ(name, L"kept");
    EXPECT_EQ(factory.getTextStyleName(name, db()->layerZero()), Acad::eWrongObjectType);
    EXPECT_EQ(name, L"kept");
    const AcDbObjectId id = MavUtils::createNewTextStyle(L"YB", 2, 2.5, 0.7, L"fsdb_e.shx", L"fsdb.shx");
    EXPECT_EQ(factory.getTextStyleName(name, id), Acad::eOk);
    EXPECT_EQ(name, L"YB");

    // An erased line cannot be opened: the trace line names the factory and the status.
    const AcDbObjectId line = add(new AcDbLine(AcGePoint3d(0, 0, 0), AcGePoint3d(1, 0, 0)));
    MavUtils::deleteObj(line);
    EXPECT_EQ(factory.getTextStyleName(name, line), Acad::eWasErased);
    EXPECT_NE(transcript().find(L"!maventitylib@"), std::wstring::npos);
    EXPECT_NE(transcript().find(L": eWasErased"), std::wstring::npos);
}
