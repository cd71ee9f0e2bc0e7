// The lines of a version 4.3 design file after its version line.
#include "CDesignFileWriter.h"

#include "CodePage.h"
#include "DesignFileNumbers.h"
#include "DesignLimits.h"

#include <cmath>
#include <string>

namespace {

// Layout types of a bar block.
enum LayoutType { kTopPlate = 0, kBottomPlate = 1, kUpperBent = 2, kLowerBent = 3, kTopStraight = 4, kBottomStraight = 5 };

const wchar_t* const kTopDistances = L"第%d立面钢筋－其他参数（距顶板左侧距离、距顶板右侧距离）";
const wchar_t* const kBendType = L"第%d立面钢筋－弯起类型";
const wchar_t* const kLowerBentValues = L"第%d立面钢筋－其他参数（下弯参数、左轴距、右轴距、半径或高度）";

CString Int(int value)
{
    CString text;
    text.Format(L"%d", value);
    return text;
}

CString Numbered(const wchar_t* format, int number)
{
    CString text;
    text.Format(format, number);
    return text;
}

// Why a line that the reader takes whole would not read back as this text, or empty. The
// reader trims every line, skips empty ones and comments, and reads to the line end.
CString TextLineProblem(const CString& text, const CString& comment)
{
    const wchar_t* format = nullptr;
    std::string bytes;
    if (text.IsEmpty())
        format = L"“%s”为空，无法保存！";
    else if (text.Left(2) == L"//")
        format = L"“%s”以“//”开头，读取时会被当作注释，无法保存！";
    else if (text.FindOneOf(L"\r\n") >= 0)
        format = L"“%s”分成了多行，无法保存！";
    else if (!WideToAnsi(text.str(), bytes))
        format = L"“%s”中有GBK编码不能保存的字符，无法保存！";
    if (format == nullptr)
        return CString();
    CString message;
    message.Format(format, comment);
    return message;
}

// Bar blocks of a face: its two plate records, its four whole-elevation lists and the four
// lists of every support.
INT_PTR CountBarBlocks(const CBent_FaceInfo& face)
{
    INT_PTR count = 2 + face.GetLUTSteels().GetSize() + face.GetLUBSteels().GetSize() +
                    face.GetLUPSteels().GetSize() + face.GetLUMSteels().GetSize();
    for (INT_PTR s = 0; s < face.GetSupports().GetSize(); ++s) {
        const CBent_PoleInfo& support = face.GetSupports()[s];
        count += support.GetLPTSteels().GetSize() + support.GetLPBSteels().GetSize() +
                 support.GetLPPSteels().GetSize() + support.GetLPMSteels().GetSize();
    }
    return count;
}

} // namespace

CDesignFileWriter::CDesignFileWriter(CIbFileText& file, CBent_PierInfo& design, const CBent_BasicGeometry& geometry)
    : m_file(file), m_design(design), m_geometry(geometry), m_barNumber(0), m_written(1), m_invalidNumber(false)
{
}

int CDesignFileWriter::WriteDesign()
{
    WriteDrawingSettings();
    WriteAddInfo();
    WriteSymmetryAndGeometry();
    WriteCapSettings();
    WriteSupports();
    WriteColumns();
    WriteBendAndStirrupSpacing();
    WriteElevationBars();
    WriteSkeletonData();
    WriteStirrups();
    WriteSideBars();
    WriteSections();
    WritePrestress();
    WriteStrengthening();
    return m_written;
}

// Lines 1 and 2.
void CDesignFileWriter::WriteDrawingSettings()
{
    Record(L"立面图绘图比例，断面图绘图比例",
           Real(m_design.GetElevationScale()) + L"," + Real(m_design.GetSectionScale()));
    Record(L"强制绘制全图，绘制测试图",
           Int(m_design.GetForceWholeDrawing()) + L"," + Int(m_design.GetDrawTestDrawing()));
}

