#include "CBent_PierInfo.h"
#include "DesignFileTestSupport.h"
#include "LengthScaling.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

CArray<double, const double&> Reals(std::initializer_list<double> values)
{
    CArray<double, const double&> list;
    for (double v : values)
        list.Add(v);
    return list;
}

// The full design with the fields no file carries set too: scaling must reach or spare them.
void BuildScalableDesign(CBent_PierInfo& design)
{
    CBent_BasicGeometry geometry;
    BuildFullDesign(design, geometry);
    design.SetFurtherCover(47.5);
    design.GetMoreInfo().SetFurtherSetting1(100);
    design.GetMoreInfo().SetFurtherSetting5(1000);
    design.GetEndFace().SetSupportCount(3);
    design.GetEndFace().GetLUPSteels().Add(CBent_LUPSteel());
}

} // namespace

// The bent-up bars' codes: an absent value stays, an end-positioned length keeps its code, and
// the lower bent-up bars have no codes.
TEST(DesignRecordScalingTest, CodedLengthsKeepTheirCodes)
{
    CBent_LUTSteel upper;
    upper.SetColumnLists(Reals({99999, 80250, 1500}), Reals({99999.0000001, 81234.5, 0}));
    upper.ScaleLengths(0.001);
    EXPECT_EQ(upper.GetLeftAxisDistanceAt(0), 99999);
    EXPECT_EQ(upper.GetLeftAxisDistanceAt(1), 80000.25);
    EXPECT_EQ(upper.GetLeftAxisDistanceAt(2), 1.5);
    EXPECT_EQ(upper.GetRightAxisDistanceAt(0), 99999.0000001);
    EXPECT_EQ(upper.GetRightAxisDistanceAt(1), 80001.2345);

    CBent_LUBSteel lower;
    lower.SetColumnLists(Reals({99999}), Reals({1000}), Reals({350}));
    lower.ScaleLengths(0.1);
    EXPECT_EQ(lower.GetLeftAxisDistanceAt(0), 9999.9);
    EXPECT_EQ(lower.GetRadiusOrHeightAt(0), 35);

    CBent_LPTSteel atSupport;
    atSupport.SetAxisDistances(99999, 80250);
    atSupport.ScaleLengths(0.001);
    EXPECT_EQ(atSupport.GetLeftAxisDistance(), 99999);
    EXPECT_EQ(atSupport.GetRightAxisDistance(), 80.25);
}

