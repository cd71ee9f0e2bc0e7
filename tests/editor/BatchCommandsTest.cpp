#include "BatchCommands.h"
#include "CapCopyGroups.h"
#include "DesignFileTestSupport.h"
#include "FakeCommandHost.h"
#include "WinUser.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

namespace {

std::vector<int> Codes(const CBent_PierInfo& design)
{
    std::vector<int> codes;
    for (int i = 0; i < design.GetExtendSteel().GetCodeCount(); ++i)
        codes.push_back(design.GetExtendSteel().GetCodeAt(i));
    return codes;
}

CStringArray Paths(std::initializer_list<fs::path> paths)
{
    CStringArray list;
    for (const fs::path& p : paths)
        list.Add(Wide(p));
    return list;
}

class BatchTest : public DesignFileTest {
protected:
    fs::path Copy(const char* example, const std::string& name)
    {
        const fs::path path = m_dir / name;
        fs::copy_file(kExamples / example, path);
        return path;
    }
    static CBent_PierInfo Read(const fs::path& path)
    {
        CBent_PierInfo design;
        CBent_BasicGeometry geometry;
        EXPECT_EQ(ReadDesign(path, design, geometry), 1) << path;
        return design;
    }
    std::vector<std::wstring> Shown()
    {
        std::vector<std::wstring> texts;
        for (const auto& box : m_boxes.Script().Boxes())
            texts.push_back(box.caption + L"|" + box.text);
        return texts;
    }
    int FilesInFolder() const
    {
        return static_cast<int>(std::distance(fs::directory_iterator(m_dir), fs::directory_iterator()));
    }
};

} // namespace

// Every target in turn: the source itself, a file that is not there, one that is no design and
// one whose replacement cannot be made beside it are reported and left as they are; the others
// get the groups that fit them.
TEST_F(BatchTest, CopyGoesOnPastFilesItCannotChange)
{
    const fs::path source = Copy("abutment.glt", "source.glt");            // 4 piers, 11 bar columns
    const fs::path sameColumns = Copy("l-section.glt", "a-l-section.glt"); // 2 piers, 11 bar columns
    const fs::path otherCounts = Copy("sample.glt", "b-sample.glt");       // 3 piers, 9 bar columns
    const fs::path missing = m_dir / "c-missing.glt";
    const fs::path garbage = m_dir / "d-garbage.glt";
    std::ofstream(garbage) << "no design\r\n";
    // The replacement's name, longer still, is more than a folder can hold.
    const fs::path longName = Copy("square-two-columns.glt", std::string(240, 'e') + ".glt");
    const std::string longBytes = Bytes(longName);
    const CBent_PierInfo abutment = Read(source), lSection = Read(sameColumns), sample = Read(otherCounts);

    const int written =
        BatchCopyFiles(Wide(source), Paths({sameColumns, source, otherCounts, missing, garbage, longName}),
                       {kCopyBarGrades, kCopySkeletonLayout, kCopySupportSpacing});
    EXPECT_EQ(written, 2);

    const std::vector<std::wstring> shown = Shown();
    ASSERT_GE(shown.size(), 6u);
    EXPECT_EQ(shown[0], L"跳过文件|粘贴操作文件与复制文件相同，本文件被跳过！\n" + std::wstring(Wide(source)));
    EXPECT_EQ(shown[2], L"跳过文件|以下文件无法打开，没有进行粘贴操作！\n" + std::wstring(Wide(missing)));
    EXPECT_EQ(shown[shown.size() - 3].substr(0, 4), L"跳过文件");
    EXPECT_NE(shown[shown.size() - 3].find(L"d-garbage.glt"), std::wstring::npos);
    EXPECT_EQ(shown[shown.size() - 2], L"无法保存|文件可能正在被使用，无法更新，请稍后重试！");
    EXPECT_EQ(shown.back(), L"复制结果|成功复制文件2个");

    const CBent_PierInfo a = Read(sameColumns);
    EXPECT_EQ(a.GetMoreInfo().GetSkeletonDiameter(), abutment.GetMoreInfo().GetSkeletonDiameter());
    // A cap on two piers has no middle piers to strengthen.
    CBent_PierInfo twoPiers(abutment);
    twoPiers.GetExtendSteel().ClearCodeTens();
    EXPECT_EQ(Codes(a), Codes(twoPiers));
    EXPECT_EQ(a.GetSupportDistances().GetSize(), 2);
    EXPECT_EQ(a.GetSupportDistances()[0], lSection.GetSupportDistances()[0]);
    EXPECT_TRUE(a.GetMainFace().GetLUTSteels()[0] == lSection.GetMainFace().GetLUTSteels()[0]);
    EXPECT_EQ(a.GetAddInfo().GetApplicableTo(), lSection.GetAddInfo().GetApplicableTo());

    const CBent_PierInfo b = Read(otherCounts);
    EXPECT_EQ(b.GetMoreInfo().GetSkeletonDiameter(), 28);
    EXPECT_EQ(Codes(b), Codes(sample));
    EXPECT_TRUE(Read(source) == abutment);

    EXPECT_FALSE(fs::exists(missing));
    EXPECT_EQ(Bytes(garbage), "no design\r\n");
    EXPECT_EQ(Bytes(longName), longBytes);
    EXPECT_EQ(FilesInFolder(), 5);
}