// Line 3. A blank text says as little as an empty one, and both are written "?", the
// record's own word for none; blanks around a text are trimmed on reading anyway.
void CDesignFileWriter::WriteAddInfo()
{
    CString text = m_design.GetAddInfo().GetApplicableTo();
    text.Trim();
    if (text.IsEmpty()) {
        text = L"?";
        m_design.GetAddInfo().SetApplicableTo(text);
    }
    TextRecord(L"附加信息-适用墩台", text);
}

// Lines 4 to 10.
void CDesignFileWriter::WriteSymmetryAndGeometry()
{
    const CBent_PierInfo& d = m_design;
    CString flags;
    flags.Format(L"%d,%d,%d,%d,%d,%d", d.GetGeneralSymmetric(), d.GetColumnSpacingSymmetric(),
                 d.GetSectionStirrupsSymmetric(), d.GetSkeletonArrangementSymmetric(), d.GetBarSkeletonSymmetric(),
                 d.GetStrengtheningSymmetric());
    Record(L"盖梁对称性（一般构造对称,墩柱间距对称,断面箍筋对称,骨架编排对称,钢筋骨架对称,加强钢筋对称）", flags);

    const CBent_BasicGeometry& g = m_geometry;
    Record(L"是否为桥台盖梁", Int(g.nAbutmentCap));
    Record(L"盖梁截面形式（0矩形、1Ｌ形），截面是否对称(本参数已经停用)",
           Int(g.nSectionForm) + L"," + Int(g.nSectionSymmetric));
    Comment(L"盖梁长度、盖梁宽度、中部高度、墩柱直径");
    Data(Real(g.dLength) + L"," + Real(g.dWidth) + L"," + Real(g.dMiddleHeight) + L"," + Real(g.dColumnDiameter));
    Comment(L"左侧宽度、右侧宽度、左端高度、右端高度、左侧角度、右侧角度");
    Data(Real(g.dLeftWidth) + L"," + Real(g.dRightWidth) + L"," + Real(g.dLeftEndHeight) + L"," +
         Real(g.dRightEndHeight) + L"," + Real(g.dLeftAngle) + L"," + Real(g.dRightAngle));
    Comment(L"L宽、L高");
    Data(Real(g.dLWidth) + L"," + Real(g.dLHeight));

    const CString stars(L'*', 87);
    Comment(stars);
    Comment(L"盖梁钢筋数据");
    Comment(stars);
}

// Lines 11 to 21.
void CDesignFileWriter::WriteCapSettings()
{
    const CBent_MoreInfo& m = m_design.GetMoreInfo();
    Record(L"骨架类型（骨架类型个数，0单骨架、>0多骨架）", Int(static_cast<int>(m_design.GetFaceList().GetSize())));
    CheckCount(m_design.GetFaceList().GetSize(), kMaxBarColumns);
    Record(L"下弯方式（0正截面下弯、1斜截面下弯）", Int(m.GetBendDownMode()));
    Record(L"端部是否固定（0不固定、1固定）", Int(m.GetOuterUpperFixed()));
    Record(L"盖梁类型（0普通钢筋砼盖梁、1预应力钢筋砼盖梁）", Int(m.GetCapType()));
    Comment(L"保护层数据（依次为顶板保护层、底板保护层、侧面保护层、端部保护层及封锚保护层）");
    Data(Real(m_design.GetTopCover()) + L"," + Real(m_design.GetBottomCover()) + L"," + Real(m_design.GetSideCover()) +
         L"," + Real(m_design.GetEndCover()) + L"," + Real(m_design.GetAnchorSealingCover()));
    Record(L"焊缝类型（0－双面焊、1－单面焊）", Int(m.GetWeldType()));
    Comment(L"焊缝宽度");
    Data(Real(m.GetWeldWidth()));
    Record(L"骨架钢筋基本参数（钢筋类型、钢筋直径）", Int(m.GetSkeletonBarType()) + L"," + Int(m.GetSkeletonDiameter()));
    Record(L"箍筋钢筋基本参数（钢筋类型、钢筋直径）", Int(m.GetStirrupBarType()) + L"," + Int(m.GetStirrupDiameter()));
    Record(L"侧面钢筋基本参数（钢筋类型、钢筋直径）", Int(m.GetSideBarType()) + L"," + Int(m.GetSideDiameter()));
    Record(L"封锚钢筋基本参数（钢筋类型、钢筋直径）", Int(m.GetAnchorBarType()) + L"," + Int(m.GetAnchorDiameter()));
}

