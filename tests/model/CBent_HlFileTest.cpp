#include "CBent_HlFile.h"

#include "CScopedMessageBoxAnswerer.h"
#include "CodePage.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;
using Lines = std::vector<std::wstring>;

const fs::path kData = CORBEL_TEST_DATA;
const fs::path kExamples = kData / ".." / ".." / ".." / "examples";

std::string Utf8(const std::wstring& text) { return CString(text.c_str()).ToUtf8(); }

Lines LoadLines(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    std::wstring text;
    EXPECT_TRUE(AnsiToWide(bytes.str(), text)) << path;
    Lines lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find(L"\r\n", start);
        if (end == std::wstring::npos)
            end = text.size();
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

std::string Encode(const Lines& lines)
{
    std::wstring text;
    for (const std::wstring& line : lines)
        text += line + L"\r\n";
    std::string bytes;
    EXPECT_TRUE(WideToAnsi(text, bytes));
    return bytes;
}

// 0-based index of the data line that follows the comment.
size_t DataIndex(const Lines& lines, const std::wstring& comment)
{
    for (size_t i = 0; i + 1 < lines.size(); ++i)
        if (lines[i] == L"//" + comment)
            return i + 1;
    ADD_FAILURE() << "no comment " << Utf8(comment);
    return lines.size() - 1;
}

// Replaces the data line after the comment; the result is its physical line number.
int Replace(Lines& lines, const std::wstring& comment, const std::wstring& data)
{
    size_t i = DataIndex(lines, comment);
    lines[i] = data;
    return static_cast<int>(i) + 1;
}

// Cuts the file right after the comment line; the result is that line's number.
int CutAfterComment(Lines& lines, const std::wstring& comment)
{
    size_t i = DataIndex(lines, comment);
    lines.resize(i);
    return static_cast<int>(i);
}

CString Wide(const fs::path& path) { return CString(path.string().c_str()); }

// A design beside the tests, or the example of that name.
fs::path DesignPath(const std::string& name)
{
    return name == "sample" ? kExamples / "sample.glt" : kData / (name + ".glt");
}

// Exactly one error box, naming the line and ending in the message and offending text.
void ExpectOneError(CScopedMessageBoxAnswerer& boxes, const std::wstring& message, int line,
                    const std::wstring& text = L"")
{
    auto shown = boxes->Boxes();
    ASSERT_EQ(shown.size(), 1u) << Utf8(message);
    EXPECT_EQ(shown[0].caption, L"文件操作时出现错误");
    std::wstring tail = L"错误位置：第" + std::to_wstring(line) + L"行\n错误描述：" + message;
    if (!text.empty())
        tail += L"\n错误文本：" + text;
    EXPECT_TRUE(shown[0].text.ends_with(tail)) << Utf8(shown[0].text) << "\nexpected to end with\n" << Utf8(tail);
}

const wchar_t* const kTopPlateComment = L"第1立面钢筋－其他参数（距顶板左侧距离、距顶板右侧距离）";
const wchar_t* const kUpperBentWholeComment = L"第5立面钢筋－其他参数（左轴距、右轴距）";

class CBent_HlFileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_dir = fs::temp_directory_path() /
                ("hlfile-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()) + "-" +
                 std::to_string(::getpid()));
        fs::create_directories(m_dir);
        m_boxes->SetLog(nullptr);
    }
    void TearDown() override { fs::remove_all(m_dir); }

    fs::path Save(const std::string& bytes, const std::string& name = "design.glt")
    {
        fs::path path = m_dir / name;
        std::ofstream(path, std::ios::binary) << bytes;
        return path;
    }
    fs::path Save(const Lines& lines, const std::string& name = "design.glt") { return Save(Encode(lines), name); }

    int Read(const fs::path& path, CBent_PierInfo& design, CBent_BasicGeometry& geometry)
    {
        CBent_HlFile file;
        file.SetPath(Wide(path));
        file.SetPierInfo(&design);
        file.SetBasicGeometry(&geometry);
        return file.Read();
    }
    int Read(const fs::path& path) { return Read(path, m_design, m_geometry); }
    int Read(const Lines& lines) { return Read(Save(lines)); }

    fs::path m_dir;
    CScopedMessageBoxAnswerer m_boxes;
    CBent_PierInfo m_design;
    CBent_BasicGeometry m_geometry;
};

double Sum(const CArray<double, const double&>& list)
{
    double sum = 0;
    for (INT_PTR i = 0; i < list.GetSize(); ++i)
        sum += list[i];
    return sum;
}

} // namespace

