#include "DesignFileTestSupport.h"

#include "CodePage.h"

#include <algorithm>
#include <fstream>
#include <cmath>
#include <limits>
#include <random>
#include <unistd.h>

namespace {

using TextLines = std::vector<std::wstring>;

// 0-based index of the data line that follows the comment.
size_t DataIndex(const TextLines& lines, const std::wstring& comment)
{
    for (size_t i = 0; i + 1 < lines.size(); ++i)
        if (lines[i] == L"//" + comment)
            return i + 1;
    ADD_FAILURE() << "no comment " << CString(comment.c_str()).ToUtf8();
    return lines.size() - 1;
}

std::vector<fs::path> ReadableDesigns()
{
    std::vector<fs::path> paths;
    for (const char* name : {"sample.glt", "square-two-columns.glt", "abutment.glt", "l-section.glt"})
        paths.push_back(kSourceRoot / "examples" / name);
    paths.push_back(kSourceRoot / "tests" / "model" / "data" / "minimal.glt");
    for (const auto& entry : fs::directory_iterator(kSourceRoot / "tests" / "model" / "data" / "old"))
        paths.push_back(entry.path());
    std::sort(paths.begin(), paths.end());
    return paths;
}

class CBent_HlFileWriteTest : public DesignFileTest {
protected:
    // Writes the design, reads it back and writes that again: both reads give the same
    // design, both writes the same bytes.
    void ExpectRoundTrip(CBent_PierInfo design, CBent_BasicGeometry geometry)
    {
        CScopedMessageBoxAnswerer boxes;
        boxes->SetLog(nullptr);
        const fs::path first = m_dir / "first.glt";
        const fs::path second = m_dir / "second.glt";
        ASSERT_EQ(WriteDesign(first, design, geometry), 1);
        CBent_PierInfo read;
        CBent_BasicGeometry readGeometry;
        ASSERT_EQ(ReadDesign(first, read, readGeometry), 1);
        EXPECT_TRUE(read == design);
        EXPECT_TRUE(readGeometry == geometry);
        ASSERT_EQ(WriteDesign(second, read, readGeometry), 1);
        EXPECT_TRUE(Bytes(second) == Bytes(first));
        EXPECT_TRUE(boxes->Boxes().empty());
    }

    TextLines WriteLines(CBent_PierInfo& design, CBent_BasicGeometry& geometry)
    {
        const fs::path path = m_dir / "design.glt";
        EXPECT_EQ(WriteDesign(path, design, geometry), 1);
        return Lines(path);
    }
};

} // namespace

// Every example and every reader test file, whatever its version, reads back as it was read
// once written as version 4.3, and writing it again gives the same bytes. Files before version
// 3.1 have no strengthening codes, where a version 4.3 file gives every bar column one.
TEST_F(CBent_HlFileWriteTest, EveryReadableDesignRoundTrips)
{
    for (const fs::path& path : ReadableDesigns()) {
        SCOPED_TRACE(path.filename().string());
        CBent_PierInfo design;
        CBent_BasicGeometry geometry;
        ASSERT_EQ(ReadDesign(path, design, geometry), 1);
        if (design.GetExtendSteel().GetCodeCount() == 0)
            design.GetExtendSteel().SetCodeCount(design.GetMainFace().GetBarColumnCount());
        ExpectRoundTrip(design, geometry);
    }
}

// The examples are laid out as the editor writes them, so writing one gives back its bytes.
TEST_F(CBent_HlFileWriteTest, ExamplesAreWrittenByteForByte)
{
    for (const char* name : {"sample.glt", "square-two-columns.glt", "abutment.glt", "l-section.glt"}) {
        SCOPED_TRACE(name);
        const fs::path example = kSourceRoot / "examples" / name;
        CBent_PierInfo design;
        CBent_BasicGeometry geometry;
        ASSERT_EQ(ReadDesign(example, design, geometry), 1);
        const fs::path written = m_dir / name;
        ASSERT_EQ(WriteDesign(written, design, geometry), 1);
        EXPECT_TRUE(Bytes(written) == Bytes(example));
    }
}

TEST_F(CBent_HlFileWriteTest, FullDesignRoundTrips)
{
    CBent_PierInfo design;
    CBent_BasicGeometry geometry;
    BuildFullDesign(design, geometry);
    ExpectRoundTrip(design, geometry);
}

