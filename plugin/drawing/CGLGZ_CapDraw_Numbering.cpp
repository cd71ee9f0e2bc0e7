// Bar numbers of both drawings: every longitudinal bar record of the faces drawn gets its
// number, its column text fitted to its face and, in the normal-section drawing, its coded X
// values resolved; the faces' skeleton columns and stirrup ranges are checked on the way.
#include "CGLGZ_CapDraw.h"

#include "aced.h"
#include "BarColumnCodes.h"
#include "DrawingConstants.h"
#include "NumericHelpers.h"
#include "WinUser.h"

#include <cmath>

namespace {

constexpr int kFirstNumber = 10;
constexpr double kNoValue = 99999.0;
constexpr double kCodeBase = 80000.0;
template <class BAR>
void AppendList(std::vector<CHLGZ_BASSteel*>& bars, CArray<BAR, const BAR&>& list)
{
    for (INT_PTR i = 0; i < list.GetSize(); ++i)
        bars.push_back(&list[i]);
}

bool Usable(double value)
{
    return value < kNoValue;
}

// No X or Y is missing between the first and the last entry that give one; the first entry may
// give its Y alone and the last its X alone.
bool XValuesUsable(const CHLGZ_LUTSteel& bar)
{
    const AcGePoint2dArray& points = bar.GetPoints();
    int first = -1;
    int last = -1;
    for (int i = 0; i < points.length(); ++i) {
        if (Usable(points[i].x) || Usable(points[i].y)) {
            if (first < 0)
                first = i;
            last = i;
        }
    }
    for (int i = first; first >= 0 && i <= last; ++i) {
        if (!Usable(points[i].x) && i != first)
            return false;
        if (!Usable(points[i].y) && i != last)
            return false;
    }
    return true;
}

} // namespace

