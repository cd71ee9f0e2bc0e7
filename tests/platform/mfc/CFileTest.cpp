#include "CStdioFile.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

namespace {

std::filesystem::path TempPath(const char* name)
{
    auto dir = std::filesystem::temp_directory_path() / ("corbel-cfile-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    return dir / name;
}

std::string Bytes(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

CString Wide(const std::filesystem::path& path) { return CString(path.string().c_str()); }

} // namespace

TEST(CStdioFile, WritesCodePageTextWithCrLfAndReadsItBack)
{
    auto path = TempPath("text.glt");
    {
        CStdioFile out(Wide(path), CFile::modeCreate | CFile::modeWrite);
        out.WriteString(L"VER 4.3\n");
        out.WriteString(L"盖梁 1\n");
        out.WriteString(L"last");
    }
    EXPECT_EQ(Bytes(path), "VER 4.3\r\n\xB8\xC7\xC1\xBA 1\r\nlast");
    CStdioFile in(Wide(path), CFile::modeRead);
    CString line;
    ASSERT_TRUE(in.ReadString(line));
    EXPECT_EQ(line, L"VER 4.3");
    ASSERT_TRUE(in.ReadString(line));
    EXPECT_EQ(line, L"盖梁 1");
    ASSERT_TRUE(in.ReadString(line));
    EXPECT_EQ(line, L"last");
    EXPECT_FALSE(in.ReadString(line));
    EXPECT_EQ(in.GetPosition(), in.GetLength());
}

TEST(CStdioFile, CreateTruncatesAndNoTruncateKeeps)
{
    auto path = TempPath("modes.bin");
    {
        CFile f(Wide(path), 4097);  // create + write
        f.Write("abcdef", 6);
    }
    {
        CFile f(Wide(path), CFile::modeCreate | CFile::modeNoTruncate | CFile::modeReadWrite);
        EXPECT_EQ(f.GetLength(), 6u);
        f.Seek(2, CFile::begin);
        char two[2];
        EXPECT_EQ(f.Read(two, 2), 2u);
        EXPECT_EQ(std::string(two, 2), "cd");
    }
    {
        CFile f(Wide(path), CFile::modeCreate | CFile::modeWrite);
    }
    EXPECT_EQ(Bytes(path), "");
}

TEST(CStdioFile, FailuresNameTheFile)
{
    auto missing = TempPath("missing.glt");
    std::filesystem::remove(missing);
    CFileException error;
    CStdioFile f;
    EXPECT_FALSE(f.Open(Wide(missing), CFile::modeRead, &error));
    EXPECT_EQ(error.m_cause, CFileException::fileNotFound);
    EXPECT_NE(error.GetErrorMessage().Find(L"missing.glt"), -1);
    EXPECT_THROW(CStdioFile(Wide(missing), CFile::modeRead), CFileException);

    auto path = TempPath("bad.glt");
    CStdioFile out(Wide(path), CFile::modeCreate | CFile::modeWrite);
    EXPECT_THROW(out.WriteString(L"\U0001F600"), CFileException);  // not in the code page
    std::ofstream(path, std::ios::binary) << "ok\r\n\x81\r\n";
    CStdioFile in(Wide(path), CFile::modeRead);
    CString line;
    EXPECT_TRUE(in.ReadString(line));
    try {
        in.ReadString(line);
        FAIL() << "an invalid byte was read as text";
    } catch (const CFileException& e) {
        EXPECT_NE(std::string(e.what()).find("bad.glt"), std::string::npos);
    }
}
