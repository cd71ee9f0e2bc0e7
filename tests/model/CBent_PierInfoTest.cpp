// The root design record: defaults of a fresh design, reset, and deep copies; the
// strengthening settings' code list.
#include "CBent_BasicGeometry.h"
#include "CBent_PierInfo.h"

#include <gtest/gtest.h>

namespace {

// A small asymmetric design with something in every list, to tell copies apart.
CBent_PierInfo SampleDesign()
{
    CBent_PierInfo design;
    design.SetElevationScale(100);
    design.SetTopCover(80);
    design.SetSupportCount(1);
    design.GetSupportDistances().Add(3000);
    design.GetSupportDistances().Add(4500);
    design.GetSectionPositions().Add(0);
    design.GetSectionPositions().Add(3);

    CBent_FaceInfo& main = design.GetMainFace();
    main.SetBarColumnCount(5);
    main.GetSupports().SetSize(2);
    CBent_LPTSteel upper;
    upper.SetAxisDistances(700, 900);
    main.GetSupports()[0].GetLPTSteels().Add(upper);
    CBent_PAFSteel stirrup;
    stirrup.SetStartColumn(1);
    stirrup.SetEndColumn(2);
    main.GetStirrups().Add(stirrup);
    design.GetEndFace().GetStirrups().Add(stirrup);
    design.GetFaceList().Add(CBent_FaceInfo());
    design.GetFaceList()[0].GetLUPSteels().Add(CBent_LUPSteel());

    design.SetPlateBarsText(L"11011");
    design.SetSkeletonTypeText(L"AABAA");
    design.GetMoreInfo().SetBendDownMode(0);
    design.GetMoreInfo().GetSkeletonSpacings().Add(250);

    CHLGZ_HlBarStruct tendon;
    tendon.SetName(L"N1");
    tendon.GetSectionValues().Add(1.5);
    CHLGZ_HlPointStruct point;
    point.SetX(10);
    tendon.GetPoints().Add(point);
    design.GetTendons().Add(tendon);

    design.GetExtendSteel().SetCodeCount(5);
    design.GetExtendSteel().SetCodeAt(0, 9000);
    design.GetAddInfo().SetApplicableTo(L"1号墩");
    return design;
}

void Scramble(CBent_PierInfo& d)
{
    d.SetElevationScale(1);
    d.SetTopCover(1);
    d.SetSupportCount(7);
    d.GetSupportDistances()[0] = 1;
    d.GetSectionPositions()[1] = 1;
    d.GetMainFace().GetSupports()[0].GetLPTSteels()[0].SetLeftAxisDistance(1);
    d.GetMainFace().GetStirrups()[0].SetEndColumn(1);
    d.GetEndFace().GetStirrups().RemoveAll();
    d.GetFaceList()[0].GetLUPSteels()[0].SetLeftDistance(1);
    d.SetPlateBarsText(L"1");
    d.GetMoreInfo().GetSkeletonSpacings()[0] = 1;
    d.GetTendons()[0].GetPoints()[0].SetX(1);
    d.GetTendons()[0].GetSectionValues()[0] = 1;
    d.GetExtendSteel().SetCodeAt(0, 1);
    d.GetAddInfo().SetApplicableTo(L"1");
}

void ExpectSample(const CBent_PierInfo& d)
{
    EXPECT_EQ(d.GetElevationScale(), 100.0);
    EXPECT_EQ(d.GetTopCover(), 80.0);
    EXPECT_EQ(d.GetSupportCount(), 1);
    EXPECT_EQ(d.GetSupportDistances()[0], 3000.0);
    EXPECT_EQ(d.GetSectionPositions()[1], 3);
    EXPECT_EQ(d.GetMainFace().GetBarColumnCount(), 5);
    EXPECT_EQ(d.GetMainFace().GetSupports()[0].GetLPTSteels()[0].GetLeftAxisDistance(), 700.0);
    EXPECT_EQ(d.GetMainFace().GetStirrups()[0].GetEndColumn(), 2);
    EXPECT_EQ(d.GetEndFace().GetStirrups().GetSize(), 1);
    EXPECT_EQ(d.GetFaceList()[0].GetLUPSteels()[0].GetLeftDistance(), 0.0);
    EXPECT_EQ(d.GetPlateBarsText(), CString(L"11011"));
    EXPECT_EQ(d.GetSkeletonTypeText(), CString(L"AABAA"));
    EXPECT_EQ(d.GetMoreInfo().GetBendDownMode(), 0);
    EXPECT_EQ(d.GetMoreInfo().GetSkeletonSpacings()[0], 250.0);
    EXPECT_EQ(d.GetTendons()[0].GetName(), CString(L"N1"));
    EXPECT_EQ(d.GetTendons()[0].GetSectionValues()[0], 1.5);
    EXPECT_EQ(d.GetTendons()[0].GetPoints()[0].GetX(), 10.0);
    EXPECT_EQ(d.GetExtendSteel().GetCodeAt(0), 9000);
    EXPECT_EQ(d.GetExtendSteel().GetCodeCount(), 5);
    EXPECT_EQ(d.GetAddInfo().GetApplicableTo(), CString(L"1号墩"));
}

} // namespace