// The lines the version 4.3 reader depends on, in the order and form it reads them.
TEST_F(CBent_HlFileWriteTest, LaysOutTheVersion43Records)
{
    CBent_PierInfo design;
    CBent_BasicGeometry geometry;
    BuildFullDesign(design, geometry);
    const TextLines lines = WriteLines(design, geometry);
    ASSERT_GE(lines.size(), 2u);
    EXPECT_EQ(lines[0], L"//以下是数据文件版本信息，由VER和实数(一位小数)组成");
    EXPECT_EQ(lines[1], L"Ver 4.3");
    EXPECT_EQ(lines[DataIndex(lines, L"附加信息-适用墩台")], L"1#、2# 桥墩");
    EXPECT_EQ(lines[DataIndex(lines, L"骨架类型（骨架类型个数，0单骨架、>0多骨架）")], L"2");
    EXPECT_EQ(lines[DataIndex(lines, L"支座个数及距离值（单支座为1）")], L"1,3,2200.5,4100,2200.5");
    EXPECT_EQ(lines[DataIndex(lines, L"剖面钢筋最大列数NC(主面、端面)")], L"5,3");
    // Main face: 2 plate records, 5 whole-elevation bars, 5 bars at each of 3 supports; skeleton
    // faces: 2 plate records each and 2 more bars on the first. Stirrups: 3 main, 1 end face.
    EXPECT_EQ(lines[DataIndex(lines, L"立面钢筋数、剖面钢筋数")], L"28,4");
    // A whole-elevation upper bent-up bar: its comment as label, then a pair per support.
    EXPECT_EQ(lines[DataIndex(lines, L"第5立面钢筋－其他参数（左轴距、右轴距）")],
              L"第5立面钢筋－其他参数（左轴距、右轴距）,900,99999,99999,1234.5678901,80250.5,900");
    EXPECT_EQ(lines[DataIndex(lines, L"第8立面钢筋－支座编号（0为整体立面，1，2......表支座）")], L"1");
    EXPECT_EQ(lines[DataIndex(lines, L"第23立面钢筋－剖切位置（0为盖梁主体部分，1为联端槽口部分）")], L"1");
    // A skeleton face's bars have no columns; their empty texts are written so as to be read.
    EXPECT_EQ(lines[DataIndex(lines, L"第23立面钢筋－钢筋布置列信息")], L"1");
    EXPECT_EQ(lines[DataIndex(lines, L"骨架类型(1表示A2表示B依次类推)")], L"AABBA");
    EXPECT_EQ(lines[DataIndex(lines, L"第3箍筋数据（剖切位置、起始列、终止列）")], L"0,3,-1");
    EXPECT_EQ(lines[DataIndex(lines, L"第4箍筋数据（剖切位置、起始列、终止列）")], L"1,1,3");
    EXPECT_EQ(lines[DataIndex(lines, L"盖梁剖面数及剖面百分比位置")], L"3,0,1,4");
    // The tendon line keeps the empty line after it; a tendon without guide points has none.
    size_t tendon = DataIndex(lines, L"第1个预应力筋整体信息(编号,编束根数,张拉方式,工作长度,束数,导线点数)");
    EXPECT_EQ(lines[tendon], L"1,7,2,12345.678,3,2");
    EXPECT_EQ(lines[tendon + 1], L"");
    EXPECT_EQ(lines[DataIndex(lines, L"第1个预应力筋剖面信息")], L"0.2500000,0.5000000,0.123456789");
    EXPECT_EQ(lines[DataIndex(lines, L"第1个预应力筋导线点信息(支座,X,Y,R)")], L"1,0.0000000,-350.1250000,15000.0000000");
    EXPECT_EQ(lines[DataIndex(lines, L"第2个预应力筋导线点信息(支座,X,Y,R)") - 1 + 1], L"//顶板直筋基本参数（钢筋类型、钢筋直径）");
    EXPECT_EQ(lines[DataIndex(lines, L"距离：边距外侧(顶板筋),边距内侧(顶板筋),中柱两侧(顶板筋),跨中两侧(底板筋)")],
              L"1400.500000,0.1234567,1100.000000,666.6666666666666");
    EXPECT_EQ(lines[DataIndex(lines, L"第5列")], L"9000");
    EXPECT_EQ(lines.back(), L"9000");
}

