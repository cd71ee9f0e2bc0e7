// The editor's change of length unit on the design records: every length of a design times one
// factor. Drawing scales, angles, flags, counts, grades, diameters, per-column codes and texts
// are no lengths and stay.
#include "CBent_PierInfo.h"
#include "LengthScaling.h"

#include <cmath>

namespace {

constexpr double kUnsetDistance = 99999.0;

bool IsUnset(double value) { return std::fabs(value - kUnsetDistance) < 1e-6; }

void ScaleList(CArray<double, const double&>& list, double factor)
{
    for (INT_PTR i = 0; i < list.GetSize(); ++i)
        list[i] = ScaleLength(list[i], factor);
}

template <class TYPE, class ARG_TYPE>
void ScaleRecords(CArray<TYPE, ARG_TYPE>& list, double factor)
{
    for (INT_PTR i = 0; i < list.GetSize(); ++i)
        list[i].ScaleLengths(factor);
}

} // namespace

void CBent_BASSteel::ScaleLengths(double) {}

void CBent_BALSteel::ScaleLengths(double factor)
{
    m_dLeftDistance = ScaleLength(m_dLeftDistance, factor);
    m_dRightDistance = ScaleLength(m_dRightDistance, factor);
}

// An unset side stays unset; a coded end-positioned length keeps its code.
void CBent_LUTSteel::ScaleLengths(double factor)
{
    CArray<double, const double&>* lists[] = {&m_aLeftAxisDistances, &m_aRightAxisDistances};
    for (CArray<double, const double&>* list : lists) {
        for (INT_PTR i = 0; i < list->GetSize(); ++i) {
            double& v = (*list)[i];
            if (IsUnset(v))
                continue;
            v = v >= 80000.0 ? ScaleCodedLength(v, factor) : ScaleLength(v, factor);
        }
    }
}

// As many supports as the first list holds; the lists are kept of one length.
void CBent_LUBSteel::ScaleLengths(double factor)
{
    for (int i = 0; i < GetColumnListSize(); ++i) {
        m_aLeftAxisDistances[i] = ScaleLength(m_aLeftAxisDistances[i], factor);
        m_aRightAxisDistances[i] = ScaleLength(m_aRightAxisDistances[i], factor);
        m_aRadiiOrHeights[i] = ScaleLength(m_aRadiiOrHeights[i], factor);
    }
}

void CBent_LPTSteel::ScaleLengths(double factor)
{
    if (!IsUnset(m_dLeftAxisDistance))
        m_dLeftAxisDistance = ScaleLength(m_dLeftAxisDistance, factor);
    if (!IsUnset(m_dRightAxisDistance))
        m_dRightAxisDistance = ScaleLength(m_dRightAxisDistance, factor);
}

void CBent_LPBSteel::ScaleLengths(double factor)
{
    m_dLeftAxisDistance = ScaleLength(m_dLeftAxisDistance, factor);
    m_dRightAxisDistance = ScaleLength(m_dRightAxisDistance, factor);
    m_dRadiusOrHeight = ScaleLength(m_dRadiusOrHeight, factor);
}

void CBent_PoleInfo::ScaleLengths(double factor)
{
    ScaleRecords(m_aLPTSteels, factor);
    ScaleRecords(m_aLPBSteels, factor);
    ScaleRecords(m_aLPPSteels, factor);
    ScaleRecords(m_aLPMSteels, factor);
}

void CBent_FaceInfo::ScaleLengths(double factor)
{
    m_LTLSteel.ScaleLengths(factor);
    ScaleRecords(m_aLUTSteels, factor);
    ScaleRecords(m_aLUBSteels, factor);
    ScaleRecords(m_aLUPSteels, factor);
    ScaleRecords(m_aLUMSteels, factor);
    ScaleRecords(m_aSupports, factor);
}

// The seven whole-number further settings stay in millimetres: an integer cannot hold a
// millimetre length in metres, and truncating it at every change of unit lost it for good.
// No form shows them and the design file does not carry them.
void CBent_MoreInfo::ScaleLengths(double factor)
{
    double* reals[] = {&m_dStirrupSpacing,     &m_dDenseStirrupSpacing, &m_dSkewStirrupSpacing,
                       &m_dDenseRangeEdgeOuter, &m_dDenseRangeEdgeInner, &m_dDenseHalfRangeMiddle,
                       &m_dWeldWidth,           &m_dBendRadius,          &m_dSideBarSpacing,
                       &m_dAnchorBarSpacing};
    for (double* value : reals)
        *value = ScaleLength(*value, factor);
    ScaleList(m_aSkeletonSpacings, factor);
    ScaleList(m_aSideSpacings, factor);
}

void CHLGZ_HlPointStruct::ScaleLengths(double factor)
{
    m_dX = ScaleLength(m_dX, factor);
    m_dY = ScaleLength(m_dY, factor);
    m_dR = ScaleLength(m_dR, factor);
}

void CHLGZ_HlBarStruct::ScaleLengths(double factor)
{
    m_dWorkingLength = ScaleLength(m_dWorkingLength, factor);
    ScaleList(m_aSectionValues, factor);
    ScaleRecords(m_aPoints, factor);
}

void CBent_ExtendSteel::ScaleLengths(double factor)
{
    double* reals[] = {&m_dEdgeOuterDistance, &m_dEdgeInnerDistance, &m_dMiddlePierDistance,
                       &m_dMidSpanDistance, &m_dMultiLayerDecrement};
    for (double* value : reals)
        *value = ScaleLength(*value, factor);
}

void CBent_PierInfo::ScaleLengths(double factor)
{
    double* covers[] = {&m_dTopCover, &m_dBottomCover, &m_dSideCover,
                        &m_dEndCover, &m_dAnchorSealingCover, &m_dFurtherCover};
    for (double* value : covers)
        *value = ScaleLength(*value, factor);
    ScaleList(m_aSupportDistances, factor);
    m_MainFace.ScaleLengths(factor);
    m_EndFace.ScaleLengths(factor);
    ScaleRecords(m_aFaceList, factor);
    m_MoreInfo.ScaleLengths(factor);
    ScaleRecords(m_aTendons, factor);
    m_ExtendSteel.ScaleLengths(factor);
}
