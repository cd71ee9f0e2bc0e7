#include "CCapCopySelection.h"
#include "CapCopyGroups.h"
#include "DesignFileAccess.h"
#include "DesignFileTestSupport.h"
#include "FakeCommandHost.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

template <class TYPE, class ARG_TYPE>
bool SameList(const CArray<TYPE, ARG_TYPE>& a, const CArray<TYPE, ARG_TYPE>& b)
{
    if (a.GetSize() != b.GetSize())
        return false;
    for (INT_PTR i = 0; i < a.GetSize(); ++i)
        if (!(a[i] == b[i]))
            return false;
    return true;
}

std::vector<std::wstring> Boxes(const CScriptedMessageBoxAnswerer& answerer)
{
    std::vector<std::wstring> texts;
    for (const auto& box : answerer.Boxes())
        texts.push_back(box.caption + L"|" + box.text);
    return texts;
}

// The examples as the editor holds them in centimetres: lengths a tenth of the file's.
class CapCopyTest : public DesignFileTest {
protected:
    void Open(const char* name)
    {
        ASSERT_EQ(ReadDesign(kExamples / name, m_design, m_geometry), 1);
        m_design.ScaleLengths(0.1);
        ScaleGeometryLengths(m_geometry, 0.1);
    }
    static void ReadInCentimetres(const char* name, CBent_PierInfo& design, CBent_BasicGeometry& geometry)
    {
        ASSERT_EQ(ReadDesign(kExamples / name, design, geometry), 1);
        design.ScaleLengths(0.1);
        ScaleGeometryLengths(geometry, 0.1);
    }
    void TickAll(CCapCopySelection& selection)
    {
        for (int group : kCapCopyOrder)
            selection.SetGroupChecked(group, true);
    }
    std::wstring Info(int piers, int bars, const wchar_t* pierMark, int filePiers, const wchar_t* barMark, int fileBars)
    {
        const std::wstring blanks(27, L' ');
        return L"●当前墩柱个数：" + std::to_wstring(piers) + blanks + L"●当前钢筋列数：" + std::to_wstring(bars) +
               L"\n\n" + pierMark + L"文件墩柱个数：" + std::to_wstring(filePiers) + blanks + barMark +
               L"文件钢筋列数：" + std::to_wstring(fileBars);
    }

    CBent_PierInfo m_design;
    CBent_BasicGeometry m_geometry;
};

} // namespace

// Two piers each, 11 bar columns against 7: the groups that need equal bar columns stay off.
TEST_F(CapCopyTest, CopiesTheGroupsTheCountsAllow)
{
    Open("l-section.glt");
    const CBent_PierInfo before(m_design);
    CCapCopySelection selection(m_design, m_geometry, 0.1);
    EXPECT_EQ(std::wstring(selection.GetInfoText().GetString()), Info(2, 11, L"○", 0, L"○", 0));
    ASSERT_TRUE(selection.SelectFile(Wide(kExamples / "square-two-columns.glt")));
    EXPECT_EQ(std::wstring(selection.GetInfoText().GetString()), Info(2, 11, L"●", 2, L"○", 7));
    EXPECT_EQ(selection.GetPath(), Wide(kExamples / "square-two-columns.glt"));
    for (int group : {kCopySupportSpacing, kCopySectionPositions, kCopyBarSkeleton})
        EXPECT_TRUE(selection.IsGroupEnabled(group)) << group;
    for (int group : {kCopyStirrupCombination, kCopySkeletonLayout, kCopyColumnSpacing})
        EXPECT_FALSE(selection.IsGroupEnabled(group)) << group;
    TickAll(selection);
    EXPECT_FALSE(selection.IsGroupChecked(kCopySkeletonLayout));
    ASSERT_TRUE(selection.Confirm());
    EXPECT_TRUE(m_boxes->Boxes().empty());

    CBent_PierInfo source;
    CBent_BasicGeometry sourceGeometry;
    ReadInCentimetres("square-two-columns.glt", source, sourceGeometry);
    // Copied, in centimetres.
    EXPECT_EQ(m_geometry.dWidth, 160);
    EXPECT_EQ(m_geometry.dLength, 980);
    EXPECT_EQ(m_geometry.dLHeight, 0);
    EXPECT_EQ(m_geometry.nAbutmentCap, sourceGeometry.nAbutmentCap);
    EXPECT_TRUE(SameList(m_design.GetSupportDistances(), source.GetSupportDistances()));
    EXPECT_TRUE(SameList(m_design.GetSectionPositions(), source.GetSectionPositions()));
    EXPECT_EQ(m_design.GetTopCover(), source.GetTopCover());
    EXPECT_EQ(m_design.GetMoreInfo().GetSkeletonDiameter(), 28);
    EXPECT_EQ(m_design.GetExtendSteel().GetTopDiameter(), 28);
    EXPECT_EQ(m_design.GetExtendSteel().GetEdgeInnerDistance(), source.GetExtendSteel().GetEdgeInnerDistance());
    EXPECT_TRUE(SameList(m_design.GetMoreInfo().GetSideSpacings(), source.GetMoreInfo().GetSideSpacings()));
    EXPECT_EQ(m_design.GetMoreInfo().GetStirrupSpacing(), source.GetMoreInfo().GetStirrupSpacing());
    EXPECT_TRUE(SameList(m_design.GetMainFace().GetLUTSteels(), source.GetMainFace().GetLUTSteels()));
    EXPECT_TRUE(SameList(m_design.GetMainFace().GetSupports(), source.GetMainFace().GetSupports()));
    // Kept: what needs equal bar columns, the bar columns themselves, the end face.
    EXPECT_EQ(GetBarColumnCount(m_design), 11);
    EXPECT_TRUE(SameList(m_design.GetExtendSteel().GetCodes(), before.GetExtendSteel().GetCodes()));
    EXPECT_TRUE(SameList(m_design.GetMainFace().GetStirrups(), before.GetMainFace().GetStirrups()));
    EXPECT_TRUE(SameList(m_design.GetMoreInfo().GetSkeletonSpacings(), before.GetMoreInfo().GetSkeletonSpacings()));
    EXPECT_TRUE(m_design.GetEndFace() == before.GetEndFace());
    EXPECT_EQ(m_design.GetAddInfo().GetApplicableTo(), before.GetAddInfo().GetApplicableTo());
}