// A design with a single skeleton type, no spacings, no tendons and no codes writes counts of 0
// and nothing after them, an empty additional information as "?".
TEST_F(CBent_HlFileWriteTest, EmptyListsWriteCountsOnly)
{
    CBent_PierInfo design;
    CBent_BasicGeometry geometry;
    design.GetAddInfo().SetApplicableTo(L"  ");
    design.GetMainFace().SetBarColumnCount(3);
    const TextLines lines = WriteLines(design, geometry);
    EXPECT_EQ(design.GetAddInfo().GetApplicableTo(), L"?");
    EXPECT_EQ(lines[DataIndex(lines, L"附加信息-适用墩台")], L"?");
    EXPECT_EQ(lines[DataIndex(lines, L"骨架类型（骨架类型个数，0单骨架、>0多骨架）")], L"0");
    EXPECT_EQ(lines[DataIndex(lines, L"剖面钢筋最大列数NC(主面、端面)")], L"3,0");
    EXPECT_EQ(lines[DataIndex(lines, L"列间距个数") + 1], L"//立面上下弯起筋弯曲角度及弯曲半径");
    EXPECT_EQ(lines[DataIndex(lines, L"侧面间距个数") + 1], L"//盖梁剖面数及剖面百分比位置");
    EXPECT_EQ(lines[DataIndex(lines, L"预应力筋个数") + 1], L"//顶板直筋基本参数（钢筋类型、钢筋直径）");
    EXPECT_EQ(std::count(lines.begin(), lines.end(), L"//骨架布置数据"), 0);
    EXPECT_EQ(lines.back(), L"0");
    EXPECT_EQ(lines[lines.size() - 2], L"//列数");
}

// Reals the reader reads as reals come back as they were; the bend radius is a whole number in
// the file, the format's own limit.
TEST_F(CBent_HlFileWriteTest, RealsKeepEveryDigit)
{
    CBent_PierInfo design;
    CBent_BasicGeometry geometry;
    BuildFullDesign(design, geometry);
    design.GetSupportDistances()[1] = 4100.0 / 3;
    design.GetTendons()[0].SetWorkingLength(12345.5);
    design.GetExtendSteel().SetMidSpanDistance(1e-9);
    geometry.dLength = 1e22;
    geometry.dLWidth = -0.000000025;
    design.GetMainFace().GetLTLSteel().SetLeftDistance(std::numeric_limits<double>::infinity());
    ExpectRoundTrip(design, geometry);

    design.GetMoreInfo().SetBendRadius(320.4);
    const TextLines lines = WriteLines(design, geometry);
    EXPECT_EQ(lines[DataIndex(lines, L"立面上下弯起筋弯曲角度及弯曲半径")], L"30,320");
}

// Values from the reader's own token forms: a real with more decimals than the file's seven, a
// huge one and one too large for a real all read back as read.
TEST_F(CBent_HlFileWriteTest, ReaderTokensOfAnyLengthRoundTrip)
{
    TextLines lines = Lines(kSourceRoot / "examples" / "sample.glt");
    lines[DataIndex(lines, L"立面图绘图比例，断面图绘图比例")] = L"50.123456789012,.5";
    lines[DataIndex(lines, L"盖梁长度、盖梁宽度、中部高度、墩柱直径")] =
        L"12600.0000000001,1800,1600," + std::wstring(400, L'9');
    std::wstring text;
    for (const std::wstring& line : lines)
        text += line + L"\r\n";
    std::string bytes;
    ASSERT_TRUE(WideToAnsi(text, bytes));
    const fs::path path = m_dir / "tokens.glt";
    std::ofstream(path, std::ios::binary) << bytes;
    CBent_PierInfo design;
    CBent_BasicGeometry geometry;
    ASSERT_EQ(ReadDesign(path, design, geometry), 1);
    ASSERT_TRUE(std::isinf(geometry.dColumnDiameter));
    ExpectRoundTrip(design, geometry);
}