// Each length of the design follows the factor; scales, angles, flags, grades, diameters, codes
// and the whole-number settings do not.
TEST(DesignRecordScalingTest, ScalesEveryLengthAndNothingElse)
{
    CBent_PierInfo before;
    BuildScalableDesign(before);
    CBent_PierInfo after(before);
    after.ScaleLengths(10);

    using Get = std::function<double(const CBent_PierInfo&)>;
    const std::pair<const char*, Get> lengths[] = {
        {"top cover", [](const CBent_PierInfo& d) { return d.GetTopCover(); }},
        {"further cover", [](const CBent_PierInfo& d) { return d.GetFurtherCover(); }},
        {"support spacing", [](const CBent_PierInfo& d) { return d.GetSupportDistances()[0]; }},
        {"top-plate bars", [](const CBent_PierInfo& d) { return d.GetMainFace().GetLTLSteel().GetRightDistance(); }},
        {"upper bent-up", [](const CBent_PierInfo& d) { return d.GetMainFace().GetLUTSteels()[0].GetRightAxisDistanceAt(1); }},
        {"lower bent-up", [](const CBent_PierInfo& d) { return d.GetMainFace().GetLUBSteels()[0].GetRadiusOrHeightAt(1); }},
        {"top straight", [](const CBent_PierInfo& d) { return d.GetMainFace().GetLUPSteels()[0].GetRightDistance(); }},
        {"support bottom straight", [](const CBent_PierInfo& d) { return d.GetMainFace().GetSupports()[2].GetLPMSteels()[0].GetRightDistance(); }},
        {"support upper bent-up", [](const CBent_PierInfo& d) { return d.GetMainFace().GetSupports()[1].GetLPTSteels()[1].GetRightAxisDistance(); }},
        {"support lower bent-up", [](const CBent_PierInfo& d) { return d.GetMainFace().GetSupports()[1].GetLPBSteels()[0].GetRadiusOrHeight(); }},
        {"skeleton face", [](const CBent_PierInfo& d) { return d.GetFaceList()[0].GetLUPSteels()[0].GetLeftDistance(); }},
        {"stirrup spacing", [](const CBent_PierInfo& d) { return d.GetMoreInfo().GetSkewStirrupSpacing(); }},
        {"densified range", [](const CBent_PierInfo& d) { return d.GetMoreInfo().GetDenseHalfRangeMiddle(); }},
        {"weld width", [](const CBent_PierInfo& d) { return d.GetMoreInfo().GetWeldWidth(); }},
        {"bend radius", [](const CBent_PierInfo& d) { return d.GetMoreInfo().GetBendRadius(); }},
        {"side-bar spacing", [](const CBent_PierInfo& d) { return d.GetMoreInfo().GetSideBarSpacing(); }},
        {"anchor spacing", [](const CBent_PierInfo& d) { return d.GetMoreInfo().GetAnchorBarSpacing(); }},
        {"column spacing", [](const CBent_PierInfo& d) { return d.GetMoreInfo().GetSkeletonSpacings()[2]; }},
        {"side spacing", [](const CBent_PierInfo& d) { return d.GetMoreInfo().GetSideSpacings()[1]; }},
        {"working length", [](const CBent_PierInfo& d) { return d.GetTendons()[0].GetWorkingLength(); }},
        {"section value", [](const CBent_PierInfo& d) { return d.GetTendons()[0].GetSectionValues()[1]; }},
        {"guide point", [](const CBent_PierInfo& d) { return d.GetTendons()[0].GetPoints()[1].GetX(); }},
        {"guide point radius", [](const CBent_PierInfo& d) { return d.GetTendons()[0].GetPoints()[1].GetR(); }},
        {"strengthening distance", [](const CBent_PierInfo& d) { return d.GetExtendSteel().GetEdgeOuterDistance(); }},
        {"decrement", [](const CBent_PierInfo& d) { return d.GetExtendSteel().GetMultiLayerDecrement(); }},
    };
    for (const auto& [name, get] : lengths)
        EXPECT_DOUBLE_EQ(get(after), 10 * get(before)) << name;

    const std::pair<const char*, Get> others[] = {
        {"elevation scale", [](const CBent_PierInfo& d) { return d.GetElevationScale(); }},
        {"bend angle", [](const CBent_PierInfo& d) { return d.GetMoreInfo().GetBendAngle(); }},
        {"skeleton diameter", [](const CBent_PierInfo& d) { return d.GetMoreInfo().GetSkeletonDiameter(); }},
        {"whole-number setting", [](const CBent_PierInfo& d) { return d.GetMoreInfo().GetFurtherSetting5(); }},
        {"guide point support", [](const CBent_PierInfo& d) { return d.GetTendons()[0].GetPoints()[1].GetSupport(); }},
        {"code", [](const CBent_PierInfo& d) { return d.GetExtendSteel().GetCodeAt(1); }},
        {"absent bent-up side", [](const CBent_PierInfo& d) { return d.GetMainFace().GetLUTSteels()[0].GetLeftAxisDistanceAt(1); }},
        {"section code", [](const CBent_PierInfo& d) { return d.GetSectionPositions()[2]; }},
    };
    for (const auto& [name, get] : others)
        EXPECT_EQ(get(after), get(before)) << name;
    EXPECT_EQ(after.GetMainFace().GetLUTSteels()[0].GetLeftAxisDistanceAt(2), 80000 + 250.5 * 10);
}

// A change of unit is a pass to millimetres and one to the new unit: through every unit and back
// every value is as it was, the coded lengths and the whole-number settings included.
TEST(DesignRecordScalingTest, UnitChangesThereAndBackKeepEveryValue)
{
    CBent_PierInfo original;
    BuildScalableDesign(original);
    const double toMillimetres[] = {1000, 100, 10, 1};
    const double fromMillimetres[] = {0.001, 0.01, 0.1, 1};
    CBent_PierInfo design(original);
    int unit = 3;
    for (int next : {0, 2, 1, 0, 3, 1, 2, 3}) {
        design.ScaleLengths(toMillimetres[unit]);
        design.ScaleLengths(fromMillimetres[next]);
        unit = next;
    }
    EXPECT_TRUE(design == original);

    design.ScaleLengths(0.001);
    EXPECT_EQ(design.GetMoreInfo().GetFurtherSetting1(), 100);
    EXPECT_EQ(design.GetTopCover(), 0.05025);
    EXPECT_EQ(design.GetMainFace().GetLUTSteels()[0].GetLeftAxisDistanceAt(2), 80000.2505);
}

// A typed length moves as a decimal: the product would be off in the last bit.
TEST(DesignRecordScalingTest, PowersOfTenShiftTheDecimal)
{
    EXPECT_EQ(ScaleLength(1234.5, 0.001), 1.2345);
    EXPECT_EQ(ScaleLength(1.2345, 1000), 1234.5);
    EXPECT_EQ(ScaleLength(0.7, 100), 70);
    EXPECT_EQ(ScaleLength(-3.3, 10), -33);
    EXPECT_EQ(ScaleLength(2.5, 3), 7.5);
    EXPECT_EQ(ScaleLength(0, 0.001), 0);
    EXPECT_EQ(ScaleCodedLength(80001.2345, 1000), 81234.5);
    EXPECT_EQ(ScaleCodedLength(150000, 0.01), 80700);
}
