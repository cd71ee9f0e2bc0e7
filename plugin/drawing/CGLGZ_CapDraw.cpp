// Construction, the entry checks that both drawings make, the scale rule, the weld length and
// the preparation of the text settings.
#include "CGLGZ_CapDraw.h"

#include "AcDbDatabase.h"
#include "AcDbHostApplicationServices.h"
#include "AcDbDimStyleTable.h"
#include "AcDbDimStyleTableRecord.h"
#include "AcDbLayerTable.h"
#include "AcDbLayerTableRecord.h"
#include "CTov_FileLyr.h"
#include "CTov_FilePre.h"
#include "NumericHelpers.h"
#include "RebarRules.h"
#include "WinUser.h"
#include "aced.h"

#include <cmath>
#include <algorithm>
#include <iterator>
#include <numeric>
#include <set>
#include <vector>

CGLGZ_CapDraw::CGLGZ_CapDraw(const CapDrawDefaults& defaults)
    : m_bConvertMeasuredDistance(defaults.convertMeasuredDistance)
    , m_bResolveCodedX(defaults.resolveCodedX)
    , m_dWeldLength(defaults.weldLength)
    , m_nSupportCode(defaults.supportCode)
    , m_dSecondTextStep(defaults.secondTextStep)
{
}

void CGLGZ_CapDraw::PrepareDrawing()
{
    // 1. The layer settings: the run has made the layers, so the colours stay unused here.
    CTov_FileLyr layerFile;
    layerFile.SetPath(m_strLayerFile);
    layerFile.Read();
    // 2. The drawing parameters over their defaults.
    double params[CTov_DrawSettings::kParameterCount] = { 2.5, 5.0, 3.5, 3.0, 2.5, 0.85, 0.85 };
    CTov_DrawSettings settings;
    CTov_FilePre parameterFile;
    parameterFile.SetPath(m_strParameterFile);
    parameterFile.m_pSettings = &settings;
    if (parameterFile.Read() == 1)
        std::copy(std::begin(settings.m_params), std::end(settings.m_params), params);
    // 3. The text settings.
    m_dTitleHeight = params[1];
    m_dFixedHeight = 4.0;
    m_dLabelHeight = params[0];
    m_dNoteHeight = params[2];
    m_dParam4 = params[3];
    m_dParam5 = params[4];
    m_dWidthFactor = params[5];
    m_dParam7 = params[6];
    const double tableHeights[4] = { 3.5, 2.5, 3.0, 4.0 };
    std::copy(std::begin(tableHeights), std::end(tableHeights), m_dTableHeights);
    // 4. The prestressing layer is never plotted.
    if (!HidePrestressingLayer())
        return;
    // 5. - 7. The dimension arrow of both scales' dimension styles.
    GetDimArrowBlock();
    SetDimStyleArrows();
}

int CGLGZ_CapDraw::HidePrestressingLayer()
{
    AcDbLayerTable* table = nullptr;
    if (acdbHostApplicationServices()->workingDatabase()->getLayerTable(table, AcDb::kForRead) != Acad::eOk)
        return 0;
    AcDbLayerTableRecord* layer = nullptr;
    const int found = table->has(L"03-预筋") && table->getAt(L"03-预筋", layer, AcDb::kForWrite) == Acad::eOk;
    if (found) {
        layer->setIsPlottable(false);
        layer->close();
    }
    table->close();
    return found;
}

void CGLGZ_CapDraw::SetDimStyleArrows()
{
    AcDbDimStyleTable* table = nullptr;
    if (acdbHostApplicationServices()->workingDatabase()->getDimStyleTable(table, AcDb::kForRead) != Acad::eOk)
        return;
    for (double scale : { m_dScale, m_dSectionScale }) {
        const CString name = L"DIM" + FormatFixed(scale, -7);
        AcDbDimStyleTableRecord* style = nullptr;
        if (!table->has(name) || table->getAt(name, style, AcDb::kForWrite) != Acad::eOk)
            continue;
        // One arrow at both ends: the block named for both is the one shown.
        style->setDimsah(false);
        style->setDimblk(L"BRI-BZJT");
        style->setDimblk1(L"BRI-BZJT");
        style->setDimblk2(L"BRI-BZJT");
        style->close();
    }
    table->close();
}