// What the version 4.3 reader would skip, take as a comment, split or refuse is not saved: the
// save names the record, and the old file stays as it was with nothing beside it.
TEST_F(CBent_HlFileWriteTest, RefusesWhatTheFileCannotCarry)
{
    struct Case {
        const char* name;
        void (*change)(CBent_PierInfo&);
        const wchar_t* message;
    } cases[] = {
        {"comment-like text", [](CBent_PierInfo& d) { d.GetAddInfo().SetApplicableTo(L"//1#墩"); },
         L"“附加信息-适用墩台”以“//”开头，读取时会被当作注释，无法保存！"},
        {"two-line text", [](CBent_PierInfo& d) { d.GetAddInfo().SetApplicableTo(L"1#墩\r\n2#墩"); },
         L"“附加信息-适用墩台”分成了多行，无法保存！"},
        {"text outside GBK", [](CBent_PierInfo& d) { d.GetAddInfo().SetApplicableTo(L"1#墩\U0001F600"); },
         L"“附加信息-适用墩台”中有GBK编码不能保存的字符，无法保存！"},
        {"empty skeleton types", [](CBent_PierInfo& d) { d.SetSkeletonTypeText(L"  "); },
         L"“骨架类型(1表示A2表示B依次类推)”为空，无法保存！"},
        {"comment-like column text",
         [](CBent_PierInfo& d) { d.GetMainFace().GetLUPSteels()[0].SetColumnText(L"//101"); },
         L"“第3立面钢筋－钢筋布置列信息”以“//”开头，读取时会被当作注释，无法保存！"},
        {"tendon without section values",
         [](CBent_PierInfo& d) { d.GetTendons()[1].GetSectionValues().RemoveAll(); },
         L"第2个预应力筋有0个剖面数据，应为1到20个，无法保存！"},
        {"tendon with 21 section values",
         [](CBent_PierInfo& d) {
             for (int i = 0; i < 20; ++i)
                 d.GetTendons()[1].GetSectionValues().Add(0.5);
         },
         L"第2个预应力筋有21个剖面数据，应为1到20个，无法保存！"},
        {"not a number",
         [](CBent_PierInfo& d) { d.GetMoreInfo().SetDenseRangeEdgeInner(std::nan("")); },
         L"“箍筋间距及加密范围”中有无效的数值，无法保存！"},
        {"bend radius not a number", [](CBent_PierInfo& d) { d.GetMoreInfo().SetBendRadius(std::nan("")); },
         L"“立面上下弯起筋弯曲角度及弯曲半径”中有无效的数值，无法保存！"},
        {"ten supports",
         [](CBent_PierInfo& d) {
             for (int i = 0; i < 7; ++i)
                 d.GetSupportDistances().Add(1000);
         },
         L"“支座个数及距离值（单支座为1）”的个数为10，超过了设计文件能够读取的9个，无法保存！"},
        {"bar past the supports", [](CBent_PierInfo& d) { d.GetSupportDistances().RemoveAt(2); },
         L"第18立面钢筋在第3支座上，而盖梁只有2个支座，无法保存！"},
        {"line too long for the reader",
         [](CBent_PierInfo& d) {
             for (int i = 0; i < 2000; ++i)
                 d.GetMoreInfo().GetSideSpacings().Add(123.4567);
         },
         L"“侧面间距数值”的数据太长，无法保存！"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CBent_PierInfo design;
        CBent_BasicGeometry geometry;
        BuildFullDesign(design, geometry);
        c.change(design);
        CScopedMessageBoxAnswerer boxes;
        boxes->SetLog(nullptr);
        const fs::path path = m_dir / "design.glt";
        const std::string old = "old design\r\n";
        std::ofstream(path, std::ios::binary) << old;
        EXPECT_EQ(WriteDesign(path, design, geometry), 0);
        auto shown = boxes->Boxes();
        ASSERT_EQ(shown.size(), 1u);
        EXPECT_EQ(shown[0].caption, L"无法保存");
        EXPECT_EQ(CString(shown[0].text.c_str()).ToUtf8(), CString(c.message).ToUtf8());
        EXPECT_EQ(Bytes(path), old);
        EXPECT_EQ(std::distance(fs::directory_iterator(m_dir), fs::directory_iterator()), 1);
    }
}

// A folder that cannot take a file: the writer's message, result 0, no file left behind.
TEST_F(CBent_HlFileWriteTest, UnwritableFolderLeavesNoFile)
{
    const fs::path notAFolder = m_dir / "plain-file";
    std::ofstream(notAFolder) << "x";
    CBent_PierInfo design;
    CBent_BasicGeometry geometry;
    BuildFullDesign(design, geometry);
    EXPECT_EQ(WriteDesign(notAFolder / "design.glt", design, geometry), 0);
    auto shown = m_boxes->Boxes();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].caption, L"无法保存");
    EXPECT_EQ(shown[0].text, L"文件可能正在被使用，无法更新，请稍后重试！");
    EXPECT_EQ(std::distance(fs::directory_iterator(m_dir), fs::directory_iterator()), 1);
    EXPECT_EQ(Bytes(notAFolder), "x");
}

// Without a design or geometry nothing is opened, written or shown.
TEST_F(CBent_HlFileWriteTest, NothingToWriteWithoutRecords)
{
    CBent_HlFile file;
    file.SetPath(Wide(m_dir / "design.glt"));
    EXPECT_EQ(file.Save(), 0);
    CBent_PierInfo design;
    file.SetPierInfo(&design);
    EXPECT_EQ(file.Save(), 0);
    EXPECT_TRUE(m_boxes->Boxes().empty());
    EXPECT_TRUE(fs::is_empty(m_dir));
}