// Every example reads, holds what its README line says, and keeps the rules that the check
// before drawing and the drawing classes rely on.
TEST_F(CBent_HlFileTest, ExamplesReadAndAreDrawable)
{
    struct Case {
        const char* file;
        int supports, columns, abutment, form, benddown;
        double length, leftAngle;
    } cases[] = {
        {"sample.glt", 3, 9, 0, 0, 0, 12600, 70},
        {"square-two-columns.glt", 2, 7, 0, 0, 1, 9800, 90},
        {"abutment.glt", 4, 11, 1, 0, 1, 14000, 80},
        {"l-section.glt", 2, 11, 0, 1, 1, 10400, 90},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        CBent_PierInfo d;
        CBent_BasicGeometry g;
        ASSERT_EQ(Read(kExamples / c.file, d, g), 1);
        EXPECT_TRUE(m_boxes->Boxes().empty());
        const CBent_FaceInfo& main = d.GetMainFace();
        EXPECT_EQ(d.GetSupportDistances().GetSize(), c.supports);
        EXPECT_EQ(main.GetBarColumnCount(), c.columns);
        EXPECT_EQ(g.nAbutmentCap, c.abutment);
        EXPECT_EQ(g.nSectionForm, c.form);
        EXPECT_EQ(d.GetMoreInfo().GetBendDownMode(), c.benddown);
        EXPECT_EQ(g.dLength, c.length);
        EXPECT_EQ(g.dLeftAngle, c.leftAngle);

        // Refused otherwise by the check before drawing.
        EXPECT_EQ(d.GetExtendSteel().GetCodeCount(), c.columns);
        // Bar columns span the width inside the side covers; side bars the height inside the
        // top and bottom covers.
        EXPECT_NEAR(Sum(d.GetMoreInfo().GetSkeletonSpacings()) + 2 * d.GetSideCover(), g.dWidth, 1e-6);
        EXPECT_NEAR(Sum(d.GetMoreInfo().GetSideSpacings()) + d.GetTopCover() + d.GetBottomCover(), g.dMiddleHeight,
                    1e-6);
        EXPECT_GE(d.GetSectionPositions().GetSize(), c.supports);
        if (!g.nAbutmentCap) {
            EXPECT_GT(d.GetSupportDistances()[0], g.dLeftWidth);
            EXPECT_LT(g.dLeftEndHeight, g.dMiddleHeight);
        }
        // Stirrups close around skeleton or plate-bar columns only.
        for (INT_PTR i = 0; i < main.GetStirrups().GetSize(); ++i)
            for (int column : {main.GetStirrups()[i].GetStartColumn(), main.GetStirrups()[i].GetEndColumn()}) {
                int thousands = d.GetExtendSteel().GetCodeAt(column - 1) / 1000;
                EXPECT_TRUE(thousands == 9 || thousands == 1) << column;
            }
        // Every bar family is there.
        EXPECT_GT(main.GetLUTSteels().GetSize(), 0);
        EXPECT_GT(main.GetLUBSteels().GetSize(), 0);
        EXPECT_GT(main.GetLUPSteels().GetSize(), 0);
        EXPECT_GT(main.GetLUMSteels().GetSize(), 0);
        ASSERT_EQ(main.GetSupports().GetSize(), c.supports);
        for (INT_PTR s = 0; s < main.GetSupports().GetSize(); ++s) {
            const CBent_PoleInfo& p = main.GetSupports()[s];
            EXPECT_TRUE(p.GetLPTSteels().GetSize() > 0 && p.GetLPBSteels().GetSize() > 0 &&
                        p.GetLPPSteels().GetSize() > 0 && p.GetLPMSteels().GetSize() > 0);
        }
        if (g.nSectionForm == 1) {
            EXPECT_GE(d.GetEndFace().GetBarColumnCount(), 2);
            EXPECT_EQ(d.GetEndFace().GetStirrups().GetSize(), 1);
        }
    }
}

TEST_F(CBent_HlFileTest, SampleHoldsEveryRecordOfTheFile)
{
    m_geometry.dFurtherLength = 5;
    ASSERT_EQ(Read(kExamples / "sample.glt"), 1);
    const CBent_PierInfo& d = m_design;
    const CBent_MoreInfo& m = d.GetMoreInfo();
    EXPECT_EQ(d.GetAddInfo().GetApplicableTo(), L"1、2、3");
    EXPECT_EQ(m.GetWeldWidth(), 160);
    EXPECT_EQ(m.GetSeismicStirrups(), 1);
    EXPECT_EQ(m.GetSkeletonDiameter(), 32);
    EXPECT_EQ(m.GetBendRadius(), 320);
    EXPECT_EQ(m.GetSkewStirrupSpacing(), 200);
    EXPECT_EQ(m.GetDenseHalfRangeMiddle(), 1200);
    EXPECT_EQ(m.GetSideSpacings().GetSize(), 10);
    EXPECT_EQ(m_geometry.dRightAngle, 70);
    EXPECT_EQ(m_geometry.dLeftEndHeight, 1000);
    EXPECT_EQ(m_geometry.dFurtherLength, 5);  // not in the file: the caller's value stays

    const int sections[] = {1, 2, 4, 0};
    ASSERT_EQ(d.GetSectionPositions().GetSize(), 4);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(d.GetSectionPositions()[i], sections[i]);
    const int codes[] = {9000, 1111, 9000, 111, 9000, 111, 9000, 1111, 9000};
    for (int i = 0; i < 9; ++i)
        EXPECT_EQ(d.GetExtendSteel().GetCodeAt(i), codes[i]);
    EXPECT_EQ(d.GetExtendSteel().GetMidSpanDistance(), 2000);
    EXPECT_EQ(d.GetExtendSteel().GetMultiLayerDecrement(), 500);

    const CBent_FaceInfo& main = d.GetMainFace();
    ASSERT_EQ(main.GetLUTSteels().GetSize(), 2);
    EXPECT_EQ(main.GetLUTSteels()[1].GetBendType(), 1);
    EXPECT_EQ(main.GetLUTSteels()[1].GetColumnListSize(), 3);
    EXPECT_EQ(main.GetLUTSteels()[1].GetRightAxisDistanceAt(2), 1300);
    EXPECT_EQ(main.GetLUBSteels()[0].GetRadiusOrHeightAt(1), 350);
    const CBent_PoleInfo& second = main.GetSupports()[1];
    EXPECT_EQ(second.GetLPTSteels()[0].GetConnectFlag(), 1);
    EXPECT_EQ(second.GetLPTSteels()[1].GetLeftAxisDistance(), 1000);
    EXPECT_EQ(second.GetLPBSteels()[0].GetRadiusOrHeight(), 300);
    EXPECT_EQ(second.GetLPMSteels()[0].GetRightDistance(), 1200);
    EXPECT_EQ(main.GetStirrups().GetSize(), 5);
    EXPECT_EQ(second.GetLPPSteels()[0].GetColumnText(), L"101010101");
}

TEST_F(CBent_HlFileTest, OlderVersionsReadLikeTheirTwins)
{
    for (int key : {10, 20, 30, 31, 32, 33, 40, 41, 42}) {
        SCOPED_TRACE(key);
        std::string name = "v";
        name += std::to_string(key);
        CBent_PierInfo old, twin;
        CBent_BasicGeometry oldGeometry, twinGeometry;
        ASSERT_EQ(Read(kData / "old" / (name + ".glt"), old, oldGeometry), 1);
        ASSERT_EQ(Read(kData / "old" / (name + "-as43.glt"), twin, twinGeometry), 1);
        // Before 3.1 there are no per-column codes to fit to the columns.
        if (key <= 30)
            twin.GetExtendSteel().GetCodes().RemoveAll();
        EXPECT_TRUE(old == twin);
        EXPECT_TRUE(oldGeometry == twinGeometry);
        // The file's end distances were stored short of the end widths, and its stirrup line
        // without the skew-layout spacing.
        EXPECT_EQ(old.GetSupportDistances()[0], 2150);
        EXPECT_EQ(old.GetMoreInfo().GetSkewStirrupSpacing(), 220);
    }
    EXPECT_TRUE(m_boxes->Boxes().empty());
}