TEST(CBent_PierInfo, DefaultsOfAFreshDesign)
{
    const CBent_PierInfo d;
    EXPECT_EQ(d.GetElevationScale(), 50.0);
    EXPECT_EQ(d.GetSectionScale(), 40.0);
    EXPECT_EQ(d.GetForceWholeDrawing(), 0);
    EXPECT_EQ(d.GetDrawTestDrawing(), 0);
    EXPECT_EQ(d.GetGeneralSymmetric(), 1);
    EXPECT_EQ(d.GetColumnSpacingSymmetric(), 1);
    EXPECT_EQ(d.GetSectionStirrupsSymmetric(), 1);
    EXPECT_EQ(d.GetSkeletonArrangementSymmetric(), 1);
    EXPECT_EQ(d.GetBarSkeletonSymmetric(), 1);
    EXPECT_EQ(d.GetStrengtheningSymmetric(), 1);
    EXPECT_EQ(d.GetTopCover(), 70.0);
    EXPECT_EQ(d.GetBottomCover(), 70.0);
    EXPECT_EQ(d.GetSideCover(), 50.0);
    EXPECT_EQ(d.GetEndCover(), 60.0);
    EXPECT_EQ(d.GetAnchorSealingCover(), 50.0);
    EXPECT_EQ(d.GetFurtherCover(), 50.0);
    EXPECT_EQ(d.GetSupportCount(), 0);
    EXPECT_TRUE(d.GetSupportDistances().IsEmpty());
    EXPECT_TRUE(d.GetSectionPositions().IsEmpty());
    EXPECT_EQ(d.GetMainFace().GetLTLSteel().GetLeftDistance(), 50.0);
    EXPECT_TRUE(d.GetEndFace().GetStirrups().IsEmpty());
    EXPECT_TRUE(d.GetFaceList().IsEmpty());
    EXPECT_TRUE(d.GetPlateBarsText().IsEmpty());
    EXPECT_TRUE(d.GetSkeletonTypeText().IsEmpty());
    EXPECT_TRUE(d.GetTendons().IsEmpty());
    EXPECT_EQ(d.GetAddInfo().GetApplicableTo(), CString(L"?"));

    const CBent_MoreInfo& m = d.GetMoreInfo();
    EXPECT_EQ(m.GetStirrupSpacing(), 150.0);
    EXPECT_EQ(m.GetDenseStirrupSpacing(), 100.0);
    EXPECT_EQ(m.GetSkewStirrupSpacing(), 200.0);
    EXPECT_EQ(m.GetBendAngle(), 45);
    EXPECT_EQ(m.GetBendRadius(), 100.0);
    EXPECT_EQ(m.GetSideBarType(), 0);
    EXPECT_EQ(m.GetSkeletonDiameter(), 28);
    EXPECT_EQ(m.GetStirrupDiameter(), 12);
    EXPECT_EQ(m.GetSideDiameter(), 8);
    EXPECT_EQ(m.GetAnchorDiameter(), 12);
    EXPECT_EQ(m.GetFurtherSetting5(), 1000);
    EXPECT_EQ(m.GetBendDownMode(), 1);
    EXPECT_EQ(m.GetOuterUpperFixed(), 1);

    const CBent_ExtendSteel& x = d.GetExtendSteel();
    EXPECT_EQ(x.GetCodeCount(), 0);
    EXPECT_EQ(x.GetTopDiameter(), 28);
    EXPECT_EQ(x.GetBottomBarType(), 1);
    EXPECT_EQ(x.GetMiddlePierForm(), 0);
    EXPECT_EQ(x.GetFurtherValue2(), 0);
    EXPECT_EQ(x.GetFurtherValue3(), 1);

    const CBent_BasicGeometry g;
    EXPECT_EQ(g.nSectionSymmetric, 1);
    EXPECT_EQ(g.dLeftAngle, 90.0);
    EXPECT_EQ(g.dRightAngle, 90.0);
    EXPECT_EQ(g.dLength, 0.0);
}

