#include "CorbeldrawCommand.h"

#include "BarColumnCodes.h"
#include "CBentCapDraw.h"
#include "CBent_HlFile.h"
#include "CGLGZ_BtDraw.h"
#include "CGLGZ_EtDraw.h"
#include "CTov_InitDraw.h"
#include "CorbeldrawModule.h"
#include "NumericHelpers.h"
#include "WinUser.h"
#include "aced.h"

#include <cmath>

namespace {

// A negative length is given along the skew: its projection, rounded to whole millimetres.
double ProjectAlongSkew(double value, double angle)
{
    return value < 0.0 ? RoundReal(-value / std::sin(angle), 0) : value;
}

// Builds the drawing object of the class, feeds it and lets it draw.
template <class Drawing>
std::vector<DrawnItems::Item> DrawWith(CHLGZ_PierInfo& model, CBent_BasicGeometry& geometry, const CTov_InitDraw& setup, double weldLength,
    int group, int drawAll)
{
    Drawing drawing;
    drawing.m_dWeldLength = weldLength;
    drawing.m_bGroup = group;
    drawing.m_ptBase = AcGePoint3d(0.0, 0.0, 0.0);
    drawing.m_pGeometry = &geometry;
    drawing.m_pDesign = &model;
    drawing.SetScale(setup.m_dElevationScale);
    drawing.m_dSectionScale = setup.m_dSectionScale;
    drawing.m_barStructs.RemoveAll();
    // The design's stored bar records travel with a prestressed cap only.
    if (model.GetMoreInfo().GetCapType() != 0)
        drawing.m_barStructs.Copy(model.GetTendons());
    drawing.Draw(drawAll);
    return drawing.m_drawnItems.Collect();
}

} // namespace

int CorbeldrawCommand::Run()
{
    // 1. The plug-in's resources for the length of the run.
    CorbeldrawResourceScope resources;
    // 2. The options dialog, not shown: the current design file and the stored options.
    CBentCapDraw options;
    // 3. The records.
    CHLGZ_PierInfo unusedModel;
    CBent_PierInfo design;
    CBent_BasicGeometry geometry = InitialGeometry();
    // 4. The design file; the reader has said why when it fails.
    HWND view = adsw_acadDocWnd();
    CBent_HlFile file(&view);
    file.SetPath(options.m_strCurrentFile);
    file.SetPierInfo(&design);
    file.SetBasicGeometry(&geometry);
    if (file.Read() == 0)
        return 0;
    // 7. The plan-only option, inverted.
    const int drawAll = options.m_bPlanOnly == 0 ? 1 : 0;
    return DrawDesign(design, geometry, drawAll, options.m_bGroup);
}

int CorbeldrawCommand::DrawDesign(CBent_PierInfo& design, CBent_BasicGeometry& geometry, int drawAll, int group)
{
    // 5. The check before drawing; a refused design is drawn as far as it goes.
    CString message;
    if (design.CheckBeforeDrawing(message, 1) == 0)
        MessageBox(adsw_acadDocWnd(), message, L"数据错误", MB_OK | MB_ICONINFORMATION);
    // 6. The drawing-side model.
    CHLGZ_PierInfo model;
    model = design;
    // 8. The weld length.
    const double weldLength = SettleWeldLength(model);
    // 9. The end angles.
    if (!CheckEndAngles(geometry))
        return 0;
    // 10. Lengths given along the skew; 11. the end parts.
    ProjectSkewLengths(model, geometry);
    TrimEndParts(model, geometry);
    // 12. The main dimensions.
    if (!CheckDimensions(geometry))
        return 0;
    // 13. The drawing set-up; a failed step has printed its line and the drawing goes on.
    CTov_InitDraw setup;
    setup.m_dElevationScale = model.GetElevationScale();
    setup.m_dSectionScale = model.GetSectionScale();
    setup.Run();
    // 14. The strengthening codes; 15. the column text.
    ClearStrengtheningDigits(model);
    SpreadColumnText(model);
    // 16. A design with further skeleton types is not drawn.
    if (model.GetFaceList().IsEmpty()) {
        if (model.GetMoreInfo().GetBendDownMode() != 0)
            m_drawnItems = DrawWith<CGLGZ_BtDraw>(model, geometry, setup, weldLength, group, drawAll);
        else
            m_drawnItems = DrawWith<CGLGZ_EtDraw>(model, geometry, setup, weldLength, group, drawAll);
    }
    // 17. The drawing classes draw with the wipeout frames off.
    acedCommand(RTSTR, L"wipeout", RTSTR, L"F", RTSTR, L"ON", 0);
    return 1;
}

CBent_BasicGeometry CorbeldrawCommand::InitialGeometry()
{
    CBent_BasicGeometry geometry;
    geometry.nAbutmentCap = 0;
    geometry.nSectionForm = 0;
    geometry.nSectionSymmetric = 1;
    geometry.dLeftAngle = 90.0;
    geometry.dRightAngle = 90.0;
    geometry.nFurtherFlag1 = 1;
    geometry.nFurtherFlag2 = 1;
    return geometry;
}