TEST_F(CBent_HlFileTest, VersionOneAndTwoReadAlike)
{
    Lines lines = LoadLines(kData / "old" / "v20.glt");
    ASSERT_EQ(Read(lines), 1);
    CBent_PierInfo two = m_design;
    Replace(lines, L"以下是数据文件版本信息，由VER和实数(一位小数)组成", L"Ver 1.0");
    ASSERT_EQ(Read(lines), 1);
    EXPECT_TRUE(m_design == two);
}

TEST_F(CBent_HlFileTest, VersionLineChoosesTheReader)
{
    const wchar_t* const higher = L"盖梁文件版本高于当前系统能够读取版本，无法读取文件！";
    const wchar_t* const unknown = L"盖梁文件版本不是当前系统能够读取的版本，无法读取文件！";
    struct Case {
        const wchar_t* line;
        int result;
        const wchar_t* message;
    } cases[] = {
        {L"VER 4.30", 1, nullptr},   {L"Ver 4.35", 1, nullptr},  {L"VER 5.0", 0, higher},
        {L"VER 4.4", 0, higher},     {L"VER 99999999999999999999999999", 0, higher},
        {L"VER 0.9", 0, unknown},    {L"VER 1.5", 0, unknown},   {L"VER -4.3", 0, unknown},
        {L"VER 3.4", 0, unknown},    {L"VER", 0, unknown},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(Utf8(c.line));
        CScopedMessageBoxAnswerer boxes;
        boxes->SetLog(nullptr);
        Lines lines = LoadLines(kData / "minimal.glt");
        int line = Replace(lines, L"以下是数据文件版本信息，由VER和实数(一位小数)组成", c.line);
        CBent_PierInfo d;
        CBent_BasicGeometry g;
        EXPECT_EQ(Read(Save(lines), d, g), c.result);
        if (c.message)
            ExpectOneError(boxes, c.message, line);
        else
            EXPECT_TRUE(boxes->Boxes().empty());
    }
}

TEST_F(CBent_HlFileTest, UnopenableFileFailsNamingFileAndReason)
{
    m_design.SetElevationScale(77);
    m_geometry.dLength = 1;
    const CBent_PierInfo before = m_design;
    for (const fs::path& path : {m_dir / "missing.glt", m_dir}) {
        SCOPED_TRACE(path.string());
        CScopedMessageBoxAnswerer boxes;
        boxes->SetLog(nullptr);
        EXPECT_EQ(Read(path), 0);
        auto shown = boxes->Boxes();
        ASSERT_EQ(shown.size(), 1u);
        EXPECT_EQ(shown[0].caption, L"文件操作时出现错误");
        EXPECT_NE(shown[0].text.find(L"盖梁文件无法打开，无法读取文件！\n\n文件名称：" + Wide(path).str() + L"\n错误原因："),
                  std::wstring::npos);
        EXPECT_GT(shown[0].text.size(), shown[0].text.find(L"错误原因：") + 5);
        EXPECT_TRUE(m_design == before);
        EXPECT_EQ(m_geometry.dLength, 1);
    }
}

TEST_F(CBent_HlFileTest, FailedReadLeavesBothTargetsAsTheyWere)
{
    m_design.SetElevationScale(77);
    m_design.GetSupportDistances().Add(5);
    m_geometry.dLength = 1;
    m_geometry.nFurtherFlag1 = 3;
    const CBent_PierInfo design = m_design;
    const CBent_BasicGeometry geometry = m_geometry;
    Lines lines = LoadLines(kExamples / "sample.glt");
    lines.back() = L"x";  // the last per-column code
    EXPECT_EQ(Read(lines), 0);
    EXPECT_TRUE(m_design == design);
    EXPECT_TRUE(m_geometry == geometry);

    // An empty file fails without a box.
    CScopedMessageBoxAnswerer boxes;
    boxes->SetLog(nullptr);
    EXPECT_EQ(Read(Save(std::string())), 0);
    EXPECT_TRUE(boxes->Boxes().empty());
    EXPECT_TRUE(m_design == design);
}

// A read stopped by an error can hand over what it read up to there, over the defaults it
// started from; a read that stopped at the version line has nothing to hand over.
TEST_F(CBent_HlFileTest, PartialReadHoldsWhatCameBeforeTheError)
{
    CBent_PierInfo whole;
    CBent_BasicGeometry wholeGeometry;
    ASSERT_EQ(Read(kExamples / "sample.glt", whole, wholeGeometry), 1);

    Lines lines = LoadLines(kExamples / "sample.glt");
    CutAfterComment(lines, L"第3立面钢筋－钢筋布置列信息");
    CBent_HlFile file;
    file.SetPath(Wide(Save(lines)));
    file.SetPierInfo(&m_design);
    file.SetBasicGeometry(&m_geometry);
    EXPECT_EQ(file.Read(), 0);
    EXPECT_TRUE(m_design == CBent_PierInfo());
    EXPECT_EQ(file.TakePartialRead(), 1);
    EXPECT_TRUE(m_geometry == wholeGeometry);
    EXPECT_EQ(m_design.GetElevationScale(), whole.GetElevationScale());
    EXPECT_EQ(Sum(m_design.GetSupportDistances()), Sum(whole.GetSupportDistances()));
    EXPECT_EQ(m_design.GetMainFace().GetLTLSteel().GetColumnText(), whole.GetMainFace().GetLTLSteel().GetColumnText());
    EXPECT_EQ(m_design.GetSectionPositions().GetSize(), 0);
    EXPECT_GT(whole.GetSectionPositions().GetSize(), 0);

    // Nothing read: the targets stay.
    m_design = CBent_PierInfo();
    file.SetPath(Wide(Save(std::string("VER 9.9\r\n"))));
    EXPECT_EQ(file.Read(), 0);
    EXPECT_EQ(file.TakePartialRead(), 0);
    EXPECT_TRUE(m_design == CBent_PierInfo());
}