// Line 22: the equal-middle-spacing flag, the number of supports and their spacings.
void CDesignFileWriter::WriteSupports()
{
    const CArray<double, const double&>& spacings = m_design.GetSupportDistances();
    CString data = Int(m_design.GetSupportCount()) + L"," + Int(static_cast<int>(spacings.GetSize()));
    Comment(L"支座个数及距离值（单支座为1）");
    for (INT_PTR i = 0; i < spacings.GetSize(); ++i)
        data += L"," + Real(spacings[i]);
    Data(data);
    CheckCount(spacings.GetSize(), kMaxSupportCount);
}

// Lines 23 and 24. The end face's column count is written as the design holds it: an L-shaped
// section is drawn only with its end-face columns.
void CDesignFileWriter::WriteColumns()
{
    Record(L"剖面钢筋最大列数NC(主面、端面)",
           Int(m_design.GetMainFace().GetBarColumnCount()) + L"," + Int(m_design.GetEndFace().GetBarColumnCount()));
    const CArray<double, const double&>& spacings = m_design.GetMoreInfo().GetSkeletonSpacings();
    Record(L"列间距个数", Int(static_cast<int>(spacings.GetSize())));
    CheckCount(spacings.GetSize(), kMaxBarColumns);
    if (spacings.GetSize() > 0) {
        Comment(L"列间距数值");
        Data(RealList(spacings));
    }
}

// Lines 25 to 27. The reader reads the bend radius as a whole number, so it is written as one.
void CDesignFileWriter::WriteBendAndStirrupSpacing()
{
    const CBent_MoreInfo& m = m_design.GetMoreInfo();
    Comment(L"立面上下弯起筋弯曲角度及弯曲半径");
    CString bend;
    bend.Format(L"%d,%.0f", m.GetBendAngle(), m.GetBendRadius());
    m_invalidNumber = m_invalidNumber || !std::isfinite(m.GetBendRadius());
    Data(bend);
    Record(L"箍筋是否抗震", Int(m.GetSeismicStirrups()));
    Comment(L"箍筋间距及加密范围");
    Data(Real(m.GetStirrupSpacing()) + L"," + Real(m.GetDenseStirrupSpacing()) + L"," + Real(m.GetSkewStirrupSpacing()) +
         L"," + Int(m.GetDensifyInPierRanges()) + L"," + Real(m.GetDenseRangeEdgeOuter()) + L"," +
         Real(m.GetDenseRangeEdgeInner()) + L"," + Real(m.GetDenseHalfRangeMiddle()));
}

// Lines 28 and 29: the bar blocks of the main face, then of each skeleton type's face. The end
// face's bars have no place in the file.
void CDesignFileWriter::WriteElevationBars()
{
    const CArray<CBent_FaceInfo, const CBent_FaceInfo&>& faces = m_design.GetFaceList();
    INT_PTR bars = CountBarBlocks(m_design.GetMainFace());
    for (INT_PTR i = 0; i < faces.GetSize(); ++i)
        bars += CountBarBlocks(faces[i]);
    const INT_PTR stirrups = m_design.GetMainFace().GetStirrups().GetSize() + m_design.GetEndFace().GetStirrups().GetSize();
    Record(L"立面钢筋数、剖面钢筋数", Int(static_cast<int>(bars)) + L"," + Int(static_cast<int>(stirrups)));
    Comment(L"立面钢筋数数据");
    WriteFaceBars(m_design.GetMainFace(), 0);
    for (INT_PTR i = 0; i < faces.GetSize(); ++i)
        WriteFaceBars(faces[i], static_cast<int>(i) + 1);
}

