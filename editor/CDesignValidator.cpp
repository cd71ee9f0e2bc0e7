// The design rules on the basic data, the general construction, the supports, the covers and
// the bar settings.
#include "CDesignValidator.h"

#include <cmath>

namespace {

constexpr double kSumTolerance = 1e-6;

// Strictly between 0 and 180 degrees: an end angle that can be drawn.
bool IsDrawableAngle(double angle) { return angle > 0.0 && angle < 180.0; }

double Sum(const CArray<double, const double&>& values)
{
    double sum = 0.0;
    for (INT_PTR i = 0; i < values.GetSize(); ++i)
        sum += values[i];
    return sum;
}

} // namespace

void ValidateDesign(CStringArray& errors, CStringArray& warnings, const CBent_PierInfo& design,
                    const CBent_BasicGeometry& geometry, double unitFactor)
{
    CDesignValidator(errors, warnings, design, geometry, unitFactor).Run();
}

CDesignValidator::CDesignValidator(CStringArray& errors, CStringArray& warnings, const CBent_PierInfo& design,
                                   const CBent_BasicGeometry& geometry, double unitFactor)
    : m_errors(errors), m_warnings(warnings), m_design(design), m_geometry(geometry), m_factor(unitFactor),
      m_supportCount(static_cast<int>(design.GetSupportDistances().GetSize())),
      m_skeletonDiameter(design.GetMoreInfo().GetSkeletonDiameter())
{
}

void CDesignValidator::Run()
{
    m_errors.RemoveAll();
    m_warnings.RemoveAll();
    CheckWeldWidth();
    CheckSupportCount();
    CheckMainDimensions();
    CheckEndAngle(m_geometry.dLeftAngle, L"一般构造|盖梁斜交角左边角度值错误", L"一般构造|盖梁斜交角左角度值太大");
    CheckBendDownMode();
    CheckEndAngle(m_geometry.dRightAngle, L"一般构造|盖梁斜交角右边角度值错误", L"一般构造|盖梁斜交角右角度值太大");
    CheckPierCapEnds();
    CheckSupportLayout();
    CheckCovers();
    CheckSkeletonGrade();
    CheckSections();
    CheckStrengthening();
    CheckSideBars();
    CheckStirrupSettings();
    CheckSkeletonArrangement();
    CheckStirrupColumns();
    CheckEndPositionedBars();
    CheckConnectedBarsAtSupports();
}

// The weld against the skeleton bar it joins. Without a skeleton diameter there is no ratio to
// judge, so only a negative width is reported then.
void CDesignValidator::CheckWeldWidth()
{
    const double w = m_design.GetMoreInfo().GetWeldWidth() * m_factor;
    if (w < 0.0)
        Error(L"基本资料|焊缝宽度小于0");
    else if (w > 0.0 && m_skeletonDiameter > 0.0 && w / m_skeletonDiameter < 5.0)
        Warning(L"基本资料|焊缝宽度小于5倍骨架钢筋公称直径");
    else if (w > 0.0 && m_skeletonDiameter > 0.0 && w / m_skeletonDiameter > 20.0)
        Warning(L"基本资料|焊缝宽度大于20倍骨架钢筋公称直径");
}

void CDesignValidator::CheckSupportCount()
{
    if (m_supportCount < 1)
        Error(L"基本资料|支座个数为0");
    else if (m_supportCount == 1)
        Warning(L"基本资料|支座个数为1，盖梁可能需要添加预应力");
}