TEST_F(BatchTest, CopyFromAFileThatCannotBeReadChangesNothing)
{
    const fs::path target = Copy("sample.glt", "target.glt");
    const std::string before = Bytes(target);
    EXPECT_EQ(BatchCopyFiles(Wide(m_dir / "none.glt"), Paths({target}), {kCopyCovers}), 0);
    EXPECT_EQ(Shown().back(), L"文件错误|复制来源文件无法打开，所有复制均失败！");
    EXPECT_EQ(Bytes(target), before);
}

namespace {

CArray<int, const int&> Mapping(const std::vector<std::pair<int, int>>& changes)
{
    CArray<int, const int&> mapping;
    for (int i = 0; i < kColumnMapRows; ++i)
        mapping.Add(i);
    for (auto [column, old] : changes)
        mapping[column] = old;
    return mapping;
}

} // namespace

// Column 1 and 2 exchanged and column 11 taking column 10: with a symmetric layout the right
// half follows the left half, without it every new column counts.
TEST_F(BatchTest, ColumnsAdjustedByTheMapping)
{
    const fs::path symmetric = Copy("l-section.glt", "symmetric.glt");
    const fs::path free = m_dir / "free.glt";
    CBent_PierInfo design;
    CBent_BasicGeometry geometry;
    ASSERT_EQ(ReadDesign(symmetric, design, geometry), 1);
    design.SetSkeletonArrangementSymmetric(0);
    ASSERT_EQ(WriteDesign(free, design, geometry), 1);
    const std::vector<int> old = Codes(design);
    ASSERT_EQ(old.size(), 11u);

    EXPECT_EQ(BatchAdjustColumns(Paths({symmetric, free}), Mapping({{0, 1}, {1, 0}, {10, 9}})), 2);
    EXPECT_EQ(Shown().back(), L"调列结果|成功调列文件2个");

    std::vector<int> expected = old;
    expected[0] = old[1], expected[1] = old[0], expected[10] = old[9];
    EXPECT_EQ(Codes(Read(free)), expected);
    for (int i = 0; i < 11; ++i)
        expected[10 - i] = expected[i];
    EXPECT_EQ(Codes(Read(symmetric)), expected);
}

TEST_F(BatchTest, FilesTheMappingDoesNotFitAreSkipped)
{
    const fs::path target = Copy("l-section.glt", "target.glt");
    const std::string before = Bytes(target);
    EXPECT_EQ(BatchAdjustColumns(Paths({target}), CArray<int, const int&>()), 0);
    EXPECT_EQ(BatchAdjustColumns(Paths({target}), Mapping({{0, 15}})), 0);
    EXPECT_EQ(BatchAdjustColumns(Paths({m_dir / "none.glt", target}), Mapping({{3, 12}, {2, 11}})), 0);
    const std::wstring path = Wide(target).GetString();
    const std::vector<std::wstring> shown = Shown();
    ASSERT_EQ(shown.size(), 8u);
    EXPECT_EQ(shown[0], L"跳过文件|以下文件骨架列数与列调整设置不匹配(列个数大于0)，没有进行调列操作！\n" + path);
    EXPECT_EQ(shown[1], L"调列结果|成功调列文件0个");
    EXPECT_EQ(shown[2], L"跳过文件|以下文件骨架列数与列调整设置不匹配(第1列指向第16列)，没有进行调列操作！\n" + path);
    EXPECT_NE(shown[4].find(L"none.glt"), std::wstring::npos);
    EXPECT_EQ(shown[5], L"跳过文件|以下文件无法打开，没有进行调列操作！\n" + std::wstring(Wide(m_dir / "none.glt")));
    EXPECT_EQ(shown[6], L"跳过文件|以下文件骨架列数与列调整设置不匹配(第3列指向第12列)，没有进行调列操作！\n" + path);
    EXPECT_EQ(Bytes(target), before);
}

