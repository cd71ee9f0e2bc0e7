// The main window's title and the file handed to the drawing, for the paths a design can have.
#include "FrameTitle.h"

#include <gtest/gtest.h>

TEST(FrameTitleTest, TitleAndHandedFileByPath)
{
    const struct {
        const wchar_t* path;
        int modified;
        const wchar_t* title;
        const wchar_t* handed;
    } cases[] = {
        {L"C:\\a\\b.glt", 1, L"Veltra盖梁绘图系统->b.glt* [C:\\a]", L"C:\\a\\b.glt"},
        {L"/home/u/桥/b.glt", 0, L"Veltra盖梁绘图系统->b.glt [/home/u/桥]", L"/home/u/桥/b.glt"},
        {L"", 0, L"Veltra盖梁绘图系统->无标题", L""},
        {L"", 1, L"Veltra盖梁绘图系统->无标题*", L""},
        // No folder (a separator only at the start counts as none): the path as it stands.
        {L"b.glt", 1, L"Veltra盖梁绘图系统->b.glt*", L""},
        {L"/b.glt", 0, L"Veltra盖梁绘图系统->/b.glt", L""},
    };
    for (const auto& c : cases) {
        CString handed(L"stale");
        EXPECT_EQ(FormatFrameTitle(c.path, c.modified, handed), c.title) << CString(c.path).ToUtf8();
        EXPECT_EQ(handed, c.handed) << CString(c.path).ToUtf8();
    }
}