// Length, width, middle height and column diameter, in millimetres.
void CDesignValidator::CheckMainDimensions()
{
    const double length = m_geometry.dLength * m_factor;
    const double width = m_geometry.dWidth * m_factor;
    const double height = m_geometry.dMiddleHeight * m_factor;
    const double column = m_geometry.dColumnDiameter * m_factor;
    if (length == 0.0)
        Error(L"一般构造|盖梁斜长为0");
    else if (std::fabs(length) < 3000.0)
        Warning(L"一般构造|盖梁斜长值太小");

    if (width <= 0.0)
        Error(L"一般构造|盖梁宽度小于或等于0");
    else if (width < 1000.0)
        Warning(L"一般构造|盖梁宽度值太小");

    if (height <= 0.0)
        Error(L"一般构造|盖梁高度小于或等于0");
    else if (height < 200.0)
        Warning(L"一般构造|盖梁高度值太小");

    if (column <= 0.0)
        Error(L"一般构造|墩柱直径小于或等于0");
    else if (!(std::fabs(length) > column && column < width))
        Error(L"一般构造|墩柱直径大于或等于盖梁斜长（宽度）");
    else if (column < 600.0)
        Warning(L"一般构造|墩柱直径值太小");
}

void CDesignValidator::CheckEndAngle(double angle, const wchar_t* wrong, const wchar_t* tooLarge)
{
    if (!IsDrawableAngle(angle))
        Error(wrong);
    else if (angle < 45.0 || angle > 135.0)
        Warning(tooLarge);
}

// Bending down in skew sections suits a skewed cap, in normal sections a nearly square one.
void CDesignValidator::CheckBendDownMode()
{
    const double skew = std::fabs(m_geometry.dLeftAngle - 90.0);
    const int mode = m_design.GetMoreInfo().GetBendDownMode();
    if (skew > 15.0 && mode == 1)
        Warning(L"基本资料|大于15°不宜作斜截面下弯");
    else if (skew <= 15.0 && mode == 0)
        Warning(L"基本资料|小于15°不宜作正截面下弯");
}

// The lowered ends and the widenings of a pier cap; an abutment cap has neither.
void CDesignValidator::CheckPierCapEnds()
{
    if (m_geometry.nAbutmentCap != 0)
        return;
    CheckEndHeight(m_geometry.dLeftEndHeight * m_factor, L"一般构造|桥墩盖梁左端高度小于或等于0",
                   L"一般构造|桥墩盖梁左端高度大于或等于跨中高度", L"一般构造|桥墩盖梁左端高度值太小");
    CheckEndHeight(m_geometry.dRightEndHeight * m_factor, L"一般构造|桥墩盖梁右端高度小于或等于0",
                   L"一般构造|桥墩盖梁右端高度大于或等于跨中高度", L"一般构造|桥墩盖梁右端高度值太小");
    CheckWidening(m_geometry.dLeftWidth * m_factor, L"一般构造|桥墩盖梁左变宽值为0",
                  L"一般构造|桥墩盖梁左变宽值相对盖梁斜长值太大", L"一般构造|桥墩盖梁左变宽值太小");
    CheckWidening(m_geometry.dRightWidth * m_factor, L"一般构造|桥墩盖梁右变宽值为0",
                  L"一般构造|桥墩盖梁右变宽值相对盖梁斜长值太大", L"一般构造|桥墩盖梁右变宽值太小");
}

void CDesignValidator::CheckEndHeight(double height, const wchar_t* notPositive, const wchar_t* tooHigh,
                                      const wchar_t* tooSmall)
{
    if (height <= 0.0)
        Error(notPositive);
    else if (height >= m_geometry.dMiddleHeight * m_factor)
        Error(tooHigh);
    else if (height < 200.0)
        Warning(tooSmall);
}

void CDesignValidator::CheckWidening(double widening, const wchar_t* zero, const wchar_t* tooLarge,
                                     const wchar_t* tooSmall)
{
    if (widening == 0.0)
        Error(zero);
    else if (std::fabs(m_geometry.dLength * m_factor) * 0.5 <= std::fabs(widening))
        Error(tooLarge);
    else if (std::fabs(widening) < 100.0)
        Warning(tooSmall);
}

