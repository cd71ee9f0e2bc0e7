// Number-list helpers of the design records.
#include "RecordListHelpers.h"
#include "RealList.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

CArray<int, const int&> Ints(std::vector<int> values)
{
    CArray<int, const int&> list;
    for (int v : values)
        list.Add(v);
    return list;
}

template <class T, class A>
std::vector<T> Values(const CArray<T, A>& list)
{
    std::vector<T> out;
    for (INT_PTR i = 0; i < list.GetSize(); ++i)
        out.push_back(list[i]);
    return out;
}

} // namespace

TEST(RecordListHelpers, RemoveRealRangeRemovesInclusiveRangeOrNothing)
{
    auto list = Reals({1, 2, 3, 4, 5});
    RemoveRealRange(list, 1, 3);
    EXPECT_EQ(Values(list), (std::vector<double>{1, 5}));
    RemoveRealRange(list, 1, 0);
    EXPECT_EQ(Values(list), (std::vector<double>{1, 5}));
}

TEST(RecordListHelpers, RemoveRealRangeOutsideTheListThrowsAndKeepsIt)
{
    // Removing from the end first would already have cut entries 2 and 1 before reaching -1.
    auto list = Reals({1, 2, 3});
    EXPECT_THROW(RemoveRealRange(list, -1, 2), CInvalidArgException);
    EXPECT_THROW(RemoveRealRange(list, 1, 3), CInvalidArgException);
    EXPECT_EQ(Values(list), (std::vector<double>{1, 2, 3}));
}

TEST(RecordListHelpers, CopiesReplaceTargetAndSurviveSelfCopy)
{
    auto from = Reals({7, 8});
    auto to = Reals({1, 2, 3});
    CopyRealArray(from, to);
    EXPECT_EQ(Values(to), (std::vector<double>{7, 8}));
    CopyRealArray(to, to);
    EXPECT_EQ(Values(to), (std::vector<double>{7, 8}));

    auto ints = Ints({4, 5, 6});
    auto target = Ints({9});
    CopyIntArray(ints, target);
    EXPECT_EQ(Values(target), (std::vector<int>{4, 5, 6}));
    CopyIntArray(target, target);
    EXPECT_EQ(Values(target), (std::vector<int>{4, 5, 6}));
}

TEST(RecordListHelpers, MirrorAndClose)
{
    auto odd = Ints({9000, 1210, 0, 1111, 9000});
    MirrorIntList(odd);
    EXPECT_EQ(Values(odd), (std::vector<int>{9000, 1210, 0, 1210, 9000}));
    auto even = Ints({1, 2, 3, 4});
    MirrorIntList(even);
    EXPECT_EQ(Values(even), (std::vector<int>{1, 2, 2, 1}));

    auto spacings = Reals({1500, 3000, 2000});
    CloseRealList(spacings);
    EXPECT_EQ(Values(spacings), (std::vector<double>{1500, 3000, 1500}));
    auto single = Reals({1500});
    CloseRealList(single);
    EXPECT_EQ(Values(single), (std::vector<double>{1500}));
}

TEST(RecordListHelpers, PerSupportResizeKeepsFirstAndLast)
{
    struct Case {
        std::vector<double> before;
        int n;
        std::vector<double> after;
    };
    const Case cases[] = {
        {{1, 2, 3}, 4, {1, 2, 2, 3}},
        {{1, 2, 3}, 6, {1, 2, 2, 2, 2, 3}},
        {{1, 2, 3, 4}, 2, {1, 4}},
        {{1, 2, 3, 4}, 1, {1}},
        {{1, 2, 3}, 3, {1, 2, 3}},
        {{}, 3, {0, 0, 0}},
        {{5}, 3, {5, 5, 5}},
        {{1, 2}, 0, {}},
        {{1, 2}, -2, {}},
    };
    for (const Case& c : cases) {
        auto list = Reals(c.before);
        ResizePerSupportList(list, c.n);
        EXPECT_EQ(Values(list), c.after) << "to " << c.n << " from " << c.before.size();
    }
}
