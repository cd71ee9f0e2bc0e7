#include "CDesignValidator.h"
#include "CategoryCodes.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

using Texts = std::vector<std::wstring>;

struct Design {
    CBent_PierInfo design;
    CBent_BasicGeometry geometry;
};

void SetSupports(Design& d, const std::vector<double>& spacings)
{
    d.design.GetSupportDistances().RemoveAll();
    d.design.GetSectionPositions().RemoveAll();
    for (double s : spacings) {
        d.design.GetSupportDistances().Add(s);
        d.design.GetSectionPositions().Add(static_cast<int>(d.design.GetSectionPositions().GetSize()) + 1);
    }
}

// A two-pier cap in millimetres that breaks no rule.
Design CleanDesign()
{
    Design d;
    CBent_BasicGeometry& g = d.geometry;
    g.dLength = 20000;
    g.dWidth = 2000;
    g.dMiddleHeight = 1600;
    g.dColumnDiameter = 1200;
    g.dLeftWidth = g.dRightWidth = 1000;
    g.dLeftEndHeight = g.dRightEndHeight = 1000;
    d.design.InitSupports(2);
    SetSupports(d, {3000, 3000});
    d.design.GetMoreInfo().SetWeldWidth(280);
    CBent_ExtendSteel& steel = d.design.GetExtendSteel();
    steel.SetEdgeInnerDistance(1000);
    steel.SetEdgeOuterDistance(1000);
    steel.SetMultiLayerDecrement(100);
    return d;
}

Texts ToTexts(const CStringArray& messages)
{
    Texts texts;
    for (INT_PTR i = 0; i < messages.GetSize(); ++i)
        texts.emplace_back(messages[i].GetString());
    return texts;
}

struct Found {
    Texts errors;
    Texts warnings;
};

Found Validate(const Design& d, double factor = 1.0)
{
    CStringArray errors, warnings;
    errors.Add(L"left over");
    ValidateDesign(errors, warnings, d.design, d.geometry, factor);
    return {ToTexts(errors), ToTexts(warnings)};
}

void AddWholeBar(Design& d, const std::vector<double>& lefts, const std::vector<double>& rights)
{
    CArray<double, const double&> l, r;
    for (double v : lefts)
        l.Add(v);
    for (double v : rights)
        r.Add(v);
    CBent_LUTSteel bar;
    ASSERT_TRUE(bar.SetColumnLists(l, r));
    d.design.GetMainFace().GetLUTSteels().Add(bar);
}

void AddSupportBar(Design& d, int support, double left, double right, int connected)
{
    CBent_LPTSteel bar;
    bar.SetAxisDistances(left, right);
    bar.SetConnectFlag(connected);
    d.design.GetMainFace().GetSupports()[support - 1].GetLPTSteels().Add(bar);
}

void AddStirrup(Design& d, int start, int end)
{
    CBent_PAFSteel stirrup;
    stirrup.SetStartColumn(start);
    stirrup.SetEndColumn(end);
    d.design.GetMainFace().GetStirrups().Add(stirrup);
}

void SetCodes(Design& d, const std::vector<int>& codes)
{
    d.design.GetExtendSteel().GetCodes().RemoveAll();
    for (int c : codes)
        d.design.GetExtendSteel().GetCodes().Add(c);
}

struct RuleCase {
    const char* name;
    std::function<void(Design&)> change;
    Texts errors;
    Texts warnings;
};

