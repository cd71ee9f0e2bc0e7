// Faces of a design: support count changes, symmetry, stirrup completion and copying.
#include "CBent_FaceInfo.h"
#include "RealList.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace {

// A support recognisable by the left axis distance of its one upper bent-up bar.
CBent_PoleInfo Support(double id)
{
    CBent_PoleInfo pole;
    CBent_LPTSteel upper;
    upper.SetAxisDistances(id, id + 0.5);
    pole.GetLPTSteels().Add(upper);
    return pole;
}

CBent_FaceInfo FaceWithSupports(std::vector<double> ids)
{
    CBent_FaceInfo face;
    for (double id : ids)
        face.GetSupports().Add(Support(id));
    return face;
}

std::vector<double> SupportIds(const CBent_FaceInfo& face)
{
    std::vector<double> out;
    for (INT_PTR i = 0; i < face.GetSupports().GetSize(); ++i) {
        const CBent_PoleInfo& pole = face.GetSupports()[i];
        out.push_back(pole.GetLPTSteels().IsEmpty() ? -1.0 : pole.GetLPTSteels()[0].GetLeftAxisDistance());
    }
    return out;
}

using Stirrups = std::vector<std::pair<int, int>>;

CBent_FaceInfo FaceWithStirrups(int columns, const Stirrups& stirrups)
{
    CBent_FaceInfo face;
    EXPECT_TRUE(face.SetBarColumnCount(columns));
    for (const auto& [s, e] : stirrups) {
        CBent_PAFSteel stirrup;
        stirrup.SetStartColumn(s);
        stirrup.SetEndColumn(e);
        stirrup.SetDiameter(12);
        face.GetStirrups().Add(stirrup);
    }
    return face;
}

Stirrups StirrupsOf(const CBent_FaceInfo& face)
{
    Stirrups out;
    for (INT_PTR i = 0; i < face.GetStirrups().GetSize(); ++i)
        out.emplace_back(face.GetStirrups()[i].GetStartColumn(), face.GetStirrups()[i].GetEndColumn());
    return out;
}

} // namespace

TEST(CBent_FaceInfo, DefaultsOfAFace)
{
    CBent_FaceInfo face;
    EXPECT_EQ(face.GetBarColumnCount(), 0);
    EXPECT_EQ(face.GetLTLSteel().GetLeftDistance(), 50.0);
    EXPECT_EQ(face.GetLTLSteel().GetRightDistance(), 50.0);
    EXPECT_EQ(face.GetLBLSteel().GetKind(), 1);
    EXPECT_TRUE(face.GetLUTSteels().IsEmpty());
    EXPECT_TRUE(face.GetSupports().IsEmpty());
    EXPECT_TRUE(face.GetStirrups().IsEmpty());
}

TEST(CBent_FaceInfo, SetSupportCountKeepsFirstAndLastSupport)
{
    struct Case {
        std::vector<double> before;
        int n;
        std::vector<double> after;
    };
    const Case cases[] = {
        {{1, 2, 3}, 4, {1, 2, 2, 3}},
        {{1, 2, 3}, 5, {1, 2, 2, 2, 3}},
        {{1, 2, 3, 4}, 2, {1, 4}},
        {{1, 2, 3, 4}, 1, {1}},
        {{1, 2, 3}, 3, {1, 2, 3}},
        {{1}, 3, {1, 1, 1}},
        {{}, 2, {-1, -1}},
        {{1, 2}, 0, {}},
    };
    for (const Case& c : cases) {
        CBent_FaceInfo face = FaceWithSupports(c.before);
        EXPECT_TRUE(face.SetSupportCount(c.n));
        EXPECT_EQ(SupportIds(face), c.after) << "to " << c.n << " from " << c.before.size();
    }
}