TEST_F(BatchTest, FileListFiltersSortsAndDeletes)
{
    CBatchFileList files(L"/data/open.glt");
    EXPECT_EQ(files.GetCountText(), L"文件个数（本文件将发生改变）：0");
    EXPECT_FALSE(files.Apply());
    CStringArray first;
    for (const wchar_t* p : {L"/data/b.glt", L"/data/OPEN.GLT", L"/data/a.glt"})
        first.Add(p);
    EXPECT_EQ(files.AddFiles(first), 2);
    CStringArray second;
    for (const wchar_t* p : {L"/data/d.glt", L"/data/B.glt", L"/data/C.glt", L"/data/a.glt"})
        second.Add(p);
    EXPECT_EQ(files.AddFiles(second), 2);
    ASSERT_EQ(files.GetCount(), 4);
    EXPECT_EQ(files.GetPath(0), L"/data/a.glt");
    EXPECT_EQ(files.GetPath(1), L"/data/b.glt");
    EXPECT_EQ(files.GetPath(2), L"/data/C.glt");
    EXPECT_EQ(files.GetPath(3), L"/data/d.glt");
    EXPECT_EQ(files.GetCountText(), L"文件个数：4");
    EXPECT_TRUE(files.Apply());

    m_boxes->QueueAnswer(IDNO);
    m_boxes->QueueAnswer(IDYES);
    CArray<int, const int&> rows;
    rows.Add(1);
    rows.Add(3);
    EXPECT_FALSE(files.DeleteFiles(rows));
    EXPECT_EQ(files.GetCount(), 4);
    EXPECT_TRUE(files.DeleteFiles(rows));
    ASSERT_EQ(files.GetCount(), 2);
    EXPECT_EQ(files.GetPath(1), L"/data/C.glt");
    EXPECT_EQ(files.GetCountText(), L"文件个数（本文件将发生改变）：2");
    EXPECT_FALSE(files.DeleteFiles(CArray<int, const int&>()));

    EXPECT_EQ(Shown(), (std::vector<std::wstring>{
                           L"没有文件|没有选择任何需要操作的文件，请先选择操作文件！",
                           L"文件打开|以下文件当前正打开编辑，无法进行复制操作！\n/DATA/OPEN.GLT",
                           L"文件重复|部分文件已经在列表中存在，系统将自动过滤！",
                           L"确认删除|确实需要删除选中文件吗？",
                           L"确认删除|确实需要删除选中文件吗？",
                       }));
    EXPECT_EQ(CBatchFileList::GetRowNumberText(0), L"01");
    EXPECT_EQ(CBatchFileList::GetRowNumberText(8), L"09");
    EXPECT_EQ(CBatchFileList::GetRowNumberText(9), L"10");
}

namespace {

class OldColumn : public CColumnMapDialog {
public:
    explicit OldColumn(int old) : m_old(old) {}
    BOOL Edit(int, int& oldColumn) override
    {
        oldColumn = m_old;
        return TRUE;
    }

private:
    int m_old;
};

} // namespace