void CGLGZ_CapDraw::SetScale(double userScale)
{
    // 1. A scale the user chose.
    if (userScale != 0.0) {
        m_dScale = userScale;
        return;
    }
    // 2. The length in steps of 285 mm; 3. the first standard scale above it.
    m_dScale = StandardScaleAbove(std::trunc(m_pGeometry->dLength / 285.0));
}

double CGLGZ_CapDraw::StandardScaleAbove(double n)
{
    static const double kScales[27] = { 0, 1, 5, 10, 15, 20, 25, 40, 50, 55, 60, 62.5, 65, 70, 75, 80, 100, 125, 150,
        200, 250, 300, 400, 500, 800, 1000, 2000 };
    for (int i = 1; i < 27; ++i)
        if (kScales[i] > n)
            return kScales[i];
    return kScales[26];
}

void CGLGZ_CapDraw::TakeSupportBlock()
{
    m_pSupports = &m_pDesign->GetSupportDistances();
    m_nSupportCode = m_pDesign->GetSupportCount();
}

void CGLGZ_CapDraw::FinishSheets(int drawAll)
{
    AddDetailItems();
    // Labels read apart within each view before the views find their places on the sheets.
    SpreadLabels();
    // The notes first: they keep their place by the title block, and the items of a complete
    // set find theirs around them; a sheet the items open gets its notes as it opens.
    DrawNotesFrom(0);
    if (drawAll && m_bSettleItems)
        SettleItems();
    DrawTitleBlocks();
    if (drawAll)
        MaskCollectedTexts();
}

int CGLGZ_CapDraw::DecideAbutment()
{
    const CBent_BasicGeometry& g = *m_pGeometry;
    if (g.dLeftWidth != 0.0 && g.dLeftEndHeight != 0.0)
        return 1;
    if (g.dRightWidth != 0.0 && g.dRightEndHeight != 0.0) {
        MessageBox(adsw_acadMainWnd(), L"盖梁左边与右边参数不统一，无法作是否为台帽判断，请检查后重试！", L"无法确认台帽",
            MB_OK | MB_ICONINFORMATION);
        return 0;
    }
    m_bAbutment = 1;
    return 1;
}

int CGLGZ_CapDraw::CheckSupports()
{
    if (m_pSupports != nullptr && !m_pSupports->isEmpty())
        return 1;
    MessageBox(adsw_acadMainWnd(), L"当前盖梁没有指定支座，无法输出盖梁图！", L"缺少支座", MB_OK | MB_ICONINFORMATION);
    return 0;
}

double CGLGZ_CapDraw::SkeletonBendAllowance() const
{
    const CHLGZ_MoreInfo& more = m_pDesign->GetMoreInfo();
    const double angle = more.GetBendAngle() * 3.1415926535 / 180.0;
    return std::trunc(GetBendAllowance(more.GetSkeletonDiameter(), more.GetSkeletonBarType(), angle));
}

double CGLGZ_CapDraw::WeldLengthFor(double outerDiameter) const
{
    if (m_dWeldLength > 1.0)
        return m_dWeldLength;
    return outerDiameter * (m_pDesign->GetMoreInfo().GetWeldType() != 0 ? 10.0 : 5.0);
}

void CGLGZ_CapDraw::AddDetailItems()
{
    // A detail hung under another or set beside it has its entities in that one's list too:
    // each entity belongs to the largest detail that holds it.
    std::vector<INT_PTR> order(static_cast<size_t>(m_steelCodes.GetSize()));
    std::iota(order.begin(), order.end(), INT_PTR(0));
    std::stable_sort(order.begin(), order.end(),
        [&](INT_PTR a, INT_PTR b) { return m_steelCodes[a].aEntityIds.length() > m_steelCodes[b].aEntityIds.length(); });
    std::set<AcDbObjectId> given;
    for (INT_PTR i : order) {
        AcDbObjectIdArray own;
        for (const AcDbObjectId& id : m_steelCodes[i].aEntityIds)
            if (given.insert(id).second)
                own.append(id);
        m_drawnItems.AddItem(L"大样" + m_steelCodes[i].FormatMark(), own);
    }
}