TEST(CBent_FaceInfo, SetSupportCountResizesBentUpListsAndRefusesUndrawableCounts)
{
    CBent_FaceInfo face = FaceWithSupports({1, 2, 3});
    CBent_LUTSteel upper;
    ASSERT_TRUE(upper.SetColumnLists(Reals({10, 20, 30}), Reals({11, 21, 31})));
    face.GetLUTSteels().Add(upper);
    CBent_LUBSteel lower;
    ASSERT_TRUE(lower.SetColumnLists(Reals({1, 2, 3}), Reals({4, 5, 6}), Reals({7, 8, 9})));
    face.GetLUBSteels().Add(lower);

    EXPECT_TRUE(face.SetSupportCount(4));
    EXPECT_EQ(face.GetLUTSteels()[0].GetColumnListSize(), 4);
    EXPECT_EQ(face.GetLUTSteels()[0].GetLeftAxisDistanceAt(2), 20.0);
    EXPECT_EQ(face.GetLUBSteels()[0].GetRadiusOrHeightAt(3), 9.0);

    EXPECT_FALSE(face.SetSupportCount(10));
    EXPECT_FALSE(face.SetSupportCount(-1));
    EXPECT_EQ(SupportIds(face), (std::vector<double>{1, 2, 2, 3}));
    EXPECT_EQ(face.GetLUTSteels()[0].GetColumnListSize(), 4);

    EXPECT_TRUE(face.SetSupportCount(9));
    EXPECT_EQ(face.GetSupports().GetSize(), 9);
}

TEST(CBent_FaceInfo, ApplySymmetryOnThreeSupports)
{
    CBent_FaceInfo face = FaceWithSupports({1, 2, 3});
    face.GetLTLSteel().SetLeftDistance(60);
    face.GetLTLSteel().SetRightDistance(80);
    // Support 1 also holds a lower bent-up bar and a top straight bar; support 3 its own
    // bottom straight bar, which the mirror must leave alone.
    CBent_LPBSteel lower;
    lower.SetDistancesAndRadius(100, 200, 300);
    face.GetSupports()[0].GetLPBSteels().Add(lower);
    CBent_LPPSteel top;
    top.SetLeftDistance(400);
    top.SetRightDistance(500);
    face.GetSupports()[0].GetLPPSteels().Add(top);
    CBent_LPMSteel bottom;
    bottom.SetLeftDistance(7);
    face.GetSupports()[2].GetLPMSteels().Add(bottom);
    CBent_LUPSteel straight;
    straight.SetLeftDistance(5);
    straight.SetRightDistance(9);
    face.GetLUPSteels().Add(straight);
    CBent_LUMSteel bottomStraight;
    bottomStraight.SetLeftDistance(5);
    bottomStraight.SetRightDistance(9);
    face.GetLUMSteels().Add(bottomStraight);
    CBent_LUTSteel upper;
    ASSERT_TRUE(upper.SetColumnLists(Reals({10, 20, 30}), Reals({11, 21, 31})));
    face.GetLUTSteels().Add(upper);

    face.ApplySymmetry();

    EXPECT_EQ(face.GetLTLSteel().GetRightDistance(), 60.0);
    EXPECT_EQ(face.GetLUPSteels()[0].GetRightDistance(), 5.0);
    EXPECT_EQ(face.GetLUMSteels()[0].GetRightDistance(), 9.0);
    EXPECT_EQ(face.GetLUTSteels()[0].GetLeftAxisDistanceAt(2), 11.0);
    EXPECT_EQ(face.GetLUTSteels()[0].GetRightAxisDistanceAt(2), 10.0);
    EXPECT_EQ(face.GetLUTSteels()[0].GetRightAxisDistanceAt(1), 20.0);

    const CBent_PoleInfo& first = face.GetSupports()[0];
    const CBent_PoleInfo& middle = face.GetSupports()[1];
    const CBent_PoleInfo& last = face.GetSupports()[2];
    // The first support keeps its content.
    EXPECT_EQ(first.GetLPTSteels()[0].GetLeftAxisDistance(), 1.0);
    EXPECT_EQ(first.GetLPTSteels()[0].GetRightAxisDistance(), 1.5);
    EXPECT_EQ(first.GetLPBSteels()[0].GetLeftAxisDistance(), 100.0);
    EXPECT_EQ(first.GetLPPSteels()[0].GetRightDistance(), 500.0);
    // The middle support is symmetric in itself.
    EXPECT_EQ(middle.GetLPTSteels()[0].GetRightAxisDistance(), 2.0);
    // The last support mirrors the first, with its own bottom straight bars.
    ASSERT_EQ(last.GetLPTSteels().GetSize(), 1);
    EXPECT_EQ(last.GetLPTSteels()[0].GetLeftAxisDistance(), 1.5);
    EXPECT_EQ(last.GetLPTSteels()[0].GetRightAxisDistance(), 1.0);
    ASSERT_EQ(last.GetLPBSteels().GetSize(), 1);
    EXPECT_EQ(last.GetLPBSteels()[0].GetLeftAxisDistance(), 200.0);
    EXPECT_EQ(last.GetLPBSteels()[0].GetRightAxisDistance(), 100.0);
    EXPECT_EQ(last.GetLPBSteels()[0].GetRadiusOrHeight(), 300.0);
    ASSERT_EQ(last.GetLPPSteels().GetSize(), 1);
    EXPECT_EQ(last.GetLPPSteels()[0].GetLeftDistance(), 500.0);
    ASSERT_EQ(last.GetLPMSteels().GetSize(), 1);
    EXPECT_EQ(last.GetLPMSteels()[0].GetLeftDistance(), 7.0);
    EXPECT_TRUE(first.GetLPMSteels().IsEmpty());
}

