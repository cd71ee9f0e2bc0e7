// The summary form: the whole text of a new design, and the lines that depend on the supports,
// the per-column codes, the stirrups and the sample's values.
#include "CBentCapFormBSView.h"
#include "FormsTestSupport.h"

#include <algorithm>

namespace {

class SummaryFormTest : public FormsTest {
protected:
    // The summary's lines, without the empty ones between them.
    std::vector<std::wstring> Lines()
    {
        auto* form = Current<CBentCapFormBSView>();
        EXPECT_NE(form, nullptr);
        form->LoadData();
        EXPECT_EQ(TextOf(ControlOf<CStatic>(form, 1024)), form->GetSummaryText());
        std::vector<std::wstring> lines;
        std::wstring text = form->GetSummaryText().GetString();
        for (std::size_t at = 0; at < text.size();) {
            const std::size_t end = text.find(L"\n\n", at);
            lines.push_back(text.substr(at, end - at));
            at = end + 2;
        }
        return lines;
    }
    std::wstring Line(const wchar_t* head)
    {
        for (const std::wstring& line : Lines())
            if (line.rfind(head, 0) == 0)
                return line;
        return L"<none>";
    }
};

} // namespace

TEST_F(SummaryFormTest, ANewDesign)
{
    Design().GetAddInfo().SetApplicableTo(L"");
    EXPECT_EQ(Lines(), (std::vector<std::wstring>{
                           L"*****************基本资料*****************", L"盖梁类型：桥墩盖梁", L"结构类型：普通钢筋",
                           L"截面形状：矩形", L"下弯方式：斜截面下弯", L"墩柱个数：2", L"钢筋排数：15",
                           L"*****************一般构造*****************", L"盖梁斜长：0（负值表示正长）", L"盖梁宽度：0",
                           L"盖梁高度：0", L"盖梁角度：90（0）", L"*****************钢筋构造*****************",
                           L"骨架片数：0", L"顶板筋数：0（0＋0）", L"边柱加强：0", L"中柱加强：双柱无中柱",
                           L"跨中加强：0", L"多层递减：否", L"箍筋个数：0", L"*****************附加信息*****************",
                           L"适用墩台："}));
}

TEST_F(SummaryFormTest, OneSupportHasNoMiddleAndNoMidSpan)
{
    Design().GetSupportDistances().SetSize(1);
    EXPECT_EQ(Line(L"中柱加强"), L"中柱加强：单柱无中柱");
    EXPECT_EQ(Line(L"跨中加强"), L"跨中加强：单柱无跨中");
}

TEST_F(SummaryFormTest, CodeDigitsCountWhereTheirDistanceIsSet)
{
    Design().GetSupportDistances().SetSize(3);
    CBent_ExtendSteel& extend = Design().GetExtendSteel();
    extend.SetCodeCount(4);
    extend.SetCodeAt(0, 9123);
    extend.SetCodeAt(1, 1211);
    extend.SetCodeAt(2, 1011);
    extend.SetCodeAt(3, 9123);
    extend.SetMultiLayerDecrement(5);
    EXPECT_EQ(Line(L"骨架片数"), L"骨架片数：2");
    EXPECT_EQ(Line(L"顶板筋数"), L"顶板筋数：4（2＋2）");
    EXPECT_EQ(Line(L"边柱加强"), L"边柱加强：0");
    EXPECT_EQ(Line(L"中柱加强"), L"中柱加强：0");
    EXPECT_EQ(Line(L"跨中加强"), L"跨中加强：0");
    EXPECT_EQ(Line(L"多层递减"), L"多层递减：是");
    extend.SetEdgeInnerDistance(10);
    extend.SetMiddlePierDistance(10);
    extend.SetMidSpanDistance(10);
    EXPECT_EQ(Line(L"边柱加强"), L"边柱加强：4");
    EXPECT_EQ(Line(L"中柱加强"), L"中柱加强：6");
    EXPECT_EQ(Line(L"跨中加强"), L"跨中加强：8");
}

TEST_F(SummaryFormTest, SingleLegStirrupsAreCounted)
{
    auto& stirrups = Design().GetMainFace().GetStirrups();
    CBent_PAFSteel stirrup;
    stirrup.SetStartColumn(1);
    stirrup.SetEndColumn(3);
    stirrups.Add(stirrup);
    EXPECT_EQ(Line(L"箍筋个数"), L"箍筋个数：1");
    stirrup.SetStartColumn(-1);
    stirrups.Add(stirrup);
    EXPECT_EQ(Line(L"箍筋个数"), L"箍筋个数：2（1单肢箍筋）");
}

TEST_F(SummaryFormTest, TheSampleInCentimetres)
{
    OpenSample();
    const std::vector<std::wstring> lines = Lines();
    for (const wchar_t* line : {L"下弯方式：正截面下弯", L"墩柱个数：3", L"盖梁斜长：1260（负值表示正长）",
                                L"盖梁宽度：180", L"盖梁高度：160", L"盖梁角度：70（20）", L"适用墩台：1、2、3"})
        EXPECT_NE(std::ranges::find(lines, std::wstring(line)), lines.end()) << line;
}
