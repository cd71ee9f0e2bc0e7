#include "CBentCapFormBSView.h"

#include "BarColumnCodes.h"
#include "NumericHelpers.h"

#include "CDC.h"

#include <algorithm>
#include <cmath>

namespace {

const UINT kSummaryText = 1024;
// The group box and the text inside it, as the form first lays them out.
const CRect kGroupRect(8, 8, 560, 590);
const CRect kTextRect(20, 30, 548, 580);

CString Fixed(double x) { return FormatFixed(x, -7); }

int ThousandsDigit(int code) { return (code / 1000) % 10; }

} // namespace

CBentCapFormBSView::CBentCapFormBSView() : CBentCapFormBaseView(IDD) {}

void CBentCapFormBSView::OnInitialUpdate()
{
    m_wndGroup.Create(L"盖梁信息汇总：", WS_CHILD | WS_VISIBLE | BS_GROUPBOX, kGroupRect, this, 0xFFFF);
    m_wndText.Create(L"", WS_CHILD | WS_VISIBLE | SS_LEFT, kTextRect, this, kSummaryText);
}

// The text and its box grow downwards to hold every line; the form scrolls to them.
void CBentCapFormBSView::FitSummary()
{
    CDC dc;
    dc.SelectObject(m_wndText.GetFont());
    CRect needed = kTextRect;
    dc.DrawText(m_strSummary, &needed, DT_CALCRECT | DT_WORDBREAK);
    const int bottom = std::max(kTextRect.bottom, needed.bottom);
    m_wndText.MoveWindow(kTextRect.left, kTextRect.top, kTextRect.Width(), bottom - kTextRect.top);
    m_wndGroup.MoveWindow(kGroupRect.left, kGroupRect.top, kGroupRect.Width(),
                          bottom + (kGroupRect.bottom - kTextRect.bottom) - kGroupRect.top);
}

int CBentCapFormBSView::SaveData() { return 1; }

int CBentCapFormBSView::LoadData() { return BuildSummary(); }

int CBentCapFormBSView::BuildSummary()
{
    m_strSummary.Empty();
    if (!m_pPierInfo || !m_pBasicGeometry)
        return 1;
    const CBent_PierInfo& design = *m_pPierInfo;
    const CBent_BasicGeometry& g = *m_pBasicGeometry;
    const CBent_MoreInfo& more = design.GetMoreInfo();
    const CBent_ExtendSteel& extend = design.GetExtendSteel();
    const int supports = static_cast<int>(design.GetSupportDistances().GetSize());
    auto line = [this](const CString& text) { m_strSummary += text + L"\n\n"; };
    auto format = [](const wchar_t* pattern, auto... args) {
        CString text;
        text.Format(pattern, args...);
        return text;
    };

    // Basic data.
    line(L"*****************基本资料*****************");
    line(format(L"盖梁类型：%s", g.nAbutmentCap ? L"桥台盖梁" : L"桥墩盖梁"));
    line(format(L"结构类型：%s", more.GetCapType() ? L"预应力筋" : L"普通钢筋"));
    line(format(L"截面形状：%s", g.nSectionForm != 0 ? L"Ｌ形" : L"矩形"));
    line(format(L"下弯方式：%s", more.GetBendDownMode() != 0 ? L"斜截面下弯" : L"正截面下弯"));
    line(format(L"墩柱个数：%d", supports));
    line(format(L"钢筋排数：%d", design.GetMainFace().GetBarColumnCount()));

    // General construction.
    line(L"*****************一般构造*****************");
    line(format(L"盖梁斜长：%s（负值表示正长）", Fixed(g.dLength).GetString()));
    line(format(L"盖梁宽度：%s", Fixed(g.dWidth).GetString()));
    line(format(L"盖梁高度：%s", Fixed(g.dMiddleHeight).GetString()));
    line(format(L"盖梁角度：%s（%s）", Fixed(g.dLeftAngle).GetString(), Fixed(std::abs(g.dLeftAngle - 90.0)).GetString()));

    // Reinforcement: the digits of the per-column codes.
    int skeletons = 0, plateBars = 0, edge = 0, middle = 0, midSpan = 0;
    for (int i = 0; i < extend.GetCodeCount(); ++i) {
        const int code = extend.GetCodeAt(i);
        skeletons += ThousandsDigit(code) == 9;
        plateBars += ThousandsDigit(code) == 1;
        edge += GetCodeDigit(code, TRUE);
        middle += GetCodeDigit(code, FALSE);
        midSpan += GetCodeUnits(code);
    }
    line(L"*****************钢筋构造*****************");
    line(format(L"骨架片数：%d", skeletons));
    line(format(L"顶板筋数：%d（%d＋%d）", skeletons + plateBars, skeletons, plateBars));
    const bool edgeSet = extend.GetEdgeOuterDistance() != 0.0 || extend.GetEdgeInnerDistance() != 0.0;
    line(format(L"边柱加强：%d", edgeSet ? edge : 0));
    if (supports > 2)
        line(format(L"中柱加强：%d", extend.GetMiddlePierDistance() != 0.0 ? middle : 0));
    else
        line(format(L"中柱加强：%s柱无中柱", supports == 2 ? L"双" : L"单"));
    if (supports > 1)
        line(format(L"跨中加强：%d", extend.GetMidSpanDistance() != 0.0 ? midSpan : 0));
    else
        line(L"跨中加强：单柱无跨中");
    line(format(L"多层递减：%s", extend.GetMultiLayerDecrement() > 0 ? L"是" : L"否"));
    const CArray<CBent_PAFSteel, const CBent_PAFSteel&>& stirrups = design.GetMainFace().GetStirrups();
    int singleLeg = 0;
    for (INT_PTR i = 0; i < stirrups.GetSize(); ++i)
        singleLeg += stirrups[i].GetStartColumn() < 0 || stirrups[i].GetEndColumn() < 0;
    if (singleLeg)
        line(format(L"箍筋个数：%d（%d单肢箍筋）", static_cast<int>(stirrups.GetSize()), singleLeg));
    else
        line(format(L"箍筋个数：%d", static_cast<int>(stirrups.GetSize())));

    // Additional information.
    line(L"*****************附加信息*****************");
    line(format(L"适用墩台：%s", design.GetAddInfo().GetApplicableTo().GetString()));

    if (m_wndText.GetSafeHwnd()) {
        m_wndText.SetWindowText(m_strSummary);
        FitSummary();
    }
    return 1;
}