TEST_F(BatchTest, ColumnMapPage)
{
    CBatchColumnMap columns;
    EXPECT_EQ(columns.GetNewColumnText(4), L"5");
    EXPECT_EQ(columns.GetOldColumnText(4), L"5");
    EXPECT_EQ(columns.GetChangedText(4), L"");
    EXPECT_FALSE(columns.Apply());
    EXPECT_EQ(columns.GetMapping().GetSize(), 0);

    OldColumn third(2);
    columns.EditOldColumn(0, third);
    columns.EditOldColumn(5, third);
    EXPECT_EQ(columns.GetOldColumnText(0), L"3");
    EXPECT_EQ(columns.GetChangedText(0), L"是");
    m_boxes->QueueAnswer(IDNO);
    EXPECT_FALSE(columns.Apply());
    EXPECT_EQ(columns.GetMapping().GetSize(), 0);
    m_boxes->QueueAnswer(IDYES);
    EXPECT_TRUE(columns.Apply());
    ASSERT_EQ(columns.GetMapping().GetSize(), kColumnMapRows);
    EXPECT_EQ(columns.GetMapping()[0], 2);
    EXPECT_EQ(columns.GetMapping()[5], 2);

    const std::vector<std::wstring> shown = Shown();
    ASSERT_EQ(shown.size(), 3u);
    EXPECT_EQ(shown[0], L"没有调整|没有进行任何列调整修改，请先作列调整修改！");
    EXPECT_EQ(shown[1], L"确认继续|新骨架编排中第1列和第3列都指向旧骨架编排中的第3列，是否需要继续？");
}

namespace {

class CopySheet : public CBatchCopySheet {
public:
    CopySheet(fs::path source, fs::path target) : m_source(std::move(source)), m_target(std::move(target)) {}
    BOOL Run(CBatchFileList& files, CBatchCopySource& source) override
    {
        refusedEmpty = !source.Apply();
        source.SelectFile(Wide(m_source));
        info = source.GetInfoText();
        source.SetGroupChecked(kCopyBarGrades, true);
        CStringArray chosen;
        chosen.Add(Wide(m_target));
        files.AddFiles(chosen);
        return files.Apply() && source.Apply();
    }
    bool refusedEmpty = false;
    CString info;

private:
    fs::path m_source, m_target;
};

} // namespace

// The open design's file cannot be a target; the open design itself is not touched.
TEST_F(BatchTest, CopyCommand)
{
    const fs::path target = Copy("sample.glt", "target.glt");
    FakeCommandHost host;
    host.path = Wide(target);
    CopySheet sheet(kExamples / "abutment.glt", m_dir / "other.glt");
    RunBatchCopyCommand(host, sheet);
    EXPECT_TRUE(sheet.refusedEmpty);
    EXPECT_EQ(sheet.info, CString(L"●文件墩柱个数：4") + CString(L' ', 27) + L"●文件钢筋列数：11");
    const std::vector<std::wstring> shown = Shown();
    ASSERT_GE(shown.size(), 3u);
    EXPECT_EQ(shown[0], L"建议备份|批量复制具有很强的不可预见性，复制前强烈建议先备份数据文件！");
    EXPECT_EQ(shown.back(), L"复制结果|成功复制文件0个");
    EXPECT_EQ(Read(target).GetMoreInfo().GetSkeletonDiameter(), 32);
    EXPECT_FALSE(host.modified);
}

namespace {

class AdjustSheet : public CBatchAdjustSheet {
public:
    AdjustSheet(fs::path target, bool showColumns) : m_target(std::move(target)), m_showColumns(showColumns) {}
    BOOL Run(CBatchFileList& files, CBatchColumnMap& columns) override
    {
        CStringArray chosen;
        chosen.Add(Wide(m_target));
        files.AddFiles(chosen);
        if (!m_showColumns)
            return TRUE;
        OldColumn second(1);
        columns.EditOldColumn(0, second);
        return columns.Apply();
    }

private:
    fs::path m_target;
    bool m_showColumns;
};

} // namespace

// Confirmed without opening the page "调列" there is no mapping, and every file is skipped.
TEST_F(BatchTest, AdjustCommand)
{
    const fs::path target = Copy("sample.glt", "target.glt");
    const CBent_PierInfo before = Read(target);
    FakeCommandHost host;
    AdjustSheet unseen(target, false);
    RunBatchAdjustColumnsCommand(host, unseen);
    EXPECT_EQ(Codes(Read(target)), Codes(before));
    EXPECT_EQ(Shown().front(), L"建议备份|批量调列具有很强的不可预见性，调列前强烈建议先备份数据文件！");

    m_boxes->QueueAnswer(IDYES);
    AdjustSheet seen(target, true);
    RunBatchAdjustColumnsCommand(host, seen);
    EXPECT_EQ(Shown().back(), L"调列结果|成功调列文件1个");
    EXPECT_EQ(Read(target).GetExtendSteel().GetCodeAt(0), before.GetExtendSteel().GetCodeAt(1));
}