// Eleven bar columns each: the layout and the strengthening distances are groups of their own.
TEST_F(CapCopyTest, LayoutAndStrengtheningApart)
{
    CBent_PierInfo source;
    CBent_BasicGeometry sourceGeometry;
    ReadInCentimetres("abutment.glt", source, sourceGeometry);
    for (int group : {kCopySkeletonLayout, kCopyStrengthening}) {
        Open("l-section.glt");
        const CBent_PierInfo before(m_design);
        const CBent_BasicGeometry geometryBefore = m_geometry;
        CCapCopySelection selection(m_design, m_geometry, 0.1);
        ASSERT_TRUE(selection.SelectFile(Wide(kExamples / "abutment.glt")));
        EXPECT_FALSE(selection.IsGroupEnabled(kCopySupportSpacing));
        selection.SetGroupChecked(group, true);
        ASSERT_TRUE(selection.Confirm());
        const CBent_PierInfo& layoutFrom = group == kCopySkeletonLayout ? source : before;
        const CBent_PierInfo& distancesFrom = group == kCopyStrengthening ? source : before;
        EXPECT_TRUE(SameList(m_design.GetExtendSteel().GetCodes(), layoutFrom.GetExtendSteel().GetCodes()));
        EXPECT_EQ(m_design.GetExtendSteel().GetEdgeInnerDistance(),
                  distancesFrom.GetExtendSteel().GetEdgeInnerDistance());
        EXPECT_EQ(m_design.GetExtendSteel().GetMultiLayerDecrement(),
                  distancesFrom.GetExtendSteel().GetMultiLayerDecrement());
        EXPECT_TRUE(m_geometry == geometryBefore);
        m_design = CBent_PierInfo();
        m_geometry = CBent_BasicGeometry();
    }
}

TEST_F(CapCopyTest, FileWithOtherCountsTurnsItsGroupsOff)
{
    Open("l-section.glt");
    CCapCopySelection selection(m_design, m_geometry, 0.1);
    ASSERT_TRUE(selection.SelectFile(Wide(kExamples / "square-two-columns.glt")));
    selection.SetGroupChecked(kCopyBarSkeleton, true);
    selection.SetGroupChecked(kCopySupportSpacing, true);
    ASSERT_TRUE(selection.SelectFile(Wide(kExamples / "abutment.glt")));
    EXPECT_EQ(std::wstring(selection.GetInfoText().GetString()), Info(2, 11, L"○", 4, L"●", 11));
    EXPECT_FALSE(selection.IsGroupChecked(kCopyBarSkeleton));
    EXPECT_FALSE(selection.IsGroupChecked(kCopySupportSpacing));
    EXPECT_TRUE(selection.IsGroupEnabled(kCopySkeletonLayout));
}

