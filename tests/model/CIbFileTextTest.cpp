#include "CIbFileText.h"

#include "CScopedMessageBoxAnswerer.h"
#include "WinUser.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

class CIbFileTextTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_dir = std::filesystem::temp_directory_path() /
                ("ibfiletext-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()) + "-" +
                 std::to_string(::getpid()));
        std::filesystem::create_directories(m_dir);
        m_boxes->SetLog(nullptr);
    }
    void TearDown() override { std::filesystem::remove_all(m_dir); }

    // Writes raw bytes and points the file object at them.
    void Write(const std::string& bytes)
    {
        std::filesystem::path path = m_dir / "design.glt";
        std::ofstream(path, std::ios::binary) << bytes;
        m_file.SetPath(CString(path.string().c_str()));
        ASSERT_EQ(m_file.Open(1), 1);
    }

    // The lines read from here to the end.
    std::vector<std::wstring> RemainingLines()
    {
        std::vector<std::wstring> lines;
        CString line;
        while (m_file.ReadLine(line) == 1)
            lines.emplace_back(line.GetString());
        return lines;
    }

    std::filesystem::path m_dir;
    CScopedMessageBoxAnswerer m_boxes;
    CIbFileText m_file;
};

} // namespace

TEST_F(CIbFileTextTest, EmptyFileHasNoVersionAndNoMessage)
{
    Write("");
    EXPECT_EQ(m_file.ReadVersion(), 0);
    EXPECT_EQ(m_file.IsAtEnd(), 1);
    EXPECT_TRUE(m_boxes->Boxes().empty());
}

TEST_F(CIbFileTextTest, SkipsBlankAndCommentLinesAndCountsThem)
{
    Write("// header\r\n\r\n   // indented note\r\nVER 4.3\r\n  \t \r\n1, 2 // note\r\n7;8");
    EXPECT_EQ(m_file.ReadVersion(), 1);
    EXPECT_DOUBLE_EQ(m_file.GetVersion(), 4.3);
    EXPECT_EQ(m_file.GetLineNumber(), 4);
    CStringArray tokens;
    EXPECT_EQ(m_file.ReadTypedRecord(tokens, L"II"), 0);  // the note is not a comment: four tokens
    EXPECT_EQ(tokens.GetSize(), 4);
    EXPECT_EQ(m_file.GetLineNumber(), 6);
    EXPECT_EQ(m_file.ReadTypedRecord(tokens, L"II"), 2);  // last line without a line end
    EXPECT_EQ(tokens[1], L"8");
    EXPECT_EQ(m_file.ReadTypedRecord(tokens, L"II"), 0);
}

TEST_F(CIbFileTextTest, SignatureResults)
{
    struct Case {
        const wchar_t* line;
        const wchar_t* signature;
        int result;
    } cases[] = {
        {L"12,-3.5", L"ID", 2}, {L"12,-3.5", L"II", -2}, {L"12,abc", L"ID", -2}, {L"12", L"ID", 0},
        {L"x 1", L"II", -1},    {L"A 5.", L"CD", 2},     {L"AB 5", L"CD", -1},   {L"anything 1", L"SI", 2},
        {L"1,,2", L"II", 2},    {L"", L"", 0},
    };
    CStringArray tokens;
    for (const auto& c : cases)
        EXPECT_EQ(m_file.CheckSignature(tokens, c.line, c.signature), c.result) << CString(c.line).ToUtf8();
}