const RuleCase kRuleCases[] = {
    // Basic data
    {"negative weld", [](Design& d) { d.design.GetMoreInfo().SetWeldWidth(-1); }, {L"基本资料|焊缝宽度小于0"}, {}},
    {"no weld", [](Design& d) { d.design.GetMoreInfo().SetWeldWidth(0); }, {}, {}},
    {"short weld",
     [](Design& d) { d.design.GetMoreInfo().SetWeldWidth(100); },
     {},
     {L"基本资料|焊缝宽度小于5倍骨架钢筋公称直径"}},
    {"long weld",
     [](Design& d) { d.design.GetMoreInfo().SetWeldWidth(600); },
     {},
     {L"基本资料|焊缝宽度大于20倍骨架钢筋公称直径"}},
    {"no support", [](Design& d) { SetSupports(d, {}); }, {L"基本资料|支座个数为0", L"剖面位置|没有设置剖面"}, {}},
    {"one support, no section",
     [](Design& d) {
         SetSupports(d, {3000});
         d.design.GetSectionPositions().RemoveAll();
     },
     {L"剖面位置|没有设置剖面"},
     {L"基本资料|支座个数为1，盖梁可能需要添加预应力", L"剖面位置|剖面设置个数太少"}},
    // General construction
    {"no length",
     [](Design& d) { d.geometry.dLength = 0; },
     {L"一般构造|盖梁斜长为0", L"一般构造|墩柱直径大于或等于盖梁斜长（宽度）",
      L"一般构造|桥墩盖梁左变宽值相对盖梁斜长值太大", L"一般构造|桥墩盖梁右变宽值相对盖梁斜长值太大",
      L"墩柱间距|墩柱间距大于盖梁斜长"},
     {}},
    {"negative length is a skew length",
     [](Design& d) { d.geometry.dLength = -5000; },
     {L"墩柱间距|墩柱间距大于盖梁斜长"},
     {}},
    {"short cap",
     [](Design& d) {
         SetSupports(d, {1000, 1000}), d.geometry.dLength = 2900, d.geometry.dLeftWidth = d.geometry.dRightWidth = 500;
     },
     {},
     {L"一般构造|盖梁斜长值太小"}},
    {"no width",
     [](Design& d) { d.geometry.dWidth = 0; },
     {L"一般构造|盖梁宽度小于或等于0", L"一般构造|墩柱直径大于或等于盖梁斜长（宽度）"},
     {}},
    {"narrow cap",
     [](Design& d) { d.geometry.dWidth = 900, d.geometry.dColumnDiameter = 800; },
     {},
     {L"一般构造|盖梁宽度值太小"}},
    {"no height",
     [](Design& d) { d.geometry.dMiddleHeight = 0; },
     {L"一般构造|盖梁高度小于或等于0", L"一般构造|桥墩盖梁左端高度大于或等于跨中高度",
      L"一般构造|桥墩盖梁右端高度大于或等于跨中高度"},
     {}},
    {"low cap",
     [](Design& d) {
         d.geometry.dMiddleHeight = 190;
         d.geometry.dLeftEndHeight = d.geometry.dRightEndHeight = 150;
         d.design.SetTopCover(20), d.design.SetBottomCover(20);
         d.design.GetExtendSteel().SetEdgeInnerDistance(100), d.design.GetExtendSteel().SetEdgeOuterDistance(100);
     },
     {},
     {L"一般构造|盖梁高度值太小", L"一般构造|桥墩盖梁左端高度值太小", L"一般构造|桥墩盖梁右端高度值太小"}},
    {"no column", [](Design& d) { d.geometry.dColumnDiameter = 0; }, {L"一般构造|墩柱直径小于或等于0"}, {}},
    {"column as wide as the cap",
     [](Design& d) { d.geometry.dColumnDiameter = 2000; },
     {L"一般构造|墩柱直径大于或等于盖梁斜长（宽度）"},
     {}},
    {"thin column", [](Design& d) { d.geometry.dColumnDiameter = 500; }, {}, {L"一般构造|墩柱直径值太小"}},
    {"left angle 0",
     [](Design& d) { d.geometry.dLeftAngle = 0; },
     {L"一般构造|盖梁斜交角左边角度值错误"},
     {L"基本资料|大于15°不宜作斜截面下弯"}},
    {"left angle 40",
     [](Design& d) { d.geometry.dLeftAngle = 40; },
     {},
     {L"一般构造|盖梁斜交角左角度值太大", L"基本资料|大于15°不宜作斜截面下弯"}},
    {"slight skew in normal sections",
     [](Design& d) { d.geometry.dLeftAngle = 80, d.design.GetMoreInfo().SetBendDownMode(0); },
     {},
     {L"基本资料|小于15°不宜作正截面下弯"}},
    {"strong skew in skew sections",
     [](Design& d) { d.geometry.dLeftAngle = 60; },
     {},
     {L"基本资料|大于15°不宜作斜截面下弯"}},
    {"right angle plays no part in the bend-down mode", [](Design& d) { d.geometry.dRightAngle = 60; }, {}, {}},
    {"right angle 180", [](Design& d) { d.geometry.dRightAngle = 180; }, {L"一般构造|盖梁斜交角右边角度值错误"}, {}},
    {"right angle 140", [](Design& d) { d.geometry.dRightAngle = 140; }, {}, {L"一般构造|盖梁斜交角右角度值太大"}},
    {"no left end height",
     [](Design& d) { d.geometry.dLeftEndHeight = 0; },
     {L"一般构造|桥墩盖梁左端高度小于或等于0"},
     {}},
    {"right end as high as the middle",
     [](Design& d) { d.geometry.dRightEndHeight = 1600; },
     {L"一般构造|桥墩盖梁右端高度大于或等于跨中高度"},
     {}},
    {"no left widening", [](Design& d) { d.geometry.dLeftWidth = 0; }, {L"一般构造|桥墩盖梁左变宽值为0"}, {}},
    {"right widening half the length",
     [](Design& d) { d.geometry.dRightWidth = 10000; },
     {L"一般构造|桥墩盖梁右变宽值相对盖梁斜长值太大"},
     {}},
    {"small left widening", [](Design& d) { d.geometry.dLeftWidth = 50; }, {}, {L"一般构造|桥墩盖梁左变宽值太小"}},
    {"abutment has no lowered ends or widenings",
     [](Design& d) {
         d.geometry.nAbutmentCap = 1;
         d.geometry.dLeftEndHeight = 0, d.geometry.dRightWidth = 0, d.geometry.dLeftWidth = 5000;
     },
     {},
     {}},
    // Supports
    {"pier in the widening", [](Design& d) { d.geometry.dLeftWidth = 3100; }, {L"墩柱间距|墩柱设置在变宽段范围内"}, {}},
    {"negative widening measured along the skew end",
     [](Design& d) {
         d.geometry.dLeftAngle = 60, d.design.GetMoreInfo().SetBendDownMode(0);
         d.geometry.dLeftWidth = -1000;
         SetSupports(d, {1100, 1100});
     },
     {L"墩柱间距|墩柱设置在变宽段范围内"},
     {}},
    {"symmetric odd layout too long",
     [](Design& d) {
         SetSupports(d, {3000, 8000, 3000});
     },
     {L"墩柱间距|墩柱间距大于盖梁斜长"},
     {}},
    {"equal middle spacings count the first twice",
     [](Design& d) {
         SetSupports(d, {3000, 8000, 3000}), d.design.SetSupportCount(1);
     },
     {},
     {}},
    {"unsymmetric layout sums every spacing",
     [](Design& d) {
         SetSupports(d, {3000, 8000, 3000}), d.design.SetColumnSpacingSymmetric(0);
     },
     {},
     {}},
    {"symmetric even layout fits",
     [](Design& d) {
         SetSupports(d, {3000, 4000, 5000, 3000});
     },
     {},
     {}},
    {"symmetric even layout counts half the middle spacing",
     [](Design& d) {
         SetSupports(d, {3000, 4000, 7000, 3000});
     },
     {L"墩柱间距|墩柱间距大于盖梁斜长"},
     {}},
    // Covers, grades and sections
    {"no top cover", [](Design& d) { d.design.SetTopCover(0); }, {L"保护层|顶板保护层小于或等于0"}, {}},
    {"top cover under half a bar",
     [](Design& d) { d.design.SetTopCover(13.9); },
     {L"保护层|顶板保护层净值小于或等于0"},
     {}},
    {"cover of exactly half a bar", [](Design& d) { d.design.SetTopCover(14); }, {}, {}},
    {"no bottom cover", [](Design& d) { d.design.SetBottomCover(-1); }, {L"保护层|底板保护层小于或等于0"}, {}},
    {"end cover under half a bar",
     [](Design& d) { d.design.SetEndCover(10); },
     {L"保护层|剖面保护层净值小于或等于0"},
     {}},
    {"no side cover", [](Design& d) { d.design.SetSideCover(0); }, {L"保护层|侧面保护层小于或等于0"}, {}},
    {"plain skeleton bars",
     [](Design& d) { d.design.GetMoreInfo().SetSkeletonBarType(0); },
     {L"钢筋等级|骨架钢筋采用R235"},
     {}},
    {"no section",
     [](Design& d) { d.design.GetSectionPositions().RemoveAll(); },
     {L"剖面位置|没有设置剖面"},
     {L"剖面位置|剖面设置个数太少"}},
    // Strengthening bars
    {"negative edge inside",
     [](Design& d) { d.design.GetExtendSteel().SetEdgeInnerDistance(-1); },
     {L"加强钢筋|边柱内侧值小于0"},
     {}},
    {"short edge inside",
     [](Design& d) { d.design.GetExtendSteel().SetEdgeInnerDistance(700); },
     {},
     {L"加强钢筋|边柱内侧值小于梁高"}},
    {"negative edge outside",
     [](Design& d) { d.design.GetExtendSteel().SetEdgeOuterDistance(-1); },
     {L"加强钢筋|边柱外侧值小于0"},
     {}},
    {"short edge outside",
     [](Design& d) { d.design.GetExtendSteel().SetEdgeOuterDistance(700); },
     {},
     {L"加强钢筋|边柱外侧值小于梁高"}},
    {"short edge outside of form 1",
     [](Design& d) {
         d.design.GetExtendSteel().SetEdgeOuterDistance(700), d.design.GetExtendSteel().SetEdgeOuterForm(1);
     },
     {},
     {}},
    {"negative middle",
     [](Design& d) {
         SetSupports(d, {3000, 3000, 3000}), d.design.GetExtendSteel().SetMiddlePierDistance(-1);
     },
     {L"加强钢筋|中柱两侧值小于0"},
     {}},
    {"short middle",
     [](Design& d) {
         SetSupports(d, {3000, 3000, 3000}), d.design.GetExtendSteel().SetMiddlePierDistance(500);
     },
     {},
     {L"加强钢筋|中柱两侧值小于梁高"}},
    {"negative middle without middle piers",
     [](Design& d) { d.design.GetExtendSteel().SetMiddlePierDistance(-1); },
     {},
     {}},
    {"negative mid-span",
     [](Design& d) { d.design.GetExtendSteel().SetMidSpanDistance(-1); },
     {},
     {L"加强钢筋|跨中两侧值小于0"}},
    {"negative decrement",
     [](Design& d) { d.design.GetExtendSteel().SetMultiLayerDecrement(-1); },
     {L"加强钢筋|加强钢筋多层递减值小于0"},
     {}},
    {"no decrement",
     [](Design& d) { d.design.GetExtendSteel().SetMultiLayerDecrement(0); },
     {},
     {L"加强钢筋|加强钢筋多层递减值为0"}},
    // Side bars, stirrup settings, skeleton arrangement
    {"side spacings fill the height",
     [](Design& d) {
         d.design.GetMoreInfo().GetSideSpacings().Add(730), d.design.GetMoreInfo().GetSideSpacings().Add(730);
     },
     {},
     {}},
    {"side spacings miss the height",
     [](Design& d) {
         d.design.GetMoreInfo().GetSideSpacings().Add(730), d.design.GetMoreInfo().GetSideSpacings().Add(729.99);
     },
     {L"侧面钢筋|侧面钢筋间距和与梁高不匹配"},
     {}},
    {"no side spacing",
     [](Design& d) { d.design.GetMoreInfo().SetSideBarSpacing(0); },
     {L"侧面钢筋|侧面钢筋间距小于或等于0"},
     {}},
    {"no stirrup spacing",
     [](Design& d) { d.design.GetMoreInfo().SetStirrupSpacing(0); },
     {L"断面箍筋|箍筋间距小于或等于0"},
     {}},
    {"dense spacing wider",
     [](Design& d) {
         d.design.GetMoreInfo().SetDensifyInPierRanges(1), d.design.GetMoreInfo().SetDenseStirrupSpacing(200);
     },
     {L"断面箍筋|加密间距大于普通间距"},
     {}},
    {"dense ranges unset",
     [](Design& d) {
         CBent_MoreInfo& m = d.design.GetMoreInfo();
         m.SetDensifyInPierRanges(1), m.SetDenseRangeEdgeInner(-1), m.SetDenseRangeEdgeOuter(-1),
             m.SetDenseHalfRangeMiddle(-1);
     },
     {},
     {}},
    {"dense ranges negative",
     [](Design& d) {
         CBent_MoreInfo& m = d.design.GetMoreInfo();
         m.SetDensifyInPierRanges(1), m.SetDenseRangeEdgeInner(-2), m.SetDenseRangeEdgeOuter(-2),
             m.SetDenseHalfRangeMiddle(-2);
     },
     {L"断面箍筋|边柱内侧间距范围小于0", L"断面箍筋|边柱外侧间距范围小于0", L"断面箍筋|中柱两侧间距范围小于0"},
     {}},
    {"dense ranges not used", [](Design& d) { d.design.GetMoreInfo().SetDenseRangeEdgeInner(-2); }, {}, {}},
    {"column spacings miss the width",
     [](Design& d) {
         d.design.GetMoreInfo().GetSkeletonSpacings().Add(1000), d.design.GetMoreInfo().GetSkeletonSpacings().Add(800);
     },
     {L"骨架编排|骨架编排间距和与梁宽不匹配"},
     {}},
    {"column spacings fill the width",
     [](Design& d) {
         d.design.GetMoreInfo().GetSkeletonSpacings().Add(1000), d.design.GetMoreInfo().GetSkeletonSpacings().Add(900);
     },
     {},
     {}},
    // Stirrups against the per-column codes: columns 1 and 4 skeletons, 2 a plate-bar column.
    {"stirrups hold skeletons and plate-bar columns",
     [](Design& d) {
         SetCodes(d, {9000, 1000, 0, 9000}), AddStirrup(d, 1, 2), AddStirrup(d, -1, 4);
     },
     {},
     {}},
    {"stirrup ends out of range or on plain columns",
     [](Design& d) {
         SetCodes(d, {9000, 1000, 0, 9000});
         AddStirrup(d, 1, 3), AddStirrup(d, 5, 4), AddStirrup(d, 0, 4);
     },
     {L"断面箍筋|箍筋N1终止端没有箍到骨架或通长筋上", L"断面箍筋|箍筋N2起始端超出范围",
      L"断面箍筋|箍筋N3起始端超出范围"},
     {}},
    {"stirrup entered twice",
     [](Design& d) {
         SetCodes(d, {9000, 1000, 0, 9000}), AddStirrup(d, 1, 4), AddStirrup(d, 2, 4), AddStirrup(d, 1, 4);
     },
     {L"断面箍筋|箍筋N1和箍筋N3重复"},
     {}},
    {"skeletons without stirrups warned once",
     [](Design& d) {
         SetCodes(d, {9000, 1000, 9000, 9000}), AddStirrup(d, 1, 2);
     },
     {},
     {L"断面箍筋|部分骨架没有被箍筋箍到"}},
    // End-positioned upper bent-up bars of the whole elevation
    {"one end-positioned bar",
     [](Design& d) {
         d.design.GetMoreInfo().SetBendDownMode(0), d.geometry.dLeftAngle = 60;
         AddWholeBar(d, {80500, 1000}, {1000, 80500});
     },
     {},
     {}},
    {"end-positioned bar in skew sections",
     [](Design& d) {
         AddWholeBar(d, {1000, 1000}, {1000, 1000}), AddWholeBar(d, {80500, 1000}, {1000, 80500});
     },
     {L"整体立面上弯起筋|斜截面下弯或端部不固定情况下，上弯起钢筋不能采用端部定位"},
     {}},
    {"end-positioned bar with loose ends",
     [](Design& d) {
         d.design.GetMoreInfo().SetBendDownMode(0), d.geometry.dLeftAngle = 60;
         d.design.GetMoreInfo().SetOuterUpperFixed(0);
         AddWholeBar(d, {80500, 1000}, {1000, 80500});
     },
     {L"整体立面上弯起筋|斜截面下弯或端部不固定情况下，上弯起钢筋不能采用端部定位"},
     {}},
    {"second end-positioned bar too many, and every later bar",
     [](Design& d) {
         d.design.GetMoreInfo().SetBendDownMode(0), d.geometry.dLeftAngle = 60;
         AddWholeBar(d, {80500, 1000}, {1000, 80500});
         AddWholeBar(d, {80600, 1000}, {1000, 80600});
         AddWholeBar(d, {1000, 1000}, {1000, 1000});
     },
     {L"整体立面上弯起筋|采用端部定位上弯起钢筋太多", L"整体立面上弯起筋|采用端部定位上弯起钢筋太多"},
     {}},
    {"end position on one side only",
     [](Design& d) {
         AddWholeBar(d, {80500, 1000}, {1000, 1000}), AddWholeBar(d, {1000, 1000}, {1000, 80500});
     },
     {L"整体立面上弯起筋|上弯起钢筋N1左侧端部定位但右侧不是", L"整体立面上弯起筋|上弯起钢筋N2右侧端部定位但左侧不是"},
     {}},
    {"end position inside the cap",
     [](Design& d) {
         AddWholeBar(d, {1000, 80500}, {80500, 1000});
     },
     {L"整体立面上弯起筋|上弯起钢筋N1非端部数据采用端部定位", L"整体立面上弯起筋|上弯起钢筋N1非端部数据采用端部定位"},
     {}},
    // Upper bent-up bars at a support
    {"connected bar on one side only",
     [](Design& d) { AddSupportBar(d, 2, 99999, 500, 1); },
     {L"2#墩柱上弯起筋|上弯起钢筋N1只有一侧存在时不能相连"},
     {}},
    {"innermost bar not connected",
     [](Design& d) { AddSupportBar(d, 1, 300, 400, 0), AddSupportBar(d, 1, 500, 600, 1); },
     {},
     {L"1#墩柱上弯起筋|最里层上弯起钢筋N1没有相连"}},
    {"next bar not connected",
     [](Design& d) { AddSupportBar(d, 1, 0, 400, 1), AddSupportBar(d, 1, 200, 600, 0); },
     {},
     {L"1#墩柱上弯起筋|次里层上弯起钢筋N2没有相连"}},
};

