#include "CIbFileText.h"
#include "DesignFileTestSupport.h"

#include <gtest/gtest.h>

// The writer's lines reach the disk in the code page with CR LF, and every failure on the way,
// to the very close, is told.
TEST_F(DesignFileTest, WrittenLinesAreCheckedToTheClose)
{
    CIbFileText file;
    EXPECT_EQ(file.WriteRecord(L"1"), 0);

    const fs::path path = m_dir / "lines.txt";
    file.SetPath(Wide(path));
    ASSERT_EQ(file.Open(0), 1);
    EXPECT_EQ(file.WriteLine(L"注释"), 1);
    EXPECT_EQ(file.WriteRecord(L"1,2"), 1);
    EXPECT_EQ(file.CloseWritten(), 1);
    EXPECT_EQ(Bytes(path), "//\xD7\xA2\xCA\xCD\r\n1,2\r\n");

    // A character the code page lacks, and a disk that takes nothing.
    ASSERT_EQ(file.Open(0), 1);
    EXPECT_EQ(file.WriteRecord(L"\U0001F600"), 0);
    EXPECT_EQ(file.WriteRecord(L"1"), 0);
    EXPECT_EQ(file.CloseWritten(), 0);
    file.SetPath(L"/dev/full");
    ASSERT_EQ(file.Open(0), 1);
    EXPECT_EQ(file.WriteRecord(L"1"), 1);
    EXPECT_EQ(file.CloseWritten(), 0);
}