TEST(CBent_FaceInfo, ApplySymmetryOnFourSupportsLeavesLeftHalf)
{
    CBent_FaceInfo face = FaceWithSupports({1, 2, 3, 4});
    face.ApplySymmetry();
    std::vector<std::pair<double, double>> got;
    for (INT_PTR i = 0; i < 4; ++i) {
        const CBent_LPTSteel& bar = face.GetSupports()[i].GetLPTSteels()[0];
        got.emplace_back(bar.GetLeftAxisDistance(), bar.GetRightAxisDistance());
    }
    EXPECT_EQ(got, (std::vector<std::pair<double, double>>{{1, 1.5}, {2, 2.5}, {2.5, 2}, {1.5, 1}}));
}

TEST(CBent_FaceInfo, StirrupCompletionOnFiveColumns)
{
    struct Case {
        const char* name;
        Stirrups given;
        Stirrups completed;
    };
    const Case cases[] = {
        {"closed pair gains its mirror", {{1, 2}}, {{1, 2}, {4, 5}}},
        {"own mirror stays alone", {{2, 4}}, {{2, 4}}},
        {"open at the middle column stays alone", {{3, -1}}, {{3, -1}}},
        {"open end gains the mirrored open start", {{1, -1}}, {{1, -1}, {-1, 5}}},
        {"open start gains the mirrored open end", {{-1, 2}}, {{-1, 2}, {4, -1}}},
        {"right-half, doubly open, duplicate and mirror duplicate go before completion",
         {{1, 2}, {2, 4}, {4, 5}, {1, 2}, {-1, -1}, {-1, 4}, {3, -1}, {1, -1}, {4, -1}},
         {{1, 2}, {2, 4}, {3, -1}, {1, -1}, {4, 5}, {-1, 5}}},
    };
    for (const Case& c : cases) {
        CBent_FaceInfo face = FaceWithStirrups(5, c.given);
        face.CompleteStirrups();
        EXPECT_EQ(StirrupsOf(face), c.completed) << c.name;
    }
}

TEST(CBent_FaceInfo, MirrorDuplicatesOnAnEvenColumnCount)
{
    // With six columns (2, 6) starts in the left half, so only the mirror test removes it.
    CBent_FaceInfo face = FaceWithStirrups(6, {{1, 5}, {2, 6}, {1, 6}, {3, -1}});
    face.RemoveMirroredStirrups();
    EXPECT_EQ(StirrupsOf(face), (Stirrups{{1, 5}, {1, 6}, {3, -1}}));
    face.CompleteStirrups();
    EXPECT_EQ(StirrupsOf(face), (Stirrups{{1, 5}, {1, 6}, {3, -1}, {2, 6}, {-1, 4}}));
    EXPECT_EQ(face.GetStirrups()[3].GetDiameter(), 12);
}