class RuleTest : public ::testing::TestWithParam<RuleCase> {};

} // namespace

TEST(DesignValidationTest, CleanDesignHasNoMessages)
{
    const Found found = Validate(CleanDesign());
    EXPECT_EQ(found.errors, Texts());
    EXPECT_EQ(found.warnings, Texts());
}

// The thresholds are millimetres: the same design in centimetres with the factor 10 passes too,
// and a cap of 290 cm is short.
TEST(DesignValidationTest, ThresholdsAreMillimetres)
{
    Design d = CleanDesign();
    d.design.ScaleLengths(0.1);
    for (double* length :
         {&d.geometry.dLength, &d.geometry.dWidth, &d.geometry.dMiddleHeight, &d.geometry.dColumnDiameter,
          &d.geometry.dLeftWidth, &d.geometry.dRightWidth, &d.geometry.dLeftEndHeight, &d.geometry.dRightEndHeight})
        *length *= 0.1;
    Found found = Validate(d, 10);
    EXPECT_EQ(found.errors, Texts());
    EXPECT_EQ(found.warnings, Texts());

    SetSupports(d, {100, 100});
    d.geometry.dLeftWidth = d.geometry.dRightWidth = 50;
    d.geometry.dLength = 290;
    found = Validate(d, 10);
    EXPECT_EQ(found.errors, Texts());
    EXPECT_EQ(found.warnings, Texts{L"一般构造|盖梁斜长值太小"});
}