void CDesignFileWriter::WriteFaceBars(const CBent_FaceInfo& face, int position)
{
    // 1. The top-plate bars.
    const CBent_LTLSteel& top = face.GetLTLSteel();
    WriteBarHead(position, kTopPlate, 0);
    Record(BarText(kTopDistances), Real(top.GetLeftDistance()) + L"," + Real(top.GetRightDistance()));
    WriteBarColumns(top);
    // 2. The bottom-plate bars.
    WriteBarHead(position, kBottomPlate, 0);
    Comment(BarText(L"第%d立面钢筋－其他参数（底板筋没有）"));
    WriteBarColumns(face.GetLBLSteel());
    // 3. Top straight bars of the whole elevation.
    for (INT_PTR i = 0; i < face.GetLUPSteels().GetSize(); ++i) {
        const CBent_LUPSteel& bar = face.GetLUPSteels()[i];
        WriteBarHead(position, kTopStraight, 0);
        Record(BarText(kTopDistances), Real(bar.GetLeftDistance()) + L"," + Real(bar.GetRightDistance()));
        WriteBarColumns(bar);
    }
    // 4. Bottom straight bars of the whole elevation.
    for (INT_PTR i = 0; i < face.GetLUMSteels().GetSize(); ++i) {
        WriteBarHead(position, kBottomStraight, 0);
        Comment(BarText(L"第%d立面钢筋－其他参数（整体立面底板直筋没有）"));
        WriteBarColumns(face.GetLUMSteels()[i]);
    }
    // 5. Upper bent-up bars of the whole elevation: a label token, then one pair per support.
    for (INT_PTR i = 0; i < face.GetLUTSteels().GetSize(); ++i) {
        const CBent_LUTSteel& bar = face.GetLUTSteels()[i];
        WriteBarHead(position, kUpperBent, 0);
        Record(BarText(kBendType), Int(bar.GetBendType()));
        CArray<double, const double&> lefts;
        CArray<double, const double&> rights;
        const int n = bar.GetColumnLists(lefts, rights);
        const CString label = BarText(L"第%d立面钢筋－其他参数（左轴距、右轴距）");
        CString data = label;
        for (int s = 0; s < n; ++s)
            data += L"," + Real(lefts[s]) + L"," + Real(rights[s]);
        Record(label, data);
        WriteBarColumns(bar);
    }
    // 6. Lower bent-up bars of the whole elevation: the bend-down parameter, then one triple per support.
    for (INT_PTR i = 0; i < face.GetLUBSteels().GetSize(); ++i) {
        const CBent_LUBSteel& bar = face.GetLUBSteels()[i];
        WriteBarHead(position, kLowerBent, 0);
        CArray<double, const double&> lefts;
        CArray<double, const double&> rights;
        CArray<double, const double&> heights;
        const int n = bar.GetColumnLists(lefts, rights, heights);
        CString data = Int(bar.GetBendDownParameter());
        for (int s = 0; s < n; ++s)
            data += L"," + Real(lefts[s]) + L"," + Real(rights[s]) + L"," + Real(heights[s]);
        Record(BarText(kLowerBentValues), data);
        WriteBarColumns(bar);
    }
    // 7. The bars of each support in support order.
    for (INT_PTR s = 0; s < face.GetSupports().GetSize(); ++s)
        WriteSupportBars(face.GetSupports()[s], position, static_cast<int>(s) + 1);
}

