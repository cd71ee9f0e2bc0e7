// Fields of separated lines by the counting rule and the two picking rules, blank lines of a
// text file skipped, readable files and the folder part of a path.
#include "MavUtils.h"

#include "CStdioFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include <unistd.h>

namespace {

TEST(FieldHelpers, CountsFieldsOfASeparatedLine)
{
    const struct {
        const wchar_t* line;
        int count;
    } cases[] = {{L"  1.5, 2;3\t4  ", 4}, {L",word", 2}, {L"a,,;; b", 2}, {L"a, ", 1}, {L"single", 1},
        {L";", 1}};
    for (const auto& c : cases) {
        int count = -1;
        EXPECT_EQ(MavUtils::numberOfStr(c.line, count), 1) << CString(c.line).ToUtf8();
        EXPECT_EQ(count, c.count) << CString(c.line).ToUtf8();
        count = -1;
        EXPECT_EQ(MavUtils::calculateNumberOfSubString(c.line, count), 1);
        EXPECT_EQ(count, c.count);
    }
    int untouched = 7;
    EXPECT_EQ(MavUtils::numberOfStr(L" \t ", untouched), 0);
    EXPECT_EQ(MavUtils::calculateNumberOfSubString(L"", untouched), 0);
    EXPECT_EQ(untouched, 7);
}

TEST(FieldHelpers, PicksAFieldByPosition)
{
    const struct {
        const wchar_t* line;
        int position;
        const wchar_t* field;
    } cases[] = {{L"p, q;r", 2, L"q"}, {L"p, q;r", 1, L"p"}, {L"p, q;r", 3, L"r"},
        // Past the last field the last comes again.
        {L"p, q;r", 5, L"r"}, {L"p, q;r", 0, L""}, {L"p, q;r", -1, L"NULL"}, {L"", 1, L"NULL"},
        {L"  ", 2, L"NULL"}};
    for (const auto& c : cases)
        EXPECT_STREQ(MavUtils::getSubStrAt(c.line, c.position), c.field) << c.position;
}

TEST(FieldHelpers, BreaksAFieldOutOrGivesTheEndMarker)
{
    const struct {
        const wchar_t* line;
        int position;
        const wchar_t* field;
    } cases[] = {{L"a,b", 1, L"a"}, {L"a,b", 2, L"b"}, {L"a,b", 3, L"EOF"}, {L"a,b", 7, L"EOF"},
        {L"a,b", 0, L"a"}, {L"", 1, L""}, {L" x ;; y\t z,; ", 3, L"z"}, {L" x ;; y\t z,; ", 4, L"EOF"},
        {L"one", 2, L"EOF"},
        // A blank after a semicolon does not run the next fields together.
        {L"x ; y z", 2, L"y"}, {L"x ; y z", 3, L"z"}};
    for (const auto& c : cases)
        EXPECT_STREQ(MavUtils::breakStr(c.line, c.position), c.field)
            << CString(c.line).ToUtf8() << " " << c.position;
}

TEST(FieldHelpers, PlainNumbersAreDigitsWithAPoint)
{
    EXPECT_EQ(MavUtils::isNumeric(L"12.5"), 1);
    EXPECT_EQ(MavUtils::isNumeric(L"-12.5"), 0);
    EXPECT_EQ(MavUtils::isNumeric(L"1e5"), 0);
    EXPECT_EQ(MavUtils::isNumeric(L"１２"), 0);
}

class FileHelpers : public ::testing::Test {
protected:
    void SetUp() override
    {
        mFolder = std::filesystem::temp_directory_path() / ("cadkit_files_" + std::to_string(getpid()));
        std::filesystem::create_directories(mFolder);
    }
    void TearDown() override { std::filesystem::remove_all(mFolder); }

    CString write(const char* name, const std::string& text) const
    {
        const std::filesystem::path path = mFolder / name;
        std::ofstream(path, std::ios::binary) << text;
        return CString(path.wstring().c_str());
    }

    std::filesystem::path mFolder;
};

TEST_F(FileHelpers, BlankLinesGiveWayToTheNextLineOrTheEndMarker)
{
    CStdioFile file;
    ASSERT_TRUE(file.Open(write("lines.txt", "first\n\n  \t\n  second  \n\n"), CFile::modeRead | CFile::typeText));
    CString line = L"  kept  ";
    MavUtils::jumpLineSpace(&file, line);
    EXPECT_STREQ(line, L"kept");
    line = L"   ";
    MavUtils::jumpLineSpace(&file, line);
    EXPECT_STREQ(line, L"first");
    line = L"";
    MavUtils::jumpLineSpace(&file, line);
    EXPECT_STREQ(line, L"second");
    line = L"";
    MavUtils::jumpLineSpace(&file, line);
    EXPECT_STREQ(line, L"EOF");
    file.Close();
}

TEST_F(FileHelpers, AFileIsValidWhenItOpensAndHoldsSomething)
{
    EXPECT_EQ(MavUtils::isValidFile(write("full.glt", "VER 4.3\n")), 1);
    EXPECT_EQ(MavUtils::isValidFile(write("empty.glt", "")), 0);
    EXPECT_EQ(MavUtils::isValidFile(CString((mFolder / "missing.glt").wstring().c_str())), 0);
    EXPECT_EQ(MavUtils::isValidFile(CString(mFolder.wstring().c_str())), 0);
}

TEST(PathHelpers, FolderOfAPath)
{
    const struct {
        const wchar_t* path;
        const wchar_t* folder;
    } cases[] = {{L"C:\\设计\\盖梁.glt", L"C:\\设计"}, {L"/home/u/cap.glt", L"/home/u"}, {L"cap.glt", L"cap"},
        // A point in a folder name is no extension of the file.
        {L"C:\\v1.2\\file", L"untouched"}, {L"C:\\v1.2\\file.glt", L"C:\\v1.2"},
        {L"noextension", L"untouched"}, {L".profile", L"untouched"}, {L"", L"untouched"}};
    for (const auto& c : cases) {
        CString folder = L"untouched";
        MavUtils::getFileForwardPath(c.path, folder);
        EXPECT_STREQ(folder, c.folder) << CString(c.path).ToUtf8();
    }
}

} // namespace