double CorbeldrawCommand::SettleWeldLength(const CHLGZ_PierInfo& model)
{
    const double width = model.GetMoreInfo().GetWeldWidth();
    if (width >= 100.0 && width <= 500.0) {
        acutPrintf(L"采用用户设置焊缝值%.0fmm!\n", width);
        return width;
    }
    if (width > 0.0) {
        acutPrintf(L"焊缝设置不合理,系统已经自动纠正!\n");
        return 0.0;
    }
    acutPrintf(L"焊缝设置为自动计算!\n");
    return 10.0 * model.GetMoreInfo().GetSkeletonDiameter();
}

int CorbeldrawCommand::CheckEndAngles(const CBent_BasicGeometry& geometry)
{
    if (geometry.dLeftAngle == 0.0 || geometry.dRightAngle == 0.0) {
        MessageBox(adsw_acadMainWnd(), L"当前盖梁左侧或右侧角度为0，无法绘制盖梁图！", L"角度错误", MB_OK | MB_ICONINFORMATION);
        return 0;
    }
    return 1;
}

void CorbeldrawCommand::ProjectSkewLengths(CHLGZ_PierInfo& model, CBent_BasicGeometry& geometry)
{
    if (!model.GetGeneralSymmetric())
        return;
    // The left angle projects every length, the right end's ones included.
    const double angle = geometry.dLeftAngle * 3.1415926535 / 180.0;
    AcGeDoubleArray& spacings = model.GetSupportDistances();
    if (geometry.dLength < 0.0) {
        geometry.dLength = ProjectAlongSkew(geometry.dLength, angle);
        // Three spacings of a symmetric column layout need an even length to split at the middle.
        if (model.GetColumnSpacingSymmetric() && spacings.length() == 3
            && std::fmod(std::trunc(geometry.dLength), 2.0) != 0.0)
            geometry.dLength -= 1.0;
    }
    geometry.dLeftWidth = ProjectAlongSkew(geometry.dLeftWidth, angle);
    geometry.dRightWidth = ProjectAlongSkew(geometry.dRightWidth, angle);
    for (int i = 0; i < spacings.length(); ++i)
        spacings[i] = ProjectAlongSkew(spacings[i], angle);
}

void CorbeldrawCommand::TrimEndParts(CHLGZ_PierInfo& model, CBent_BasicGeometry& geometry)
{
    if (geometry.nAbutmentCap) {
        geometry.dLeftWidth = 0.0;
        geometry.dRightWidth = 0.0;
        return;
    }
    AcGeDoubleArray& spacings = model.GetSupportDistances();
    if (spacings.isEmpty())
        return;
    spacings[0] -= geometry.dLeftWidth;
    if (spacings.length() > 1)
        spacings[spacings.length() - 1] -= geometry.dRightWidth;
}

int CorbeldrawCommand::CheckDimensions(const CBent_BasicGeometry& geometry)
{
    const wchar_t* fault = nullptr;
    if (geometry.dLength <= 0.0)
        fault = L"盖梁长度错误，无法绘制盖梁\n";
    else if (geometry.dWidth <= 0.0)
        fault = L"盖梁宽度错误，无法绘制盖梁\n";
    else if (geometry.dMiddleHeight <= 0.0)
        fault = L"中部高度错误，无法绘制盖梁\n";
    else if (geometry.dColumnDiameter <= 0.0)
        fault = L"墩柱直径错误，无法绘制盖梁\n";
    else if (!geometry.nAbutmentCap && geometry.dLeftEndHeight <= 0.0)
        fault = L"左端高度错误，无法绘制盖梁\n";
    if (fault == nullptr)
        return 1;
    acutPrintf(L"%s", fault);
    return 0;
}

// The digits are the ones this step has always cleared: the middle-column distance clears the
// mid-span digit, one place off the codes' own meaning, and the strengthening report reads them so.
void CorbeldrawCommand::ClearStrengtheningDigits(CHLGZ_PierInfo& model)
{
    CHLGZ_ExtendSteel& steel = model.GetExtendSteel();
    AcGeIntArray& codes = steel.GetCodes();
    const bool clearHundreds = steel.GetEdgeOuterDistance() <= 0.0;
    const bool clearTens = steel.GetEdgeInnerDistance() <= 0.0;
    const bool clearUnits = steel.GetMiddlePierDistance() <= 0.0;
    for (int i = codes.length() - 1; i >= 0; --i) {
        int& code = codes[i];
        if (clearHundreds)
            SetCodeDigit(code, 0, TRUE);
        if (clearTens)
            SetCodeDigit(code, 0, FALSE);
        if (clearUnits)
            SetCodeUnits(code, 0);
    }
}

void CorbeldrawCommand::SpreadColumnText(CHLGZ_PierInfo& model)
{
    CHLGZ_FaceInfo& face = model.GetMainFace();
    face.SetColumnText(face.GetLTLSteel().GetColumnText());
}