// The faces drawn: the main face, and the end face of an L-shaped section (end part -1).
int CGLGZ_CapDraw::NumberBarsAndCheck()
{
    CHLGZ_PierInfo& design = *m_pDesign;
    const CBent_BasicGeometry& g = *m_pGeometry;
    CHLGZ_FaceInfo& main = design.GetMainFace();
    CHLGZ_FaceInfo& end = design.GetEndFace();
    // 1. Anchorage limits of the coded X values, from the first and the last support.
    double leftLimit = 0.0;
    double rightLimit = 0.0;
    if (m_bResolveCodedX) {
        const AcGeDoubleArray& d = *m_pSupports;
        const double first = d.isEmpty() ? 0.0 : d[0];
        const double half = g.dWidth / 2.0 - design.GetSideCover();
        const double leftSlope = std::fabs(std::cos(g.dLeftAngle * kDegree) / std::sin(g.dLeftAngle * kDegree));
        const double rightSlope = std::fabs(std::cos(g.dRightAngle * kDegree) / std::sin(g.dRightAngle * kDegree));
        const double rightReach
            = d.length() == 1 ? g.dLength - g.dLeftWidth - first : (d.isEmpty() ? 0.0 : d.last()) + g.dRightWidth;
        leftLimit = RoundReal(g.dLeftWidth + first + leftSlope * half, 0) - design.GetEndCover();
        rightLimit = RoundReal(rightReach + rightSlope * half, 0) - design.GetEndCover();
    }
    // 2. The end part.
    m_nEndPart = g.nSectionForm != 0 ? -1 : 0;
    // 3. The main face needs two skeleton columns.
    if (main.GetBarColumnCount() <= 1) {
        MessageBox(adsw_acadMainWnd(), L"盖梁主部骨架列数错误，请在剖面页上修改骨架列数！", L"列数错误",
            MB_OK | MB_ICONINFORMATION);
        return 0;
    }
    // 4. So does the end face of an end part; without one it has no columns.
    if (!m_nEndPart) {
        end.SetBarColumnCount(0);
    } else if (end.GetBarColumnCount() < 2) {
        MessageBox(adsw_acadMainWnd(), L"端盖梁端部骨架列数错误，请在剖面页上修改骨架列数！", L"列数错误",
            MB_OK | MB_ICONINFORMATION);
        return 0;
    }
    CHLGZ_FaceInfo* faces[2] = { &main, &end };
    const int faceCount = m_nEndPart ? 2 : 1;
    // 5. Numbers from 10 over the faces; column texts fitted; a coded X counted from its limit.
    int number = kFirstNumber;
    for (int f = 0; f < faceCount; ++f) {
        CHLGZ_FaceInfo& face = *faces[f];
        if (m_bResolveCodedX) {
            CArray<CHLGZ_LUTSteel, const CHLGZ_LUTSteel&>& upper = face.GetLUTSteels();
            for (INT_PTR i = 0; i < upper.GetSize(); ++i) {
                CHLGZ_LUTSteel& bar = upper[i];
                if (bar.GetPoints().isEmpty())
                    continue;
                // A coded value lies k inside the limit of its own end: the left distance at
                // the first support, the right distance at the last.
                if (IsBarCodeInRange(bar.GetPointX(0)))
                    bar.SetPointX(0, leftLimit - (bar.GetPointX(0) - kCodeBase));
                if (IsBarCodeInRange(bar.GetPointY(-1)))
                    bar.SetPointY(-1, rightLimit - (bar.GetPointY(-1) - kCodeBase));
            }
        }
        const int flag = m_nEndPart && f == 0 ? 1 : 0;
        for (CHLGZ_BASSteel* bar : BarsInNumberingOrder(face)) {
            bar->SetTag(number++);
            bar->SetColumnCount(face.GetBarColumnCount(), flag);
        }
    }
    // 6. A face without stirrups gets one over all its columns.
    for (int f = 0; f < faceCount; ++f) {
        if (!faces[f]->GetStirrups().IsEmpty())
            continue;
        CHLGZ_PAFSteel stirrup;
        stirrup.SetStartColumn(1);
        stirrup.SetEndColumn(faces[f]->GetBarColumnCount());
        faces[f]->GetStirrups().Add(stirrup);
    }
    // 7. No stirrup may reach past the skeleton columns.
    for (int f = 0; f < faceCount; ++f) {
        const CArray<CHLGZ_PAFSteel, const CHLGZ_PAFSteel&>& stirrups = faces[f]->GetStirrups();
        for (INT_PTR i = 0; i < stirrups.GetSize(); ++i) {
            if (stirrups[i].GetEndColumn() > faces[f]->GetBarColumnCount()) {
                MessageBox(adsw_acadMainWnd(), L"部分箍筋的箍筋范围超出骨架钢筋排数，平面图及断面图出现错误", L"无法继续",
                    MB_YESNO | MB_ICONINFORMATION);
                return 0;
            }
        }
    }
    // 8. Every X value of the main face's upper bent-up bars can be drawn.
    if (m_bResolveCodedX) {
        const CArray<CHLGZ_LUTSteel, const CHLGZ_LUTSteel&>& upper = main.GetLUTSteels();
        for (INT_PTR i = 0; i < upper.GetSize(); ++i) {
            if (!XValuesUsable(upper[i])) {
                MessageBox(adsw_acadMainWnd(), L"部分整体立面上弯起钢筋X值使用错误，请检查！", L"上弯起筋错误",
                    MB_OK | MB_ICONINFORMATION);
                return 0;
            }
        }
    }
    // 9. Ready to draw.
    return 1;
}

CHLGZ_BASSteel* CGLGZ_CapDraw::FindBarByNumber(int number)
{
    CHLGZ_FaceInfo* faces[2] = { &m_pDesign->GetMainFace(), &m_pDesign->GetEndFace() };
    // The end face's records carry numbers only where the numbering reached them.
    const int faceCount = m_nEndPart ? 2 : 1;
    for (int f = 0; f < faceCount; ++f)
        for (CHLGZ_BASSteel* bar : BarsInNumberingOrder(*faces[f]))
            if (bar->GetTag() == number)
                return bar;
    return nullptr;
}

std::vector<CHLGZ_BASSteel*> CGLGZ_CapDraw::BarsInNumberingOrder(CHLGZ_FaceInfo& face)
{
    std::vector<CHLGZ_BASSteel*> bars { &face.GetLTLSteel(), &face.GetLBLSteel() };
    AppendList(bars, face.GetLUTSteels());
    AppendList(bars, face.GetLUBSteels());
    AppendList(bars, face.GetLUMSteels());
    AppendList(bars, face.GetLUPSteels());
    CArray<CHLGZ_PoleInfo, const CHLGZ_PoleInfo&>& supports = face.GetSupports();
    for (INT_PTR s = 0; s < supports.GetSize(); ++s) {
        AppendList(bars, supports[s].GetLPBSteels());
        AppendList(bars, supports[s].GetLPMSteels());
        AppendList(bars, supports[s].GetLPPSteels());
        AppendList(bars, supports[s].GetLPTSteels());
    }
    return bars;
}