TEST(TokenTests, IntegerRealLetter)
{
    struct Case {
        const wchar_t* text;
        int integer, real, letter;
    } cases[] = {
        {L"12", 1, 1, 0}, {L"-7", 1, 1, 0}, {L"-", 1, 1, 0},   {L"5.", 0, 1, 0},  {L".5", 0, 1, 0},
        {L".", 0, 1, 0},  {L"1e5", 0, 0, 0}, {L"+1", 0, 0, 0}, {L"1.2.3", 0, 0, 0}, {L"A", 0, 0, 1},
        {L"z", 0, 0, 1},  {L"AB", 0, 0, 0}, {L"7", 1, 1, 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(IsIntegerText(c.text), c.integer) << CString(c.text).ToUtf8();
        EXPECT_EQ(IsRealText(c.text), c.real) << CString(c.text).ToUtf8();
        EXPECT_EQ(IsLetterText(c.text), c.letter) << CString(c.text).ToUtf8();
    }
}

TEST_F(CIbFileTextTest, VersionHeaderForms)
{
    struct Case {
        const char* file;
        int result;
        const wchar_t* message;
    } cases[] = {
        {"VER 4.3\r\n", 1, nullptr},
        {"ver4.3\r\n", 1, nullptr},
        {"Ver  3.0\r\n", 1, nullptr},
        {"VER,4.3\r\n", 0, L"版本信息错误，版本应由VER和实数(一位小数)构成！"},
        {"VERSION 4\r\n", 0, L"版本信息错误，版本应由VER和实数(一位小数)构成！"},
        {"HELLO 4.3\r\n", 0, L"文件头没有版本信息或版本信息错误！"},
    };
    for (const auto& c : cases) {
        CScopedMessageBoxAnswerer boxes;
        boxes->SetLog(nullptr);
        CIbFileText file;
        std::filesystem::path path = m_dir / "v.glt";
        std::ofstream(path, std::ios::binary) << c.file;
        file.SetPath(CString(path.string().c_str()));
        ASSERT_EQ(file.Open(1), 1);
        EXPECT_EQ(file.ReadVersion(), c.result) << c.file;
        auto shown = boxes->Boxes();
        ASSERT_EQ(shown.size(), c.message ? 1u : 0u) << c.file;
        if (c.message) {
            EXPECT_EQ(shown[0].caption, L"文件操作时出现错误");
            EXPECT_NE(shown[0].text.find(c.message), std::wstring::npos);
        }
    }
}

TEST_F(CIbFileTextTest, ErrorBoxNamesFileVersionLineAndText)
{
    Write("VER 4.3\r\n// note\r\n1 2 3\r\n");
    ASSERT_EQ(m_file.ReadVersion(), 1);
    CStringArray tokens;
    ASSERT_EQ(m_file.ReadTypedRecord(tokens, L"II"), 0);
    m_file.ReportError(L"第一类记录错误！", L"1 2 3");
    m_file.ReportError(L"没有文本", L"");
    auto shown = m_boxes->Boxes();
    ASSERT_EQ(shown.size(), 2u);
    std::wstring expected = L"文件操作时出现错误，无法继续进行，请按以下错误信息描述检查该文件：\n\n文件名称：" +
                            m_file.GetPath().str() +
                            L"\n文件版本：Ver4.30\n错误位置：第3行\n错误描述：第一类记录错误！\n错误文本：1 2 3";
    EXPECT_EQ(shown[0].text, expected);
    EXPECT_EQ(shown[0].type, static_cast<UINT>(MB_OK | MB_ICONINFORMATION));
    EXPECT_EQ(shown[1].text.find(L"错误文本"), std::wstring::npos);
}

TEST_F(CIbFileTextTest, CodePageText)
{
    // "盖梁 1" in GBK, then a double-byte character straddling the 1024-byte read piece.
    std::string straddle(1023, 'a');
    straddle += "\xB8\xC7";
    Write("\xB8\xC7\xC1\xBA 1\r\n" + straddle + "\r\n");
    CString line;
    ASSERT_EQ(m_file.ReadLine(line), 1);
    EXPECT_EQ(line, L"盖梁 1");
    ASSERT_EQ(m_file.ReadLine(line), 1);
    EXPECT_EQ(line.GetLength(), 1024);
    EXPECT_EQ(line.Right(1), L"盖");
}

TEST_F(CIbFileTextTest, BadBytesAreAReadErrorNamingTheFile)
{
    Write("VER 4.3\r\n\xB8\r\n");
    ASSERT_EQ(m_file.ReadVersion(), 1);
    CString line;
    try {
        m_file.ReadLine(line);
        FAIL() << "bad bytes were read as text";
    } catch (const CFileException& e) {
        EXPECT_NE(std::string(e.what()).find("design.glt"), std::string::npos);
    }
}

TEST_F(CIbFileTextTest, NulByteEndsTheLineTextAndLoneReturnStaysInTheLine)
{
    const char bytes[] = "VER 4.3\r\n12\0junk\r\n3\r4\n\n56";
    Write(std::string(bytes, sizeof bytes - 1));
    ASSERT_EQ(m_file.ReadVersion(), 1);
    EXPECT_EQ(RemainingLines(), (std::vector<std::wstring> { L"12", L"3\r4", L"56" }));
    EXPECT_EQ(m_file.GetLineNumber(), 5);
}

// A file far larger than any design (a wrong file picked by mistake) is refused as a read
// error rather than held in memory; the file is sparse, so the test writes nothing.
TEST_F(CIbFileTextTest, HugeFileIsARefusedRead)
{
    Write("VER 4.3\r\n");
    m_file.Close();
    std::filesystem::resize_file(m_dir / "design.glt", CIbFileText::kLargestText + 1);
    ASSERT_EQ(m_file.Open(1), 1);
    CString line;
    EXPECT_THROW(m_file.ReadLine(line), CFileException);
}

TEST_F(CIbFileTextTest, OverlongLineIsRefusedNotCut)
{
    std::string longLine;
    for (int i = 0; i < 2600; ++i)
        longLine += "1,2,";
    Write(longLine + "\r\n");
    CStringArray tokens;
    EXPECT_EQ(m_file.ReadTypedRecord(tokens, L"II"), 0);
    EXPECT_EQ(m_file.SplitTokens(tokens, CString(longLine.c_str())), -1);
    EXPECT_EQ(tokens.GetSize(), 0);
}

TEST_F(CIbFileTextTest, Utf16FileReadsAsText)
{
    std::u16string text = u"VER 4.3\r\n// 注释\r\n盖梁 1\r\n";
    std::string bytes = "\xFF\xFE";
    for (char16_t c : text) {
        bytes += static_cast<char>(c & 0xFF);
        bytes += static_cast<char>(c >> 8);
    }
    bytes += 'x';  // a stray odd byte at the end
    Write(bytes);
    EXPECT_EQ(m_file.GetEncoding(), CIbFileText::kUtf16);
    ASSERT_EQ(m_file.ReadVersion(), 1);
    EXPECT_EQ(RemainingLines(), std::vector<std::wstring> { L"盖梁 1" });
    EXPECT_EQ(m_file.GetLineNumber(), 3);
}

TEST_F(CIbFileTextTest, OneByteFileEndsAtOnce)
{
    Write("V");
    EXPECT_EQ(m_file.GetEncoding(), CIbFileText::kUnreadable);
    EXPECT_EQ(m_file.ReadVersion(), 0);
    EXPECT_EQ(m_file.IsAtEnd(), 1);
}

TEST_F(CIbFileTextTest, OpenFailureAndWriting)
{
    m_file.SetPath(CString((m_dir / "missing.glt").string().c_str()));
    EXPECT_EQ(m_file.Open(1), 0);
    EXPECT_EQ(m_file.DetectEncoding(m_file.GetPath()), 0);
    m_file.SetPath(CString((m_dir / "nodir" / "x.glt").string().c_str()));
    EXPECT_EQ(m_file.Open(0), 0);
    m_file.SetPath(CString((m_dir / "new.glt").string().c_str()));
    EXPECT_EQ(m_file.Open(0), 1);
    m_file.Close();
    EXPECT_TRUE(std::filesystem::exists(m_dir / "new.glt"));
}
