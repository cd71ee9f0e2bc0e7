// The drawing run's conversion: every example design, checked as the run checks it, arrives in
// the drawing-side model field for field, with one fresh record per design record.
#include "CScopedMessageBoxAnswerer.h"
#include "DesignComparison.h"

#include <gtest/gtest.h>

namespace {

const char* const kExamples[] = {"sample.glt", "square-two-columns.glt", "abutment.glt", "l-section.glt"};

} // namespace

TEST(CHLGZ_PierInfo, EveryExampleConvertsFieldForField)
{
    CScopedMessageBoxAnswerer boxes;
    for (const char* name : kExamples) {
        SCOPED_TRACE(name);
        CBent_PierInfo design = ReadExample(ExamplesFolder() / name);
        CString message;
        ASSERT_EQ(design.CheckBeforeDrawing(message, 1), 1);
        const CBent_PierInfo checked = design;

        CHLGZ_PierInfo drawn;
        drawn = design;
        ExpectSameDesign(design, drawn);
        EXPECT_TRUE(design == checked) << "the conversion changed the design";

        // A second conversion into the same record rebuilds the lists instead of adding to them.
        drawn = design;
        ExpectSameDesign(design, drawn);
        EXPECT_EQ(boxes->Boxes().size(), 0u);
    }
}

// Records the design reader cannot produce: further faces, tendons, an end face with bars and
// a column text shorter than the drawing side's default.
TEST(CHLGZ_PierInfo, ConvertsWhatTheExamplesLack)
{
    CBent_PierInfo design;
    design.GetSupportDistances().Add(2000);
    design.GetSupportDistances().Add(5000);
    design.GetSectionPositions().Add(1);
    design.GetSectionPositions().Add(3);
    for (int face = 0; face < 2; ++face) {
        CBent_FaceInfo extra;
        extra.SetBarColumnCount(4 + face);
        extra.GetSupports().SetSize(2);
        CBent_LPBSteel lower;
        lower.SetDistancesAndRadius(300, 400, 500);
        lower.SetFurtherValue(7);
        extra.GetSupports()[1].GetLPBSteels().Add(lower);
        CBent_LUPSteel top;
        top.SetColumnText(L"101");
        top.SetLeftDistance(123);
        extra.GetLUPSteels().Add(top);
        design.GetFaceList().Add(extra);
    }
    CBent_LUTSteel upper;
    CArray<double, const double&> left, right;
    left.Add(100);
    left.Add(200);
    right.Add(150);
    right.Add(250);
    ASSERT_TRUE(upper.SetColumnLists(left, right));
    design.GetEndFace().GetLUTSteels().Add(upper);
    CHLGZ_HlBarStruct tendon;
    tendon.SetName(L"N2");
    tendon.GetSectionValues().Add(0.5);
    design.GetTendons().Add(tendon);
    design.GetAddInfo().SetApplicableTo(L"3号墩");
    design.GetMoreInfo().GetSideSpacings().Add(120);

    CHLGZ_PierInfo drawn;
    drawn = design;
    ExpectSameDesign(design, drawn);
    ASSERT_EQ(drawn.GetFaceList().GetSize(), 2);
    EXPECT_EQ(drawn.GetFaceList()[1].GetLUPSteels()[0].GetColumnText(), CString(L"101"));
    EXPECT_EQ(drawn.GetFaceList()[0].GetSupports()[1].GetLPBSteels()[0].GetExtraParameter(), 7);
    ASSERT_EQ(drawn.GetEndFace().GetLUTSteels()[0].GetPoints().length(), 2);
    EXPECT_EQ(drawn.GetEndFace().GetLUTSteels()[0].GetPointY(-1), 250.0);
}

// The plate records are assigned in place: what the drawing computed into them stays, while
// every list is rebuilt with fresh records.
TEST(CHLGZ_PierInfo, ConversionKeepsPlateGeometryAndRebuildsLists)
{
    CBent_PierInfo design;
    design.GetMainFace().GetLUMSteels().Add(CBent_LUMSteel());
    CHLGZ_PierInfo drawn;
    drawn.GetMainFace().GetLTLSteel().GetFirstPoints().append(AcGePoint3d(1, 2, 0));
    CHLGZ_LUMSteel stale;
    stale.SetLeftDistance(99);
    drawn.GetMainFace().GetLUMSteels().Add(stale);
    drawn.GetMainFace().GetLUMSteels().Add(stale);
    drawn.GetFaceList().Add(CHLGZ_FaceInfo());

    drawn = design;
    EXPECT_EQ(drawn.GetMainFace().GetLTLSteel().GetFirstPoints().length(), 1);
    ASSERT_EQ(drawn.GetMainFace().GetLUMSteels().GetSize(), 1);
    EXPECT_EQ(drawn.GetMainFace().GetLUMSteels()[0].GetLeftDistance(), 0.0);
    EXPECT_TRUE(drawn.GetFaceList().IsEmpty());
}

TEST(CHLGZ_PierInfo, ResetKeepsCoversAndSectionPositions)
{
    CHLGZ_PierInfo drawn;
    EXPECT_EQ(drawn.GetTopCover(), 70.0);
    EXPECT_EQ(drawn.GetEndCover(), 60.0);
    EXPECT_EQ(drawn.GetFurtherCover(), 50.0);
    EXPECT_EQ(drawn.GetMainFace().GetLTLSteel().GetLeftDistance(), 50.0);
    EXPECT_EQ(drawn.GetMainFace().GetLTLSteel().GetColumnText().GetLength(), 20);

    drawn.SetTopCover(35);
    drawn.GetSectionPositions().append(2);
    drawn.SetElevationScale(100);
    drawn.SetStrengtheningSymmetric(0);
    drawn.GetSupportDistances().append(1000);
    drawn.GetExtendSteel().GetCodes().append(9000);
    drawn.GetAddInfo().SetApplicableTo(L"1号墩");
    drawn.Reset();
    EXPECT_EQ(drawn.GetTopCover(), 35.0);
    EXPECT_EQ(drawn.GetSectionPositions().length(), 1);
    EXPECT_EQ(drawn.GetElevationScale(), 50.0);
    EXPECT_EQ(drawn.GetStrengtheningSymmetric(), 1);
    EXPECT_TRUE(drawn.GetSupportDistances().isEmpty());
    EXPECT_TRUE(drawn.GetExtendSteel().GetCodes().isEmpty());
    EXPECT_EQ(drawn.GetAddInfo().GetApplicableTo(), CString(L"?"));
}
