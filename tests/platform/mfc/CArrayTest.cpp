#include "CArray.h"

#include <gtest/gtest.h>

namespace {

// A record whose copy drops its payload, as some drawing records do on purpose.
struct Lossy {
    Lossy() = default;
    Lossy(const Lossy& o) : id(o.id) {}
    Lossy& operator=(const Lossy& o)
    {
        id = o.id;
        return *this;
    }
    int id = 0;
    std::vector<int> payload;
};

} // namespace

TEST(CArray, GrowthMovesElementsWithoutCopying)
{
    CArray<Lossy, const Lossy&> a;
    a.SetSize(1);
    a[0].id = 1;
    a[0].payload = {1, 2, 3};
    const Lossy* before = &a[0];
    for (int i = 0; i < 100; ++i)
        a.Add(Lossy());
    a.InsertAt(0, Lossy());
    a.RemoveAt(0);
    EXPECT_EQ(a[0].payload.size(), 3u);
    EXPECT_EQ(&a[0], before);
}

TEST(CArray, ClassLibrarySemantics)
{
    CArray<int, int> a;
    EXPECT_EQ(a.Add(5), 0);
    EXPECT_EQ(a.Add(6), 1);
    a.InsertAt(5, 9);  // past the end: grows with default elements first
    EXPECT_EQ(a.GetSize(), 6);
    EXPECT_EQ(a[2], 0);
    EXPECT_EQ(a[5], 9);
    a.InsertAt(1, 7, 2);
    EXPECT_EQ(a.GetSize(), 8);
    EXPECT_EQ(a[1], 7);
    EXPECT_EQ(a[3], 6);
    a.RemoveAt(1, 2);
    EXPECT_EQ(a[1], 6);
    a.SetAtGrow(9, 1);
    EXPECT_EQ(a.GetUpperBound(), 9);
    a.SetSize(2);
    EXPECT_EQ(a.GetSize(), 2);

    CArray<int, int> b;
    b.Add(1);
    EXPECT_EQ(b.Append(a), 1);
    EXPECT_EQ(b.GetSize(), 3);
    b.Copy(a);
    EXPECT_EQ(b.GetSize(), 2);
    CArray<int, int> c(b);
    c[0] = 42;
    EXPECT_EQ(b[0], 5);
}

TEST(CArray, BadIndexThrowsAndLeavesArrayIntact)
{
    CArray<int, int> a;
    a.Add(1);
    a.Add(2);
    EXPECT_THROW(a.GetAt(2), CInvalidArgException);
    EXPECT_THROW(a[-1], CInvalidArgException);
    EXPECT_THROW(a.SetAt(5, 0), CInvalidArgException);
    EXPECT_THROW(a.RemoveAt(1, 2), CInvalidArgException);
    EXPECT_THROW(a.SetSize(-1), CInvalidArgException);
    ASSERT_EQ(a.GetSize(), 2);
    EXPECT_EQ(a[0], 1);
    EXPECT_EQ(a[1], 2);
}

TEST(CArray, StringArrayTakesText)
{
    CStringArray a;
    a.Add(L"盖梁");
    a.Add(CString(L"x"));
    EXPECT_EQ(a.GetSize(), 2);
    EXPECT_EQ(a[0], L"盖梁");
}