// The piers must stand beyond the widening and within the cap's length.
void CDesignValidator::CheckSupportLayout()
{
    if (m_supportCount == 0)
        return;
    const double firstSpacing = std::fabs(AlongSkew(m_design.GetSupportDistances()[0]));
    double length = m_geometry.dLength;
    if (length < 0.0 && IsDrawableAngle(m_geometry.dLeftAngle))
        length = std::fabs(length) / std::cos(m_geometry.dLeftAngle * 3.1415926 / 180.0 - 1.5707963);
    if (m_geometry.nAbutmentCap == 0 && std::fabs(AlongSkew(m_geometry.dLeftWidth)) > firstSpacing)
        Error(L"墩柱间距|墩柱设置在变宽段范围内");
    else if (SupportLayoutLength() > length)
        Error(L"墩柱间距|墩柱间距大于盖梁斜长");
}

// With equal middle spacings or symmetric spacings only the left half is entered; the layout
// is then twice that half.
double CDesignValidator::SupportLayoutLength() const
{
    const CArray<double, const double&>& spacings = m_design.GetSupportDistances();
    const int n = m_supportCount;
    auto spacing = [&](int i) { return std::fabs(AlongSkew(spacings[i])); };
    auto sumOfFirst = [&](int count) {
        double sum = 0.0;
        for (int i = 0; i < count; ++i)
            sum += spacing(i);
        return sum;
    };
    const bool doubled = n > 1;
    if (m_design.GetSupportCount() != 0)
        return doubled ? 2.0 * spacing(0) : spacing(0);
    if (m_design.GetColumnSpacingSymmetric() != 0 && n % 2 == 0) {
        double half = sumOfFirst(n / 2);
        if (n > 2)
            half += spacing(n / 2) * 0.5;
        return doubled ? 2.0 * half : half;
    }
    if (m_design.GetColumnSpacingSymmetric() != 0) {
        const double half = sumOfFirst((n + 1) / 2);
        return doubled ? 2.0 * half : half;
    }
    return sumOfFirst(n);
}

void CDesignValidator::CheckCovers()
{
    CheckCover(m_design.GetTopCover(), L"保护层|顶板保护层小于或等于0", L"保护层|顶板保护层净值小于或等于0");
    CheckCover(m_design.GetBottomCover(), L"保护层|底板保护层小于或等于0", L"保护层|底板保护层净值小于或等于0");
    CheckCover(m_design.GetEndCover(), L"保护层|剖面保护层小于或等于0", L"保护层|剖面保护层净值小于或等于0");
    CheckCover(m_design.GetSideCover(), L"保护层|侧面保护层小于或等于0", L"保护层|侧面保护层净值小于或等于0");
}

// A cover is measured to the bar's axis; half the skeleton bar must fit inside it.
void CDesignValidator::CheckCover(double cover, const wchar_t* notPositive, const wchar_t* noClearance)
{
    const double mm = cover * m_factor;
    if (mm <= 0.0)
        Error(notPositive);
    else if (mm < m_skeletonDiameter * 0.5)
        Error(noClearance);
}

void CDesignValidator::CheckSkeletonGrade()
{
    if (m_design.GetMoreInfo().GetSkeletonBarType() == 0)
        Error(L"钢筋等级|骨架钢筋采用R235");
}

void CDesignValidator::CheckSections()
{
    const INT_PTR sections = m_design.GetSectionPositions().GetSize();
    if (sections == 0)
        Error(L"剖面位置|没有设置剖面");
    if (sections < m_supportCount)
        Warning(L"剖面位置|剖面设置个数太少");
}