void CDesignFileWriter::WriteSupportBars(const CBent_PoleInfo& support, int position, int s)
{
    // a. Top straight bars.
    for (INT_PTR i = 0; i < support.GetLPPSteels().GetSize(); ++i) {
        const CBent_LPPSteel& bar = support.GetLPPSteels()[i];
        WriteBarHead(position, kTopStraight, s);
        Record(BarText(kTopDistances), Real(bar.GetLeftDistance()) + L"," + Real(bar.GetRightDistance()));
        WriteBarColumns(bar);
    }
    // b. Bottom straight bars.
    for (INT_PTR i = 0; i < support.GetLPMSteels().GetSize(); ++i) {
        const CBent_LPMSteel& bar = support.GetLPMSteels()[i];
        WriteBarHead(position, kBottomStraight, s);
        Record(BarText(L"第%d立面钢筋－其他参数（距底板左侧距离、距底板右侧距离）"),
               Real(bar.GetLeftDistance()) + L"," + Real(bar.GetRightDistance()));
        WriteBarColumns(bar);
    }
    // c. Upper bent-up bars.
    for (INT_PTR i = 0; i < support.GetLPTSteels().GetSize(); ++i) {
        const CBent_LPTSteel& bar = support.GetLPTSteels()[i];
        WriteBarHead(position, kUpperBent, s);
        Record(BarText(kBendType), Int(bar.GetBendType()));
        double left = 0.0;
        double right = 0.0;
        bar.GetAxisDistances(left, right);
        Record(BarText(L"第%d立面钢筋－其他参数（是否相连、左轴距、右轴距）"),
               Int(bar.GetConnectFlag()) + L"," + Real(left) + L"," + Real(right));
        WriteBarColumns(bar);
    }
    // d. Lower bent-up bars.
    for (INT_PTR i = 0; i < support.GetLPBSteels().GetSize(); ++i) {
        const CBent_LPBSteel& bar = support.GetLPBSteels()[i];
        WriteBarHead(position, kLowerBent, s);
        double left = 0.0;
        double right = 0.0;
        double height = 0.0;
        bar.GetDistancesAndRadius(left, right, height);
        Record(BarText(kLowerBentValues),
               Int(bar.GetBendDownParameter()) + L"," + Real(left) + L"," + Real(right) + L"," + Real(height));
        WriteBarColumns(bar);
    }
}

// The reader takes a bar at a support only when the design has that support.
void CDesignFileWriter::WriteBarHead(int position, int type, int support)
{
    ++m_barNumber;
    Record(BarText(L"第%d立面钢筋－剖切位置（0为盖梁主体部分，1为联端槽口部分）"), Int(position));
    Record(BarText(L"第%d立面钢筋－布置类型（0为顶板筋，1为底板筋，2为上弯起筋，3为下弯其筋，4为顶板直筋，5为底板直筋）"),
           Int(type));
    Record(BarText(L"第%d立面钢筋－支座编号（0为整体立面，1，2......表支座）"), Int(support));
    const INT_PTR supports = m_design.GetSupportDistances().GetSize();
    if (support > supports) {
        CString message;
        message.Format(L"第%d立面钢筋在第%d支座上，而盖梁只有%d个支座，无法保存！", m_barNumber, support,
                       static_cast<int>(supports));
        Refuse(message);
    }
}

// The reader fits every column text to its face's column count, cutting it or padding it with
// '1'. An empty text, which the reader would skip as no line at all, is written "1": it fits to
// the same columns, and a face without columns cuts it back to nothing.
void CDesignFileWriter::WriteBarColumns(const CBent_BASSteel& bar)
{
    CString text = bar.GetColumnText();
    text.Trim();
    if (text.IsEmpty())
        text = L"1";
    TextRecord(BarText(L"第%d立面钢筋－钢筋布置列信息"), text);
}

CString CDesignFileWriter::BarText(const wchar_t* format) const { return Numbered(format, m_barNumber); }

// Line 29, second half: only a design with skeleton types has skeleton data. The texts are
// written as the design holds them (the editor's skeleton types are letters).
void CDesignFileWriter::WriteSkeletonData()
{
    if (m_design.GetFaceList().GetSize() == 0)
        return;
    Comment(L"骨架布置数据");
    CString plateBars = m_design.GetPlateBarsText();
    TextRecord(L"是否需要顶底板筋(1表示要0表示不要)", plateBars.Trim());
    CString types = m_design.GetSkeletonTypeText();
    TextRecord(L"骨架类型(1表示A2表示B依次类推)", types.Trim());
}

// Line 30: the main face's stirrups at section position 0, then the end face's at 1. The
// skeleton types' faces have no stirrups in the file.
void CDesignFileWriter::WriteStirrups()
{
    Comment(L"箍筋数据");
    int number = 0;
    const CBent_FaceInfo* faces[] = {&m_design.GetMainFace(), &m_design.GetEndFace()};
    for (int position = 0; position < 2; ++position) {
        const CArray<CBent_PAFSteel, const CBent_PAFSteel&>& stirrups = faces[position]->GetStirrups();
        for (INT_PTR i = 0; i < stirrups.GetSize(); ++i) {
            CString data;
            data.Format(L"%d,%d,%d", position, stirrups[i].GetStartColumn(), stirrups[i].GetEndColumn());
            Record(Numbered(L"第%d箍筋数据（剖切位置、起始列、终止列）", ++number), data);
        }
    }
}