TEST(CBent_FaceInfo, CopyIsDeepAndStirrupsFollowTheFlag)
{
    CBent_FaceInfo original = FaceWithStirrups(5, {{1, 2}});
    original.GetSupports().Add(Support(1));
    CBent_LUTSteel upper;
    ASSERT_TRUE(upper.SetColumnLists(Reals({10}), Reals({11})));
    original.GetLUTSteels().Add(upper);

    CBent_FaceInfo copy(original);
    EXPECT_EQ(StirrupsOf(copy), (Stirrups{{1, 2}}));
    copy.GetSupports()[0].GetLPTSteels()[0].SetLeftAxisDistance(99);
    copy.GetLUTSteels()[0].SetLeftAxisDistanceAt(0, 99);
    copy.GetStirrups()[0].SetEndColumn(3);
    copy.GetLTLSteel().SetLeftDistance(99);
    EXPECT_EQ(SupportIds(original), (std::vector<double>{1}));
    EXPECT_EQ(original.GetLUTSteels()[0].GetLeftAxisDistanceAt(0), 10.0);
    EXPECT_EQ(StirrupsOf(original), (Stirrups{{1, 2}}));
    EXPECT_EQ(original.GetLTLSteel().GetLeftDistance(), 50.0);

    CBent_FaceInfo target = FaceWithStirrups(3, {{2, 3}});
    target.Copy(original, FALSE);
    EXPECT_EQ(target.GetBarColumnCount(), 5);
    EXPECT_EQ(SupportIds(target), (std::vector<double>{1}));
    EXPECT_EQ(StirrupsOf(target), (Stirrups{{2, 3}}));
    target.Copy(original, TRUE);
    EXPECT_EQ(StirrupsOf(target), (Stirrups{{1, 2}}));

    const CBent_FaceInfo& alias = target;
    target = alias;
    EXPECT_EQ(StirrupsOf(target), (Stirrups{{1, 2}}));
}

TEST(CBent_FaceInfo, SetColumnTextReachesEveryBarButTheStirrups)
{
    CBent_FaceInfo face = FaceWithStirrups(4, {{1, 2}});
    face.GetSupports().Add(Support(1));
    face.GetSupports()[0].GetLPMSteels().Add(CBent_LPMSteel());
    face.GetLUBSteels().Add(CBent_LUBSteel());
    face.GetLUMSteels().Add(CBent_LUMSteel());
    face.SetColumnText(L"0110");
    EXPECT_EQ(face.GetLTLSteel().GetColumnText(), CString(L"0110"));
    EXPECT_EQ(face.GetLBLSteel().GetColumnText(), CString(L"0110"));
    EXPECT_EQ(face.GetLUBSteels()[0].GetColumnText(), CString(L"0110"));
    EXPECT_EQ(face.GetLUMSteels()[0].GetColumnText(), CString(L"0110"));
    EXPECT_EQ(face.GetSupports()[0].GetLPTSteels()[0].GetColumnText(), CString(L"0110"));
    EXPECT_EQ(face.GetSupports()[0].GetLPMSteels()[0].GetColumnText(), CString(L"0110"));
    EXPECT_EQ(face.GetStirrups()[0].GetColumnText(), CString(L"111111111111111"));
}

TEST(CBent_FaceInfo, BarColumnCountStaysDrawable)
{
    CBent_FaceInfo face;
    EXPECT_TRUE(face.SetBarColumnCount(20));
    EXPECT_FALSE(face.SetBarColumnCount(21));
    EXPECT_FALSE(face.SetBarColumnCount(-1));
    EXPECT_EQ(face.GetBarColumnCount(), 20);
}