// One bad line of each record: the record's message, naming the line (and the token where
// the record shows one).
TEST_F(CBent_HlFileTest, MalformedRecords)
{
    struct Case {
        const char* base;
        const wchar_t* comment;
        const wchar_t* data;
        const wchar_t* message;
        const wchar_t* text;
    } cases[] = {
        {"sample", L"立面图绘图比例，断面图绘图比例", L"50", L"绘图比例参数错误，个数不正确或数据不正确", L""},
        {"sample", L"强制绘制全图，绘制测试图", L"0,a", L"绘图控制参数错误，个数不正确或数据不正确", L""},
        {"sample", L"盖梁对称性（一般构造对称,墩柱间距对称,断面箍筋对称,骨架编排对称,钢筋骨架对称,加强钢筋对称）",
         L"1,1,1", L"盖梁对称性参数错误，个数不正确或数据不正确", L""},
        {"sample", L"是否为桥台盖梁", L"x", L"盖梁形式错误（桥墩桥台），个数不正确或数据不正确", L""},
        {"sample", L"盖梁截面形式（0矩形、1Ｌ形），截面是否对称(本参数已经停用)", L"0",
         L"盖梁截面形式及对称错误，个数不正确或数据不正确", L""},
        {"sample", L"盖梁长度、盖梁宽度、中部高度、墩柱直径", L"12600,1800,1600",
         L"盖梁长度宽度高度错误，个数不正确或数据不正确", L""},
        {"sample", L"左侧宽度、右侧宽度、左端高度、右端高度、左侧角度、右侧角度", L"1800,1800,1000,1000,70,7O",
         L"盖梁左右侧数据错误，个数不正确或数据不正确", L""},
        {"sample", L"L宽、L高", L"0", L"盖梁L数据错误，个数不正确或数据不正确", L""},
        {"sample", L"骨架类型（骨架类型个数，0单骨架、>0多骨架）", L"-1",
         L"盖梁骨架类型错误，该参数必须大于（多骨架）或等于0（单骨架）", L""},
        {"sample", L"骨架类型（骨架类型个数，0单骨架、>0多骨架）", L"21", L"盖梁骨架类型错误，个数不正确或数据不正确",
         L"21"},
        {"sample", L"下弯方式（0正截面下弯、1斜截面下弯）", L"0.5", L"盖梁下弯类型错误，个数不正确或数据不正确", L""},
        {"sample", L"端部是否固定（0不固定、1固定）", L"1 1", L"盖梁外侧上弯起筋是否固定错误，个数不正确或数据不正确", L""},
        {"sample", L"盖梁类型（0普通钢筋砼盖梁、1预应力钢筋砼盖梁）", L"0,1", L"盖梁类型参数错误，个数不正确或数据不正确",
         L""},
        {"sample", L"保护层数据（依次为顶板保护层、底板保护层、侧面保护层、端部保护层及封锚保护层）", L"50,50,50,50",
         L"盖梁保护层参数错误，个数不正确或数据不正确", L""},
        {"sample", L"焊缝类型（0－双面焊、1－单面焊）", L"x", L"盖梁焊缝类型参数错误，个数不正确或数据不正确", L""},
        {"sample", L"焊缝宽度", L"1e2", L"盖梁焊缝宽度参数错误，个数不正确或数据不正确", L""},
        {"sample", L"骨架钢筋基本参数（钢筋类型、钢筋直径）", L"1", L"盖梁骨架钢筋基本参数错误，个数不正确或数据不正确",
         L""},
        {"sample", L"箍筋钢筋基本参数（钢筋类型、钢筋直径）", L"1,1.2", L"盖梁箍筋钢筋基本参数错误，个数不正确或数据不正确",
         L""},
        {"sample", L"侧面钢筋基本参数（钢筋类型、钢筋直径）", L"1", L"盖梁侧面钢筋基本参数错误，个数不正确或数据不正确", L""},
        {"sample", L"封锚钢筋基本参数（钢筋类型、钢筋直径）", L"1", L"盖梁封锚钢筋基本参数错误，个数不正确或数据不正确", L""},
        {"minimal", L"支座个数及距离值（单支座为1）", L"2,2,3000", L"盖梁支座信息错误！", L""},
        {"minimal", L"支座个数及距离值（单支座为1）", L"0,-1", L"盖梁支座信息错误！", L""},
        {"minimal", L"支座个数及距离值（单支座为1）", L"0,10,1,1,1,1,1,1,1,1,1,1", L"盖梁支座信息错误！", L""},
        {"minimal", L"支座个数及距离值（单支座为1）", L"0,1,abc", L"盖梁支座信息错误！", L""},
        {"sample", L"剖面钢筋最大列数NC(主面、端面)", L"21,0", L"盖梁钢筋最大列数错误，个数不正确或数据不正确", L""},
        {"sample", L"剖面钢筋最大列数NC(主面、端面)", L"9,-1", L"盖梁钢筋最大列数错误，个数不正确或数据不正确", L""},
        {"sample", L"列间距个数", L"21", L"盖梁骨架间距个数错误", L""},
        {"sample", L"列间距个数", L"-1", L"盖梁骨架间距个数错误", L""},
        {"sample", L"列间距数值", L"212.5,212.5", L"盖梁骨架间距错误", L""},
        {"sample", L"立面上下弯起筋弯曲角度及弯曲半径", L"45,320.5",
         L"盖梁上下弯起筋弯曲角度及弯曲半径，个数不正确或数据不正确", L""},
        {"sample", L"箍筋是否抗震", L"是", L"箍筋是否抗震参数错误，个数不正确或数据不正确", L""},
        {"sample", L"箍筋间距及加密范围", L"150,100,1,800,1200,1200", L"盖梁箍筋间距及加密范围错误，个数不正确或数据不正确",
         L""},
        {"sample", L"立面钢筋数、剖面钢筋数", L"-1,5", L"盖梁立面钢筋及箍筋数量错误，个数不正确或数据不正确", L""},
        {"sample", L"立面钢筋数、剖面钢筋数", L"2000000000,5", L"盖梁立面钢筋及箍筋数量错误，个数不正确或数据不正确", L""},
        {"sample", L"第1立面钢筋－剖切位置（0为盖梁主体部分，1为联端槽口部分）", L"1",
         L"盖梁立面钢筋剖切位置错误，个数不正确或数据不正确", L"1"},
        {"sample", L"第1立面钢筋－剖切位置（0为盖梁主体部分，1为联端槽口部分）", L"-1",
         L"盖梁立面钢筋剖切位置错误，个数不正确或数据不正确", L"-1"},
        {"sample", L"第1立面钢筋－布置类型（0为顶板筋，1为底板筋，2为上弯起筋，3为下弯其筋，4为顶板直筋，5为底板直筋）", L"x",
         L"盖梁立面钢筋布置类型错误，个数不正确或数据不正确", L""},
        {"sample", L"第3立面钢筋－支座编号（0为整体立面，1，2......表支座）", L"-1",
         L"盖梁立面钢筋支座编号错误，个数不正确或数据不正确", L"-1"},
        {"sample", L"第3立面钢筋－支座编号（0为整体立面，1，2......表支座）", L"4",
         L"盖梁立面钢筋支座编号错误，个数不正确或数据不正确", L"4"},
        {"sample", kTopPlateComment, L"50", L"盖梁顶板筋错误，个数不正确或数据不正确", L""},
        {"sample", L"第3立面钢筋－其他参数（距顶板左侧距离、距顶板右侧距离）", L"1500",
         L"盖梁顶板直筋错误，个数不正确或数据不正确", L""},
        {"sample", L"第5立面钢筋－弯起类型", L"x", L"盖梁上弯起筋弯起类型错误，个数不正确或数据不正确", L""},
        {"sample", kUpperBentWholeComment, L"x,900,900,900", L"整体立面上弯起筋参数错误，数据个数错误或数据类型错误！", L""},
        {"sample", kUpperBentWholeComment, L"x,900,a", L"整体立面上弯起筋参数错误，数据个数错误或数据类型错误！", L""},
        {"sample", kUpperBentWholeComment, L"x,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1",
         L"整体立面上弯起筋参数错误，数据个数错误或数据类型错误！", L""},
        {"sample", L"第7立面钢筋－其他参数（下弯参数、左轴距、右轴距、半径或高度）", L"1,1500,1500",
         L"整体立面下弯起筋参数错误，数据个数错误或数据类型错误！", L""},
        {"sample", L"第7立面钢筋－其他参数（下弯参数、左轴距、右轴距、半径或高度）", L"a,1500,1500,350",
         L"整体立面下弯起筋参数错误，数据个数错误或数据类型错误！", L""},
        {"sample", L"第8立面钢筋－其他参数（距顶板左侧距离、距顶板右侧距离）", L"2000",
         L"盖梁顶板直筋错误，个数不正确或数据不正确", L""},
        {"sample", L"第9立面钢筋－其他参数（距底板左侧距离、距底板右侧距离）", L"1200",
         L"盖梁底板直筋错误，个数不正确或数据不正确", L""},
        {"sample", L"第10立面钢筋－其他参数（是否相连、左轴距、右轴距）", L"1,600",
         L"盖梁上弯起筋错误，个数不正确或数据不正确", L""},
        {"sample", L"第12立面钢筋－其他参数（下弯参数、左轴距、右轴距、半径或高度）", L"1,1400,1400",
         L"盖梁下弯起筋错误，个数不正确或数据不正确", L""},
        {"sample", L"第2箍筋数据（剖切位置、起始列、终止列）", L"0,1", L"盖梁箍筋错误，个数不正确或数据不正确", L""},
        {"sample", L"侧面钢筋间距（剖面盖梁侧面钢筋", L"x", L"盖梁侧面钢筋间距错误，个数不正确或数据不正确", L""},
        {"sample", L"侧面间距个数", L"-2", L"盖梁侧面钢筋间距个数错误", L""},
        {"sample", L"侧面间距数值", L"150", L"盖梁侧面钢筋间距错误", L""},
        {"sample", L"盖梁剖面数及剖面百分比位置", L"3,1,2", L"盖梁剖面信息错误！", L""},
        {"sample", L"盖梁剖面数及剖面百分比位置", L"20,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1", L"盖梁剖面信息错误！",
         L""},
        {"sample", L"盖梁剖面数及剖面百分比位置", L"2,1,x", L"盖梁剖面信息错误！", L""},
        {"sample", L"封锚钢筋间距", L"x", L"盖梁封锚钢筋间距错误，个数不正确或数据不正确", L""},
        {"sample", L"预应力筋个数", L"-1", L"盖梁预筋数量错误，个数不正确或数据不正确", L""},
        {"sample", L"顶板直筋基本参数（钢筋类型、钢筋直径）", L"1", L"盖梁顶板加强直筋基本参数错误，个数不正确或数据不正确",
         L""},
        {"sample", L"底板直筋基本参数（钢筋类型、钢筋直径）", L"1", L"盖梁底板加强直筋基本参数错误，个数不正确或数据不正确",
         L""},
        {"sample", L"距离形式：边距外侧(顶板筋),边距内侧(顶板筋),中柱两侧(顶板筋),跨中两侧(底板筋)", L"0,0,0",
         L"距离形式参数错误，个数不正确或数据不正确", L""},
        {"sample", L"距离：边距外侧(顶板筋),边距内侧(顶板筋),中柱两侧(顶板筋),跨中两侧(底板筋)", L"1,2,3",
         L"距离参数错误，个数不正确或数据不正确", L""},
        {"sample", L"多层递减值", L"x", L"加强钢筋多层递减值错误，个数不正确或数据不正确", L""},
        {"sample", L"列数", L"21", L"加强筋列数参数错误，个数不正确或数据不正确", L""},
        {"sample", L"列数", L"-1", L"加强筋列数参数错误，个数不正确或数据不正确", L""},
        {"sample", L"第3列", L"x", L"加强筋列(第3列)参数错误，个数不正确或数据不正确", L""},
        // Older versions: their own wording, and lines that are not theirs.
        {"old/v31", L"顶板直筋基本参数（钢筋类型、钢筋直径）", L"1", L"盖梁顶板直筋基本参数错误，个数不正确或数据不正确",
         L""},
        {"old/v31", L"底板直筋基本参数（钢筋类型、钢筋直径）", L"1", L"盖梁底板直筋基本参数错误，个数不正确或数据不正确",
         L""},
        {"old/v42", L"箍筋间距及加密范围", L"150,100,0,10,20,30", L"盖梁箍筋间距及加密范围错误，个数不正确或数据不正确",
         L""},
        {"old/v30", L"第3立面钢筋－剖切位置（0为盖梁主体部分，1为联端槽口部分）", L"3",
         L"盖梁立面钢筋剖切位置错误，个数不正确或数据不正确", L"3"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(Utf8(std::wstring(c.comment) + L" := " + c.data));
        CScopedMessageBoxAnswerer boxes;
        boxes->SetLog(nullptr);
        Lines lines = LoadLines(DesignPath(c.base));
        int line = Replace(lines, c.comment, c.data);
        EXPECT_EQ(Read(lines), 0);
        ExpectOneError(boxes, c.message, line, c.text);
    }
}

TEST_F(CBent_HlFileTest, FileEndingEarly)
{
    struct Case {
        const wchar_t* comment;
        const wchar_t* message;
    } cases[] = {
        {L"附加信息-适用墩台", L"盖梁附加信息错误，个数不正确或数据不正确"},
        {L"支座个数及距离值（单支座为1）", L"找不到盖梁支座信息！"},
        {L"第1立面钢筋－钢筋布置列信息", L"盖梁顶板筋错误，列信息错误"},
        {L"第2立面钢筋－钢筋布置列信息", L"盖梁底板筋错误，列信息错误"},
        {L"第3立面钢筋－钢筋布置列信息", L"盖梁立面钢筋列信息错误"},
        {kUpperBentWholeComment, L"整体立面上弯起筋参数错误，数据个数错误或数据类型错误！"},
        {L"盖梁剖面数及剖面百分比位置", L"找不到盖梁剖面信息！"},
        {L"第1列", L"加强筋列(第1列)参数错误，个数不正确或数据不正确"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(Utf8(c.comment));
        CScopedMessageBoxAnswerer boxes;
        boxes->SetLog(nullptr);
        Lines lines = LoadLines(kExamples / "sample.glt");
        int last = CutAfterComment(lines, c.comment);
        EXPECT_EQ(Read(lines), 0);
        ExpectOneError(boxes, c.message, last);
    }
}

TEST_F(CBent_HlFileTest, Tendons)
{
    // Inserts one tendon after the tendon count; the result is the line number of its
    // basic line. Section line and first guide point follow 3 and 5 lines further down.
    auto withTendon = [](Lines& lines, const std::wstring& basic, const std::wstring& sections,
                         const Lines& points) {
        size_t i = DataIndex(lines, L"预应力筋个数");
        lines[i] = L"1";
        Lines block = {L"//第1个预应力筋整体信息(编号,编束根数,张拉方式,工作长度,束数,导线点数)", basic, L"",
                       L"//第1个预应力筋剖面信息", sections, L"//第1个预应力筋导线点信息(支座,X,Y,R)"};
        block.insert(block.end(), points.begin(), points.end());
        lines.insert(lines.begin() + static_cast<long>(i) + 1, block.begin(), block.end());
        return static_cast<int>(i) + 3;
    };

    Lines good = LoadLines(kExamples / "sample.glt");
    withTendon(good, L"3,7,1,800,2,2", L"150.0000000,-200.0000000",
               {L"1,0.0000000,1200.0000000,0.0000000", L"2,2100.0000000,300.0000000,15000.0000000"});
    ASSERT_EQ(Read(good), 1);
    ASSERT_EQ(m_design.GetTendons().GetSize(), 1);
    const CHLGZ_HlBarStruct& t = m_design.GetTendons()[0];
    EXPECT_EQ(t.GetNumber(), 3);
    EXPECT_EQ(t.GetBundleCount(), 7);
    EXPECT_EQ(t.GetTensionMode(), 1);
    EXPECT_EQ(t.GetWorkingLength(), 800);
    ASSERT_EQ(t.GetSectionValues().GetSize(), 2);
    EXPECT_EQ(t.GetSectionValues()[1], -200);
    ASSERT_EQ(t.GetPoints().GetSize(), 2);
    EXPECT_EQ(t.GetPoints()[1].GetSupport(), 2);
    EXPECT_EQ(t.GetPoints()[1].GetR(), 15000);

    const std::wstring twenty = L"1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1";
    struct Case {
        const wchar_t* basic;
        std::wstring sections;
        Lines points;
        int offset;  // from the basic line to the line named
        const wchar_t* message;
        const wchar_t* text;
    } cases[] = {
        {L"3,7,1", L"1", {}, 0, L"第1条预应力基本参数不存在或数据个数不对", L""},
        {L"3,7,1,x,1,0", L"1", {}, 0, L"第1条预应力基本参数【工作长度】格式错误", L"x"},
        {L"3,7,1,800,1.5,0", L"1", {}, 0, L"第1条预应力基本参数【剖面个数】格式错误", L"1.5"},
        {L"3,7,1,800,1,-1", L"1", {}, 0, L"第1条预应力基本参数【导线点个数】格式错误", L"-1"},
        {L"3,7,1,800,21,0", twenty + L",1", {}, 3, L"第1条预应力剖面数据不存在或个数不对", L""},
        {L"3,7,1,800,21,0", twenty, {}, 3, L"第1条预应力剖面数据不存在或个数不对", L""},
        {L"3,7,1,800,0,0", L"1", {}, 3, L"第1条预应力剖面数据不存在或个数不对", L""},
        {L"3,7,1,800,2,0", L"1,y", {}, 3, L"第1条预应力剖面数据格式错误", L""},
        {L"3,7,1,800,1,1", L"1", {L"1,2,3"}, 5, L"第1条预应力导线点数据不存在或个数不对", L""},
        {L"3,7,1,800,1,1", L"1", {L"1.5,2,3,4"}, 5, L"第1条预应力导线点数据格式错误", L""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(Utf8(c.basic));
        CScopedMessageBoxAnswerer boxes;
        boxes->SetLog(nullptr);
        Lines lines = LoadLines(kExamples / "sample.glt");
        int basic = withTendon(lines, c.basic, c.sections, c.points);
        EXPECT_EQ(Read(lines), 0);
        ExpectOneError(boxes, c.message, basic + c.offset, c.text);
    }
}

TEST_F(CBent_HlFileTest, TextThatIsNotOfTheCodePageFailsTheRead)
{
    Lines lines = LoadLines(kData / "minimal.glt");
    size_t i = DataIndex(lines, L"附加信息-适用墩台");
    std::string bytes = Encode(Lines(lines.begin(), lines.begin() + static_cast<long>(i))) + "\xB8\r\n" +
                        Encode(Lines(lines.begin() + static_cast<long>(i) + 1, lines.end()));
    EXPECT_EQ(Read(Save(bytes)), 0);
    auto shown = m_boxes->Boxes();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_NE(shown[0].text.find(L"第" + std::to_wstring(i + 1) + L"行\n错误描述：文件中有不能识别的文字，不是有效的盖梁文件！\n错误文本："),
              std::wstring::npos)
        << Utf8(shown[0].text);
}

TEST_F(CBent_HlFileTest, MainFaceBarsTakeTheTopPlateColumnText)
{
    Lines lines = LoadLines(kExamples / "sample.glt");
    Replace(lines, L"第3立面钢筋－钢筋布置列信息", L"000000000");
    Replace(lines, L"第10立面钢筋－钢筋布置列信息", L"11");
    ASSERT_EQ(Read(lines), 1);
    const CBent_FaceInfo& main = m_design.GetMainFace();
    EXPECT_EQ(main.GetLUPSteels()[0].GetColumnText(), L"101010101");
    EXPECT_EQ(main.GetSupports()[0].GetLPTSteels()[0].GetColumnText(), L"101010101");
}

TEST_F(CBent_HlFileTest, SkeletonTypeFacesTakeTheirBars)
{
    Lines lines = LoadLines(kExamples / "sample.glt");
    Replace(lines, L"骨架类型（骨架类型个数，0单骨架、>0多骨架）", L"2");
    Replace(lines, L"第3立面钢筋－剖切位置（0为盖梁主体部分，1为联端槽口部分）", L"2");
    lines.insert(lines.begin() + static_cast<long>(DataIndex(lines, L"第1箍筋数据（剖切位置、起始列、终止列）")) - 2,
                 {L"//骨架布置数据", L"//是否需要顶底板筋(1表示要0表示不要)", L"101010101",
                  L"//骨架类型(1表示A2表示B依次类推)", L"ABABABABA"});
    ASSERT_EQ(Read(lines), 1);
    ASSERT_EQ(m_design.GetFaceList().GetSize(), 2);
    EXPECT_EQ(m_design.GetFaceList()[1].GetLUPSteels().GetSize(), 1);
    EXPECT_EQ(m_design.GetFaceList()[1].GetSupports().GetSize(), 3);
    EXPECT_EQ(m_design.GetFaceList()[0].GetLUPSteels().GetSize(), 0);
    EXPECT_EQ(m_design.GetMainFace().GetLUPSteels().GetSize(), 0);
    EXPECT_EQ(m_design.GetSkeletonTypeText(), L"ABABABABA");
    EXPECT_EQ(m_design.GetPlateBarsText(), L"101010101");
}

TEST_F(CBent_HlFileTest, WholeElevationUpperBentBarsPairPerSupport)
{
    Lines lines = LoadLines(kExamples / "sample.glt");
    Replace(lines, L"盖梁对称性（一般构造对称,墩柱间距对称,断面箍筋对称,骨架编排对称,钢筋骨架对称,加强钢筋对称）",
            L"1,1,1,1,0,1");
    Replace(lines, kUpperBentWholeComment, L"x,10,20;30\t40");
    ASSERT_EQ(Read(lines), 1);
    const CBent_LUTSteel& bar = m_design.GetMainFace().GetLUTSteels()[0];
    ASSERT_EQ(bar.GetColumnListSize(), 2);
    EXPECT_EQ(bar.GetLeftAxisDistanceAt(0), 10);
    EXPECT_EQ(bar.GetRightAxisDistanceAt(0), 20);
    EXPECT_EQ(bar.GetLeftAxisDistanceAt(1), 30);
    EXPECT_EQ(bar.GetRightAxisDistanceAt(1), 40);
}

TEST_F(CBent_HlFileTest, MinimalDesignCompletion)
{
    Lines lines = LoadLines(kData / "minimal.glt");
    Replace(lines, L"立面图绘图比例，断面图绘图比例", L" 25 ;\t20 ,,");
    Replace(lines, L"支座个数及距离值（单支座为1）", L"2,1,3000");
    ASSERT_EQ(Read(lines), 1);
    EXPECT_EQ(m_design.GetElevationScale(), 25);
    EXPECT_EQ(m_design.GetSectionScale(), 20);
    EXPECT_EQ(m_design.GetSupportCount(), 2);
    ASSERT_EQ(m_design.GetSupportDistances().GetSize(), 1);
    EXPECT_EQ(m_design.GetSupportDistances()[0], 3000);
    // Without middle piers the middle-pier digit is cleared.
    const int codes[] = {9000, 1101, 1101, 9000};
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(m_design.GetExtendSteel().GetCodeAt(i), codes[i]);

    // No per-column line: one code 0 per bar column.
    lines.resize(DataIndex(lines, L"列数"));
    lines.push_back(L"0");
    ASSERT_EQ(Read(lines), 1);
    ASSERT_EQ(m_design.GetExtendSteel().GetCodeCount(), 4);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(m_design.GetExtendSteel().GetCodeAt(i), 0);
}

TEST_F(CBent_HlFileTest, OlderVersionsDeriveAbutmentAndSymmetry)
{
    const wchar_t* const ends = L"左侧宽度、右侧宽度、左端高度、右端高度、左侧角度、右侧角度";
    const wchar_t* const form = L"盖梁截面形式（0矩形、1Ｌ形），截面是否对称(本参数已经停用)";
    struct Case {
        const char* file;
        const wchar_t* ends;
        const wchar_t* form;
        int abutment;
        int flags[6];
        double topPlateRight;  // 70 in the file; 50 when the main face was made symmetric
    } cases[] = {
        {"v32", L"0,800,900,900,90,90", L"0,2", 1, {1, 1, 0, 1, 1, 1}, 50},
        {"v32", L"1200,800,900,900,90,90", L"0,2", 0, {1, 1, 0, 1, 1, 1}, 50},
        {"v33", L"800,800,900,900,90,90", L"0,1", 0, {1, 0, 0, 1, 0, 0}, 70},
        {"v33", L"800,800,900,900,90,90", L"0,0", 0, {0, 0, 0, 1, 0, 0}, 70},
        {"v40", L"0,800,900,900,90,90", L"0,0", 0, {1, 1, 1, 1, 1, 1}, 50},  // from its own lines
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.file) + " " + Utf8(c.ends) + " " + Utf8(c.form));
        Lines lines = LoadLines(kData / "old" / (std::string(c.file) + ".glt"));
        Replace(lines, ends, c.ends);
        Replace(lines, form, c.form);
        Replace(lines, kTopPlateComment, L"50,70");
        ASSERT_EQ(Read(lines), 1);
        EXPECT_EQ(m_geometry.nAbutmentCap, c.abutment);
        const CBent_PierInfo& d = m_design;
        int flags[6] = {d.GetGeneralSymmetric(),          d.GetColumnSpacingSymmetric(),
                        d.GetSectionStirrupsSymmetric(),  d.GetSkeletonArrangementSymmetric(),
                        d.GetBarSkeletonSymmetric(),      d.GetStrengtheningSymmetric()};
        for (int i = 0; i < 6; ++i)
            EXPECT_EQ(flags[i], c.flags[i]) << i;
        EXPECT_EQ(d.GetMainFace().GetLTLSteel().GetRightDistance(), c.topPlateRight);
    }
}

TEST_F(CBent_HlFileTest, OlderVersionsAddTheEndWidths)
{
    const wchar_t* const ends = L"左侧宽度、右侧宽度、左端高度、右端高度、左侧角度、右侧角度";
    const wchar_t* const supports = L"支座个数及距离值（单支座为1）";
    struct Case {
        const char* file;
        const wchar_t* ends;
        const wchar_t* supports;
        double expected[3];
    } cases[] = {
        {"v32", L"-500,0,900,900,90,90", L"0,3,1000,2000,1000", {1500, 2000, 1000}},
        {"v33", L"-500,0,900,900,90,90", L"0,3,1000,2000,1000", {2000, 2000, 1000}},
        {"v40", L"-500,0,900,900,90,90", L"0,3,1000,2000,1000", {1000, 2000, 1000}},
        {"v30", L"300,800,900,900,60,90", L"0,3,-100,2000,650", {-359.8076, 2000, 1450}},
        {"v10", L"300,-400,900,900,90,120", L"0,3,-100,2000,-50", {-400, 2000, -450}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.file) + " " + Utf8(c.supports));
        Lines lines = LoadLines(kData / "old" / (std::string(c.file) + ".glt"));
        Replace(lines, ends, c.ends);
        Replace(lines, supports, c.supports);
        ASSERT_EQ(Read(lines), 1);
        ASSERT_EQ(m_design.GetSupportDistances().GetSize(), 3);
        for (int i = 0; i < 3; ++i)
            EXPECT_NEAR(m_design.GetSupportDistances()[i], c.expected[i], 1e-4) << i;
    }
    // The geometry keeps the widths as written.
    EXPECT_EQ(m_geometry.dRightWidth, -400);
}