// Lines 31 and 32.
void CDesignFileWriter::WriteSideBars()
{
    const CBent_MoreInfo& m = m_design.GetMoreInfo();
    Comment(L"侧面钢筋间距（剖面盖梁侧面钢筋");
    Data(Real(m.GetSideBarSpacing()));
    const CArray<double, const double&>& spacings = m.GetSideSpacings();
    Record(L"侧面间距个数", Int(static_cast<int>(spacings.GetSize())));
    if (spacings.GetSize() > 0) {
        Comment(L"侧面间距数值");
        Data(RealList(spacings));
    }
}

// Line 33: the section codes, whole numbers in the real form.
void CDesignFileWriter::WriteSections()
{
    const CArray<int, const int&>& sections = m_design.GetSectionPositions();
    Comment(L"盖梁剖面数及剖面百分比位置");
    CString data = Int(static_cast<int>(sections.GetSize()));
    for (INT_PTR i = 0; i < sections.GetSize(); ++i)
        data += L"," + Real(sections[i]);
    Data(data);
    CheckCount(sections.GetSize(), kMaxSectionCount);
}

// Lines 34 and 35.
void CDesignFileWriter::WritePrestress()
{
    Comment(L"盖梁预应力部分数据");
    Comment(L"封锚钢筋间距");
    Data(Real(m_design.GetMoreInfo().GetAnchorBarSpacing()));
    const CArray<CHLGZ_HlBarStruct, const CHLGZ_HlBarStruct&>& tendons = m_design.GetTendons();
    Record(L"预应力筋个数", Int(static_cast<int>(tendons.GetSize())));
    for (INT_PTR k = 0; k < tendons.GetSize(); ++k)
        WriteTendon(tendons[k], static_cast<int>(k) + 1);
}

// The working length is a real to the reader and is written as one. The tendon line ends in an
// empty line, as version 4.3 files always have.
void CDesignFileWriter::WriteTendon(const CHLGZ_HlBarStruct& tendon, int k)
{
    const CArray<double, const double&>& values = tendon.GetSectionValues();
    const CArray<CHLGZ_HlPointStruct, const CHLGZ_HlPointStruct&>& points = tendon.GetPoints();
    CString data;
    data.Format(L"%d,%d,%d,%s,%d,%d\n", tendon.GetNumber(), tendon.GetBundleCount(), tendon.GetTensionMode(),
                Real(tendon.GetWorkingLength()), static_cast<int>(values.GetSize()), static_cast<int>(points.GetSize()));
    Record(Numbered(L"第%d个预应力筋整体信息(编号,编束根数,张拉方式,工作长度,束数,导线点数)", k), data);

    // A tendon keeps one to twenty section values; the reader refuses any other count.
    if (values.GetSize() < 1 || values.GetSize() > kMaxTendonSectionValues) {
        CString message;
        message.Format(L"第%d个预应力筋有%d个剖面数据，应为1到%d个，无法保存！", k, static_cast<int>(values.GetSize()),
                       kMaxTendonSectionValues);
        Refuse(message);
    }
    CString sections;
    for (INT_PTR i = 0; i < values.GetSize(); ++i)
        sections += (i > 0 ? L"," : L"") + RealDecimals(values[i], 7);
    Record(Numbered(L"第%d个预应力筋剖面信息", k), sections);

    Comment(Numbered(L"第%d个预应力筋导线点信息(支座,X,Y,R)", k));
    for (INT_PTR i = 0; i < points.GetSize(); ++i) {
        const CHLGZ_HlPointStruct& p = points[i];
        Data(Int(p.GetSupport()) + L"," + RealDecimals(p.GetX(), 7) + L"," + RealDecimals(p.GetY(), 7) + L"," +
             RealDecimals(p.GetR(), 7));
    }
}

