// Texts: fixed-decimal number texts, tokens of a line, numbers read from text entities and
// the name and stem of a file path.
#include "CadkitFixture.h"

#include "MavUtils.h"

#include "AcDbLine.h"
#include "AcDbText.h"

#include <memory>

namespace {

std::wstring taken(wchar_t* text)
{
    std::unique_ptr<wchar_t[]> owned(text);
    return owned ? std::wstring(owned.get()) : L"<null>";
}

} // namespace

TEST(NumberTexts, FixedDecimalsWithAPointOrABlank)
{
    EXPECT_EQ(taken(MavUtils::f2str(3.14159, 2)), L"3.14");
    EXPECT_EQ(taken(MavUtils::f1str(3.14159, 2)), L"3 14");
    EXPECT_EQ(taken(MavUtils::f2str(12.7, 0)), L"13.");
    EXPECT_EQ(taken(MavUtils::f1str(12.7, 0)), L"13 ");
    EXPECT_EQ(taken(MavUtils::f2str(1.0, 3)), L"1.000");
    EXPECT_EQ(taken(MavUtils::f2str(-2.5, 1)), L"-2.5");
    EXPECT_EQ(taken(MavUtils::StrToChar(L"盖梁 N1")), L"盖梁 N1");
}

TEST(Tokens, NthTokenOfALine)
{
    const struct {
        int n;
        const wchar_t* text;
        int result;
        const wchar_t* token;
    } cases[] = {
        {2, L"a, b;d", 1, L"b"},
        {1, L"  a, b;d ", 1, L"a"},
        {3, L"a, b;d", 1, L"d"},
        {5, L"a b", 1, L"b"},
        {1, L"   ", 0, L"kept"},
        {-1, L"a b", 0, L"kept"},
    };
    for (const auto& c : cases) {
        CString token = L"kept";
        EXPECT_EQ(MavUtils::getSubstrAt(c.n, c.text, token), c.result) << c.n << " " << CString(c.text).ToUtf8();
        EXPECT_EQ(token, CString(c.token)) << c.n;
    }
    // No round at all: the caller's token is only trimmed of separators.
    CString token = L";;kept,,";
    EXPECT_EQ(MavUtils::getSubstrAt(0, L"a b", token), 1);
    EXPECT_EQ(token, CString(L"kept"));
}

TEST(Tokens, PlainNumbersOnly)
{
    const std::pair<const wchar_t*, int> cases[] = {
        {L"12.5", 1}, {L"12", 1}, {L".5", 1}, {L"12.", 1}, {L"-12.5", 0}, {L"1e5", 0}, {L"1 2", 0},
        {L"", 0}, {L".", 0}, {L"1.2.3", 0}, {L"１２", 0},
    };
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(MavUtils::isNumeric(text), expected) << CString(text).ToUtf8();
}

TEST(FilePaths, NameAfterTheLastSeparatorAndStemBeforeTheLastPoint)
{
    const struct {
        const wchar_t* path;
        const wchar_t* name;
        const wchar_t* stem;
    } cases[] = {
        {L"C:\\盖梁\\A1.glt", L"A1.glt", L"C:\\盖梁\\A1"},
        {L"/home/u/cap.glt", L"cap.glt", L"/home/u/cap"},
        {L"A1.glt", L"kept", L"A1"},
        {L"\\A1", L"kept", L"kept"},
        {L"dir\\", L"kept", L"kept"},
        {L".glt", L"kept", L"kept"},
        {L"", L"kept", L"kept"},
    };
    for (const auto& c : cases) {
        CString name = L"kept";
        CString stem = L"kept";
        MavUtils::getFileName(c.path, name);
        MavUtils::deleteFilePostfix(c.path, stem);
        EXPECT_EQ(name, CString(c.name)) << CString(c.path).ToUtf8();
        EXPECT_EQ(stem, CString(c.stem)) << CString(c.path).ToUtf8();
    }
}

using TextEntities = CadkitFixture;

TEST_F(TextEntities, NumberIsReadFromASingleLineTextOrAnAlertTellsWhyNot)
{
    double value = 0.0;
    EXPECT_EQ(MavUtils::isNumericText(add(new AcDbText(AcGePoint3d(0, 0, 0), L"12.5")), value), 1);
    EXPECT_EQ(value, 12.5);

    value = 3.0;
    EXPECT_EQ(MavUtils::isNumericText(add(new AcDbText(AcGePoint3d(0, 0, 0), L"盖梁")), value), 0);
    EXPECT_EQ(MavUtils::isNumericText(add(new AcDbLine(AcGePoint3d(0, 0, 0), AcGePoint3d(1, 0, 0))), value), 0);
    EXPECT_EQ(MavUtils::isNumericText(AcDbObjectId::kNull, value), 0);
    EXPECT_EQ(value, 3.0);
    const auto boxes = mBoxes->Boxes();
    ASSERT_EQ(boxes.size(), 3u);
    EXPECT_EQ(boxes[0].text, L"所选文本中无数字!");
    EXPECT_EQ(boxes[1].text, L"您所选的不是文本！");
    EXPECT_EQ(boxes[2].text, L"选则文本失败!");
}