// Replacing a design keeps what the folder knows of the file: its permissions, and a link to it
// stays a link.
TEST_F(CBent_HlFileWriteTest, ReplacingKeepsPermissionsAndLinks)
{
    CBent_PierInfo design;
    CBent_BasicGeometry geometry;
    BuildFullDesign(design, geometry);
    const fs::path real = m_dir / "real.glt";
    const fs::path link = m_dir / "link.glt";
    std::ofstream(real) << "old";
    fs::permissions(real, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    fs::create_symlink(real.filename(), link);
    ASSERT_EQ(WriteDesign(link, design, geometry), 1);
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(fs::status(real).permissions(), fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    CBent_PierInfo read;
    CBent_BasicGeometry readGeometry;
    ASSERT_EQ(ReadDesign(real, read, readGeometry), 1);
    EXPECT_TRUE(read == design);
    EXPECT_EQ(std::distance(fs::directory_iterator(m_dir), fs::directory_iterator()), 2);
}

// Designs the reader accepts, made by changing numbers and column texts of the examples at
// random: each reads back as it was read once written.
TEST_F(CBent_HlFileWriteTest, RandomReadableDesignsRoundTrip)
{
    std::mt19937 random(20260);
    auto pick = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
    auto realText = [&]() {
        switch (pick(5)) {
        case 0: return std::to_wstring(pick(100000));
        case 1: return L"-" + std::to_wstring(pick(1000)) + L"." + std::to_wstring(pick(1000000000));
        case 2: return std::to_wstring(pick(100)) + L"." + std::to_wstring(random());
        case 3: return L"8" + std::to_wstring(10000 + pick(9999)) + L"." + std::to_wstring(pick(100000));
        default: return std::wstring(1 + pick(30), L'7') + L"." + std::wstring(pick(30), L'3');
        }
    };
    int accepted = 0;
    for (int round = 0; round < 300; ++round) {
        const char* names[] = {"sample.glt", "square-two-columns.glt", "abutment.glt", "l-section.glt"};
        TextLines lines = Lines(kSourceRoot / "examples" / names[round % 4]);
        for (int change = 0; change < 1 + pick(4); ++change) {
            size_t i = 2 + pick(static_cast<int>(lines.size()) - 2);
            while (i < lines.size() && lines[i].starts_with(L"//"))
                ++i;
            if (i >= lines.size())
                continue;
            if (lines[i - 1].ends_with(L"钢筋布置列信息")) {
                lines[i].clear();
                for (int k = 1 + pick(20); k > 0; --k)
                    lines[i] += pick(2) ? L'1' : L'0';
                continue;
            }
            std::vector<std::wstring> tokens;
            for (size_t start = 0, end; start <= lines[i].size(); start = end + 1) {
                end = std::min(lines[i].find(L',', start), lines[i].size());
                tokens.push_back(lines[i].substr(start, end - start));
            }
            // Whole-number tokens are mostly counts and flags: they stay whole numbers.
            const size_t t = pick(static_cast<int>(tokens.size()));
            const bool whole = tokens[t].find_first_not_of(L"-0123456789") == std::wstring::npos;
            tokens[t] = whole && pick(4) != 0 ? std::to_wstring(pick(4)) : realText();
            lines[i].clear();
            for (size_t k = 0; k < tokens.size(); ++k)
                lines[i] += (k > 0 ? L"," : L"") + tokens[k];
        }
        std::wstring text;
        for (const std::wstring& line : lines)
            text += line + L"\r\n";
        std::string bytes;
        ASSERT_TRUE(WideToAnsi(text, bytes));
        const fs::path path = m_dir / "random.glt";
        std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
        CBent_PierInfo design;
        CBent_BasicGeometry geometry;
        {
            CScopedMessageBoxAnswerer refusals;
            refusals->SetLog(nullptr);
            if (!ReadDesign(path, design, geometry))
                continue;
        }
        ++accepted;
        SCOPED_TRACE(round);
        ExpectRoundTrip(design, geometry);
    }
    EXPECT_GT(accepted, 100);
}

// A design file its owner made read-only is not replaced (the permission bits bind no root).
TEST_F(CBent_HlFileWriteTest, ReadOnlyFileIsNotReplaced)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "permission bits do not stop root";
    CBent_PierInfo design;
    CBent_BasicGeometry geometry;
    BuildFullDesign(design, geometry);
    const fs::path path = m_dir / "design.glt";
    std::ofstream(path) << "old";
    fs::permissions(path, fs::perms::owner_read);
    EXPECT_EQ(WriteDesign(path, design, geometry), 0);
    auto shown = m_boxes->Boxes();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].text, L"文件可能正在被使用，无法更新，请稍后重试！");
    EXPECT_EQ(Bytes(path), "old");
    EXPECT_EQ(std::distance(fs::directory_iterator(m_dir), fs::directory_iterator()), 1);
}