TEST_P(RuleTest, BrokenRuleGivesItsMessage)
{
    Design d = CleanDesign();
    GetParam().change(d);
    const Found found = Validate(d);
    EXPECT_EQ(found.errors, GetParam().errors);
    EXPECT_EQ(found.warnings, GetParam().warnings);
}

INSTANTIATE_TEST_SUITE_P(Rules, RuleTest, ::testing::ValuesIn(kRuleCases),
                         [](const ::testing::TestParamInfo<RuleCase>& info) {
                             std::string name;
                             for (const char* c = info.param.name; *c; ++c)
                                 name += std::isalnum(static_cast<unsigned char>(*c)) ? *c : '_';
                             return name;
                         });

// Whole-elevation bars and the support's own bars, absent values left out, sorted; the left
// list then holds steps.
TEST(DesignValidationTest, AxisDistancesAtSupport)
{
    Design d = CleanDesign();
    AddWholeBar(d, {700, 400}, {800, 99999});
    AddWholeBar(d, {99999, 100}, {300, 200});
    AddSupportBar(d, 2, 250, 600, 0);
    AddSupportBar(d, 1, 5, 5, 0);
    CArray<double, const double&> lefts, rights;
    CollectAxisDistancesAtSupport(&d.design, 2, lefts, rights);
    ASSERT_EQ(lefts.GetSize(), 3);
    EXPECT_EQ(lefts[0], 100);
    EXPECT_EQ(lefts[1], 150);
    EXPECT_EQ(lefts[2], 150);
    ASSERT_EQ(rights.GetSize(), 2);
    EXPECT_EQ(rights[0], 200);
    EXPECT_EQ(rights[1], 600);

    CArray<double, const double&> none, noneRight;
    CollectAxisDistancesAtSupport(nullptr, 1, none, noneRight);
    CollectAxisDistancesAtSupport(&d.design, 0, none, noneRight);
    EXPECT_TRUE(none.IsEmpty());
    EXPECT_TRUE(noneRight.IsEmpty());
}

TEST(DesignValidationTest, CategoryFromLabel)
{
    const struct {
        const wchar_t* label;
        int code;
    } cases[] = {
        {L"设计参数", 0},
        {L"基本资料", 200},
        {L"墩柱间距", 209},
        {L"骨架钢筋", 1},
        {L"骨架编排", 207},
        {L"整体立面", 10},
        {L"整体立面上弯起筋", 103},
        {L"整体立面下弯起筋", 104},
        {L"3#墩柱", 13},
        {L"2#墩柱顶板直筋", 121},
        {L"2#墩柱上弯起筋", 123},
        {L"9#墩柱下弯起筋", 194},
        {L"2#墩柱箍筋", 0},
        {L"其他", 0},
        {L"2#桥台", 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CategoryCodeFromLabel(c.label), c.code) << CString(c.label).ToUtf8();
}