TEST(CBent_PierInfo, ResetKeepsCoversAndSectionPositions)
{
    CBent_PierInfo d = SampleDesign();
    d.Reset();
    EXPECT_EQ(d.GetElevationScale(), 50.0);
    EXPECT_TRUE(d.GetSupportDistances().IsEmpty());
    EXPECT_TRUE(d.GetMainFace().GetStirrups().IsEmpty());
    EXPECT_TRUE(d.GetTendons().IsEmpty());
    EXPECT_EQ(d.GetExtendSteel().GetCodeCount(), 0);
    EXPECT_EQ(d.GetMoreInfo().GetBendDownMode(), 1);
    EXPECT_EQ(d.GetTopCover(), 80.0);
    EXPECT_EQ(d.GetSectionPositions().GetSize(), 2);
}

TEST(CBent_PierInfo, CopyAndAssignmentAreDeep)
{
    const CBent_PierInfo original = SampleDesign();

    CBent_PierInfo copied(original);
    ExpectSample(copied);
    Scramble(copied);
    ExpectSample(original);

    CBent_PierInfo assigned;
    assigned.GetTendons().Add(CHLGZ_HlBarStruct());
    assigned.GetFaceList().SetSize(3);
    assigned = original;
    ExpectSample(assigned);
    EXPECT_EQ(assigned.GetFaceList().GetSize(), 1);
    EXPECT_EQ(assigned.GetTendons().GetSize(), 1);
    Scramble(assigned);
    ExpectSample(original);

    const CBent_PierInfo& alias = assigned;
    assigned = alias;
    EXPECT_EQ(assigned.GetElevationScale(), 1.0);
    EXPECT_EQ(assigned.GetMainFace().GetStirrups().GetSize(), 1);
}

TEST(CBent_ExtendSteel, CodeCountAndTensClearing)
{
    CBent_ExtendSteel x;
    x.GetCodes().Add(1000);
    x.GetCodes().Add(9000);
    EXPECT_TRUE(x.SetCodeCount(3));
    ASSERT_EQ(x.GetCodeCount(), 3);
    EXPECT_EQ(x.GetCodeAt(2), 0);
    EXPECT_EQ(x.GetCodeAt(1), 9000);

    EXPECT_TRUE(x.SetCodeCount(-1));
    EXPECT_EQ(x.GetCodeCount(), 3);
    EXPECT_FALSE(x.SetCodeCount(21));
    EXPECT_EQ(x.GetCodeCount(), 3);
    EXPECT_TRUE(x.SetCodeCount(1));
    EXPECT_EQ(x.GetCodeCount(), 1);
    EXPECT_THROW(x.SetCodeAt(1, 5), CInvalidArgException);
    EXPECT_EQ(x.GetCodeCount(), 1);

    x.GetCodes().RemoveAll();
    for (int code : {1234, 9256, 5234, 99})
        x.GetCodes().Add(code);
    x.ClearCodeTens();
    EXPECT_EQ(x.GetCodeAt(0), 1204);
    EXPECT_EQ(x.GetCodeAt(1), 9206);
    EXPECT_EQ(x.GetCodeAt(2), 204);
    EXPECT_EQ(x.GetCodeAt(3), 9);
}
