// Which bars each vertical cut through the elevation meets, and at what height: the records
// that the column sections, the plan and the tables read, one list a cut, lowest bar first.
#include "AcDbLine.h"
#include "AcDbPolyline.h"
#include "AcDbServices.h"
#include "CGLGZ_CapDraw_BarShapeWork.h"

#include <algorithm>
#include <vector>

namespace {

// A hit on the first or last segment of a bent bar is on one of its end legs, which do not
// belong to the layer of the cut; a bar of one or two segments has nothing but its ends.
bool CountsAtCut(AcDbPolyline* polyline, const AcGePoint3d& hit)
{
    const unsigned int vertices = polyline->numVerts();
    if (vertices <= 3)
        return true;
    double param = 0.0;
    if (polyline->getParamAtPoint(hit, param) != Acad::eOk)
        return false;
    constexpr double kTolerance = 1e-9;
    return param >= 1.0 - kTolerance && param <= static_cast<double>(vertices - 2) + kTolerance;
}

void SortByHeight(CHLGZ_PierSteelLayer& cut)
{
    std::vector<CHLGZ_SteelLayer> layers;
    for (INT_PTR i = 0; i < cut.aLayers.GetSize(); ++i)
        layers.push_back(cut.aLayers[i]);
    std::stable_sort(layers.begin(), layers.end(),
        [](const CHLGZ_SteelLayer& a, const CHLGZ_SteelLayer& b) { return a.dHeight < b.dHeight; });
    for (size_t i = 0; i < layers.size(); ++i)
        cut.aLayers.SetAt(static_cast<INT_PTR>(i), layers[i]);
}

} // namespace

int CGLGZ_CapDraw::CollectPartBarIds(AcDbObjectIdArray& ids, AcGeIntArray& numbers, int mainPart)
{
    if (m_pDesign == nullptr)
        return 0;
    CHLGZ_FaceInfo& face = mainPart ? m_pDesign->GetMainFace() : m_pDesign->GetEndFace();
    BarShapeWork::ForEachBar(face, [&](CHLGZ_BASSteel& bar) { bar.CollectEntityIds(ids, numbers, 1); });
    return ids.length();
}

int CGLGZ_CapDraw::BuildSectionBarLayers()
{
    const int n = m_pDesign == nullptr ? 0 : static_cast<int>(m_pDesign->GetMainFace().GetSupports().GetSize());
    // Without the end parts, end faces and one axis a support there is nowhere to cut.
    if (n < 1 || m_lines.GetSize() < 4 + n)
        return 0;
    // 1. The cuts: the middle of the cap, the support axes, the middles of the spans.
    std::vector<double> xs;
    xs.push_back((m_lines[0].end.x + m_lines[1].end.x) / 2.0);
    for (int j = 0; j < n; ++j)
        xs.push_back(m_lines[4 + j].end.x);
    for (int j = 1; j < n; ++j)
        xs.push_back((m_lines[3 + j].end.x + m_lines[4 + j].end.x) / 2.0);
    const INT_PTR first = m_steelLayers.GetSize();
    for (size_t i = 0; i < xs.size(); ++i)
        m_steelLayers.Add(CHLGZ_PierSteelLayer());
    // 2. The main part's bar polylines.
    AcDbObjectIdArray ids;
    AcGeIntArray numbers;
    CollectPartBarIds(ids, numbers, 1);
    // 3. The bars each cut meets, by the height of the hit above the underside.
    const double top = m_lines[2].start.y;
    const double bottom = m_lines[0].end.y;
    for (size_t i = 0; i < xs.size(); ++i) {
        CHLGZ_PierSteelLayer& cut = m_steelLayers[first + static_cast<INT_PTR>(i)];
        AcDbLine line(AcGePoint3d(xs[i], top, 0.0), AcGePoint3d(xs[i], bottom, 0.0));
        for (int b = 0; b < ids.length() && b < numbers.length(); ++b) {
            AcDbPolyline* polyline = nullptr;
            if (acdbOpenObject(polyline, ids[b], AcDb::kForRead) != Acad::eOk)
                continue;
            AcGePoint3dArray hits;
            if (polyline->intersectWith(&line, AcDb::kOnBothOperands, hits) == Acad::eOk && !hits.isEmpty()
                && CountsAtCut(polyline, hits[0])) {
                CHLGZ_SteelLayer layer;
                layer.nBar = numbers[b];
                layer.dHeight = (hits[0].y - bottom) * m_dScale;
                cut.aLayers.Add(layer);
            }
            polyline->close();
        }
        // 4. Lowest first.
        SortByHeight(cut);
    }
    return 1;
}