TEST_F(CBent_HlFileTest, OlderStirrupLineDerivesTheSkewSpacing)
{
    Lines lines = LoadLines(kData / "old" / "v41.glt");
    Replace(lines, L"箍筋间距及加密范围", L"150,100,0,10,20,30");
    ASSERT_EQ(Read(lines), 1);
    const CBent_MoreInfo& m = m_design.GetMoreInfo();
    const double values[] = {m.GetStirrupSpacing(), m.GetDenseStirrupSpacing(), m.GetSkewStirrupSpacing(),
                             static_cast<double>(m.GetDensifyInPierRanges()), m.GetDenseRangeEdgeOuter(),
                             m.GetDenseRangeEdgeInner(), m.GetDenseHalfRangeMiddle()};
    const double expected[] = {150, 100, 200, 0, 10, 20, 30};
    for (int i = 0; i < 7; ++i)
        EXPECT_EQ(values[i], expected[i]) << i;
}

TEST_F(CBent_HlFileTest, VersionTwoSendsOtherPositionsToTheEndFace)
{
    Lines lines = LoadLines(kData / "old" / "v20.glt");
    Replace(lines, L"第3立面钢筋－剖切位置（0为盖梁主体部分，1为联端槽口部分）", L"3");
    ASSERT_EQ(Read(lines), 1);
    EXPECT_EQ(m_design.GetEndFace().GetLUPSteels().GetSize(), 1);
    EXPECT_EQ(m_design.GetMainFace().GetLUPSteels().GetSize(), 0);
}