TEST_F(CapCopyTest, RefusalsLeaveTheDesign)
{
    Open("l-section.glt");
    const CBent_PierInfo before(m_design);
    CCapCopySelection selection(m_design, m_geometry, 0.1);
    EXPECT_FALSE(selection.Confirm());
    ASSERT_TRUE(selection.SelectFile(Wide(kExamples / "sample.glt")));
    EXPECT_FALSE(selection.Confirm());
    // A file that cannot be read after a good one leaves no file chosen.
    selection.SetGroupChecked(kCopyCovers, true);
    EXPECT_FALSE(selection.SelectFile(Wide(m_dir / "missing.glt")));
    EXPECT_TRUE(selection.GetPath().IsEmpty());
    EXPECT_EQ(std::wstring(selection.GetInfoText().GetString()), Info(2, 11, L"○", 0, L"○", 0));
    EXPECT_FALSE(selection.Confirm());
    const std::vector<std::wstring> boxes = Boxes(m_boxes.Script());
    ASSERT_EQ(boxes.size(), 4u);
    EXPECT_EQ(boxes[0], L"没有文件|没有选择盖梁数据复制的来源文件，请选择盖梁文件！");
    EXPECT_EQ(boxes[1], L"没有选择选项|没有选择盖梁复制选项，请选择盖梁复制选项！");
    EXPECT_NE(boxes[2].find(L"missing.glt"), std::wstring::npos);
    EXPECT_EQ(boxes[3], boxes[0]);
    EXPECT_TRUE(m_design == before);
}

// The source is read again on OK: gone, nothing is copied; changed, the groups that no longer fit
// are left out.
TEST_F(CapCopyTest, SourceReadAgainOnConfirm)
{
    Open("l-section.glt");
    const CBent_PierInfo before(m_design);
    const fs::path source = m_dir / "source.glt";
    fs::copy_file(kExamples / "square-two-columns.glt", source);
    CCapCopySelection selection(m_design, m_geometry, 0.1);
    ASSERT_TRUE(selection.SelectFile(Wide(source)));
    selection.SetGroupChecked(kCopyBarSkeleton, true);
    selection.SetGroupChecked(kCopyCovers, true);
    fs::remove(source);
    EXPECT_FALSE(selection.Confirm());
    EXPECT_EQ(Boxes(m_boxes.Script()).back(), L"复制失败|复制操作失败，可能是源盖梁文件丢失！");
    EXPECT_TRUE(m_design == before);

    fs::copy_file(kExamples / "abutment.glt", source);
    ASSERT_TRUE(selection.Confirm());
    EXPECT_TRUE(m_design.GetMainFace() == before.GetMainFace());
    EXPECT_EQ(m_design.GetSideCover(), 5);
}

namespace {

class CopyDialog : public CCapCopyDialog {
public:
    CopyDialog(fs::path file, BOOL ok) : m_file(std::move(file)), m_ok(ok) {}
    BOOL Run(CCapCopySelection& selection) override
    {
        selection.SelectFile(Wide(m_file));
        selection.SetGroupChecked(kCopyCovers, true);
        return m_ok && selection.Confirm();
    }

private:
    fs::path m_file;
    BOOL m_ok;
};

} // namespace

TEST_F(CapCopyTest, CommandMarksAndRefreshesOnOk)
{
    FakeCommandHost host;
    ASSERT_EQ(ReadDesign(kExamples / "l-section.glt", host.design, host.geometry), 1);
    host.design.SetTopCover(1);
    CopyDialog cancel(kExamples / "sample.glt", FALSE);
    RunCapCopyCommand(host, cancel);
    EXPECT_EQ(host.stores, 1);
    EXPECT_FALSE(host.modified);
    EXPECT_EQ(host.titleUpdates + host.refreshes, 0);
    EXPECT_EQ(host.design.GetTopCover(), 1);

    CopyDialog ok(kExamples / "sample.glt", TRUE);
    RunCapCopyCommand(host, ok);
    EXPECT_TRUE(host.modified);
    EXPECT_EQ(host.titleUpdates, 1);
    EXPECT_EQ(host.refreshes, 1);
    EXPECT_EQ(host.design.GetTopCover(), 50);
}