// Lines 36 to 41.
void CDesignFileWriter::WriteStrengthening()
{
    const CBent_ExtendSteel& e = m_design.GetExtendSteel();
    Record(L"顶板直筋基本参数（钢筋类型、钢筋直径）", Int(e.GetTopBarType()) + L"," + Int(e.GetTopDiameter()));
    Record(L"底板直筋基本参数（钢筋类型、钢筋直径）", Int(e.GetBottomBarType()) + L"," + Int(e.GetBottomDiameter()));
    CString forms;
    forms.Format(L"%d,%d,%d,%d", e.GetEdgeOuterForm(), e.GetEdgeInnerForm(), e.GetMiddlePierForm(), e.GetMidSpanForm());
    Record(L"距离形式：边距外侧(顶板筋),边距内侧(顶板筋),中柱两侧(顶板筋),跨中两侧(底板筋)", forms);
    Comment(L"距离：边距外侧(顶板筋),边距内侧(顶板筋),中柱两侧(顶板筋),跨中两侧(底板筋)");
    Data(RealDecimals(e.GetEdgeOuterDistance(), 6) + L"," + RealDecimals(e.GetEdgeInnerDistance(), 6) + L"," +
         RealDecimals(e.GetMiddlePierDistance(), 6) + L"," + RealDecimals(e.GetMidSpanDistance(), 6));
    Comment(L"多层递减值");
    Data(Real(e.GetMultiLayerDecrement()));
    Record(L"列数", Int(e.GetCodeCount()));
    CheckCount(e.GetCodeCount(), kMaxBarColumns);
    for (int k = 1; k <= e.GetCodeCount(); ++k)
        Record(Numbered(L"第%d列", k), Int(e.GetCodeAt(k - 1)));
}

void CDesignFileWriter::Comment(const CString& text)
{
    if (!m_file.WriteLine(text))
        m_written = 0;
    m_lastComment = text;
}

// The reader refuses a line too long for its token buffer, and a number it cannot read.
void CDesignFileWriter::Data(const CString& text)
{
    if (m_invalidNumber) {
        Refuse(L"“" + m_lastComment + L"”中有无效的数值，无法保存！");
        m_invalidNumber = false;
    }
    if (text.GetLength() >= CIbFileText::kTokenBufferSize) {
        CString message;
        message.Format(L"“%s”的数据太长，无法保存！", m_lastComment);
        Refuse(message);
    }
    if (!m_file.WriteRecord(text))
        m_written = 0;
}

void CDesignFileWriter::Record(const CString& comment, const CString& data)
{
    Comment(comment);
    Data(data);
}

void CDesignFileWriter::TextRecord(const CString& comment, const CString& text)
{
    Comment(comment);
    const CString problem = TextLineProblem(text, comment);
    if (!problem.IsEmpty())
        Refuse(problem);
    if (!m_file.WriteRecord(text))
        m_written = 0;
}

CString CDesignFileWriter::Real(double value)
{
    CString text;
    if (!FormatFileReal(value, text))
        m_invalidNumber = true;
    return text;
}

CString CDesignFileWriter::RealDecimals(double value, int decimals)
{
    CString text;
    if (!FormatFileRealDecimals(value, decimals, text))
        m_invalidNumber = true;
    return text;
}

CString CDesignFileWriter::RealList(const CArray<double, const double&>& values)
{
    CString text;
    for (INT_PTR i = 0; i < values.GetSize(); ++i)
        text += (i > 0 ? L"," : L"") + Real(values[i]);
    return text;
}

void CDesignFileWriter::CheckCount(INT_PTR count, int limit)
{
    if (count <= limit)
        return;
    CString message;
    message.Format(L"“%s”的个数为%d，超过了设计文件能够读取的%d个，无法保存！", m_lastComment, static_cast<int>(count), limit);
    Refuse(message);
}

void CDesignFileWriter::Refuse(const CString& message)
{
    if (m_refusal.IsEmpty())
        m_refusal = message;
}