TEST_F(CBent_HlFileTest, VersionThreeOneMarksTopPlateColumnsAsSkeleton)
{
    Lines lines = LoadLines(kData / "old" / "v31.glt");
    Replace(lines, L"剖面钢筋最大列数NC(主面、端面)", L"6,0");
    Replace(lines, L"第1立面钢筋－钢筋布置列信息", L"1101");
    lines.resize(DataIndex(lines, L"列数"));
    lines.push_back(L"0");
    ASSERT_EQ(Read(lines), 1);
    const int codes[] = {9000, 9000, 0, 9000, 0, 0};
    ASSERT_EQ(m_design.GetExtendSteel().GetCodeCount(), 6);
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(m_design.GetExtendSteel().GetCodeAt(i), codes[i]) << i;
    // Before 3.2 the column text stays as written.
    EXPECT_EQ(m_design.GetMainFace().GetLTLSteel().GetColumnText(), L"1101");
}

// Equality reaches every level of the design.
TEST_F(CBent_HlFileTest, EqualityComparesNestedRecords)
{
    ASSERT_EQ(Read(kExamples / "sample.glt"), 1);
    const CBent_PierInfo read = m_design;
    std::vector<void (*)(CBent_PierInfo&)> changes = {
        [](CBent_PierInfo& d) { d.GetMainFace().GetSupports()[2].GetLPBSteels()[0].SetRadiusOrHeight(1); },
        [](CBent_PierInfo& d) { d.GetMainFace().GetLUTSteels()[0].SetRightAxisDistanceAt(1, 1); },
        [](CBent_PierInfo& d) { d.GetMainFace().GetStirrups()[4].SetEndColumn(8); },
        [](CBent_PierInfo& d) { d.GetMainFace().GetLBLSteel().SetColumnText(L"1"); },
        [](CBent_PierInfo& d) { d.GetMoreInfo().GetSideSpacings()[9] = 1; },
        [](CBent_PierInfo& d) { d.GetExtendSteel().SetFurtherValue4(0); },
        [](CBent_PierInfo& d) { d.GetFaceList().Add(CBent_FaceInfo()); },
        [](CBent_PierInfo& d) { d.GetEndFace().SetBarColumnCount(3); },
        [](CBent_PierInfo& d) { d.GetAddInfo().SetApplicableTo(L"?"); },
        [](CBent_PierInfo& d) {
            CHLGZ_HlBarStruct tendon;
            tendon.GetPoints().Add(CHLGZ_HlPointStruct());
            d.GetTendons().Add(tendon);
        },
    };
    EXPECT_TRUE(m_design == read);
    for (size_t i = 0; i < changes.size(); ++i) {
        CBent_PierInfo changed = read;
        changes[i](changed);
        EXPECT_FALSE(changed == read) << i;
    }
    CBent_BasicGeometry other = m_geometry;
    other.dLWidth = 1;
    EXPECT_FALSE(other == m_geometry);
}