// How far the strengthening bars reach, against half the middle height.
void CDesignValidator::CheckStrengthening()
{
    const CBent_ExtendSteel& steel = m_design.GetExtendSteel();
    const double halfHeight = m_geometry.dMiddleHeight * 0.5;
    const double inner = steel.GetEdgeInnerDistance();
    if (inner < 0.0)
        Error(L"加强钢筋|边柱内侧值小于0");
    else if (inner < halfHeight)
        Warning(L"加强钢筋|边柱内侧值小于梁高");

    const double outer = steel.GetEdgeOuterDistance();
    const int outerForm = steel.GetEdgeOuterForm();
    if (outer < 0.0)
        Error(L"加强钢筋|边柱外侧值小于0");
    else if (outer < halfHeight && (outerForm == 0 || outerForm == 2))
        Warning(L"加强钢筋|边柱外侧值小于梁高");

    const double middle = steel.GetMiddlePierDistance();
    if (m_supportCount > 2 && middle < 0.0)
        Error(L"加强钢筋|中柱两侧值小于0");
    else if (m_supportCount > 2 && middle > 0.0 && middle < halfHeight)
        Warning(L"加强钢筋|中柱两侧值小于梁高");

    if (m_supportCount > 1 && steel.GetMidSpanDistance() < 0.0)
        Warning(L"加强钢筋|跨中两侧值小于0");

    const double decrement = steel.GetMultiLayerDecrement();
    if (decrement < 0.0)
        Error(L"加强钢筋|加强钢筋多层递减值小于0");
    else if (decrement == 0.0)
        Warning(L"加强钢筋|加强钢筋多层递减值为0");
}

// Listed side spacings fill the height between the plate covers.
void CDesignValidator::CheckSideBars()
{
    const CBent_MoreInfo& more = m_design.GetMoreInfo();
    const CArray<double, const double&>& spacings = more.GetSideSpacings();
    if (!spacings.IsEmpty()) {
        const double filled = Sum(spacings) + m_design.GetTopCover() + m_design.GetBottomCover();
        if (std::fabs(filled - m_geometry.dMiddleHeight) >= kSumTolerance)
            Error(L"侧面钢筋|侧面钢筋间距和与梁高不匹配");
    } else if (more.GetSideBarSpacing() <= 0.0) {
        Error(L"侧面钢筋|侧面钢筋间距小于或等于0");
    }
}

// The densification values count only when the stirrups are densified at the piers.
void CDesignValidator::CheckStirrupSettings()
{
    const CBent_MoreInfo& more = m_design.GetMoreInfo();
    if (more.GetStirrupSpacing() <= 0.0)
        Error(L"断面箍筋|箍筋间距小于或等于0");
    if (more.GetDensifyInPierRanges() == 0)
        return;
    if (more.GetDenseStirrupSpacing() > more.GetStirrupSpacing())
        Error(L"断面箍筋|加密间距大于普通间距");
    CheckDenseRange(more.GetDenseRangeEdgeInner(), L"断面箍筋|边柱内侧间距范围小于0");
    CheckDenseRange(more.GetDenseRangeEdgeOuter(), L"断面箍筋|边柱外侧间距范围小于0");
    CheckDenseRange(more.GetDenseHalfRangeMiddle(), L"断面箍筋|中柱两侧间距范围小于0");
}

// -1 is the form's "not set" and passes.
void CDesignValidator::CheckDenseRange(double range, const wchar_t* message)
{
    if (range < 0.0 && range != -1.0)
        Error(message);
}

// Listed column spacings fill the width between the side covers.
void CDesignValidator::CheckSkeletonArrangement()
{
    const CArray<double, const double&>& spacings = m_design.GetMoreInfo().GetSkeletonSpacings();
    if (spacings.IsEmpty())
        return;
    const double filled = Sum(spacings) + 2.0 * m_design.GetSideCover();
    if (std::fabs(filled - m_geometry.dWidth) >= kSumTolerance)
        Error(L"骨架编排|骨架编排间距和与梁宽不匹配");
}

double CDesignValidator::AlongSkew(double value) const
{
    const double angle = m_geometry.dLeftAngle;
    if (value < 0.0 && IsDrawableAngle(angle))
        return value / std::cos(angle * 3.1415926 / 180.0 - 1.5707963);
    return value;
}

void CDesignValidator::Error(const CString& message) { m_errors.Add(message); }

void CDesignValidator::Warning(const CString& message) { m_warnings.Add(message); }
