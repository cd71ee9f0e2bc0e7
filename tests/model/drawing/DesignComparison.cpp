// Field-by-field comparison of the drawing-side model with the design.
#include "DesignComparison.h"

#include "CBent_HlFile.h"

#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace {

template <class LIST, class ARRAY>
void ExpectSameNumbers(const LIST& design, const ARRAY& drawn)
{
    ASSERT_EQ(design.GetSize(), drawn.length());
    for (int i = 0; i < drawn.length(); ++i)
        EXPECT_EQ(design[i], drawn[i]) << "entry " << i;
}

void ExpectSameBal(const CBent_BALSteel& design, const CHLGZ_BALSteel& drawn)
{
    ExpectSameBar(design, drawn);
    EXPECT_EQ(design.GetLeftDistance(), drawn.GetLeftDistance());
    EXPECT_EQ(design.GetRightDistance(), drawn.GetRightDistance());
}

void ExpectSameRecord(const CBent_LTLSteel& d, const CHLGZ_LTLSteel& r) { ExpectSameBal(d, r); }
void ExpectSameRecord(const CBent_LUPSteel& d, const CHLGZ_LUPSteel& r) { ExpectSameBal(d, r); }
void ExpectSameRecord(const CBent_LUMSteel& d, const CHLGZ_LUMSteel& r) { ExpectSameBal(d, r); }
void ExpectSameRecord(const CBent_LPPSteel& d, const CHLGZ_LPPSteel& r) { ExpectSameBal(d, r); }
void ExpectSameRecord(const CBent_LPMSteel& d, const CHLGZ_LPMSteel& r) { ExpectSameBal(d, r); }

void ExpectSameRecord(const CBent_LUTSteel& d, const CHLGZ_LUTSteel& r)
{
    ExpectSameBar(d, r);
    EXPECT_EQ(d.GetBendSetting(), r.GetBendSetting());
    EXPECT_EQ(d.GetBendType(), r.GetBarBendType());
    ASSERT_EQ(d.GetColumnListSize(), r.GetPoints().length());
    for (int i = 0; i < d.GetColumnListSize(); ++i) {
        EXPECT_EQ(d.GetLeftAxisDistanceAt(i), r.GetPointX(i));
        EXPECT_EQ(d.GetRightAxisDistanceAt(i), r.GetPointY(i));
    }
}

void ExpectSameRecord(const CBent_LUBSteel& d, const CHLGZ_LUBSteel& r)
{
    ExpectSameBar(d, r);
    EXPECT_EQ(d.GetBendSetting(), r.GetBendSetting());
    EXPECT_EQ(d.GetBendDownParameter(), r.GetBendDownParameter());
    ASSERT_EQ(d.GetColumnListSize(), r.GetPoints().length());
    for (int i = 0; i < d.GetColumnListSize(); ++i) {
        EXPECT_EQ(d.GetLeftAxisDistanceAt(i), r.GetPointXAt(i));
        EXPECT_EQ(d.GetRightAxisDistanceAt(i), r.GetPointYAt(i));
        EXPECT_EQ(d.GetRadiusOrHeightAt(i), r.GetPointZAt(i));
    }
}

void ExpectSameRecord(const CBent_LPTSteel& d, const CHLGZ_LPTSteel& r)
{
    ExpectSameBar(d, r);
    EXPECT_EQ(d.GetBendSetting(), r.GetBendSetting());
    EXPECT_EQ(d.GetBendType(), r.GetBarBendType());
    EXPECT_EQ(d.GetLeftAxisDistance(), r.GetLeftAxisDistance());
    EXPECT_EQ(d.GetRightAxisDistance(), r.GetRightAxisDistance());
    EXPECT_EQ(d.GetConnectFlag(), r.GetConnectFlag());
}

void ExpectSameRecord(const CBent_LPBSteel& d, const CHLGZ_LPBSteel& r)
{
    ExpectSameBar(d, r);
    EXPECT_EQ(d.GetBendSetting(), r.GetBendSetting());
    EXPECT_EQ(d.GetBendDownParameter(), r.GetBendDownParameter());
    EXPECT_EQ(d.GetLeftAxisDistance(), r.GetLeftAxisDistance());
    EXPECT_EQ(d.GetRightAxisDistance(), r.GetRightAxisDistance());
    EXPECT_EQ(d.GetRadiusOrHeight(), r.GetRadiusOrHeight());
    EXPECT_EQ(d.GetFurtherValue(), r.GetExtraParameter());
}

void ExpectSameRecord(const CBent_PAFSteel& d, const CHLGZ_PAFSteel& r)
{
    ExpectSameBar(d, r);
    EXPECT_EQ(d.GetStartColumn(), r.GetStartColumn());
    EXPECT_EQ(d.GetEndColumn(), r.GetEndColumn());
}

void ExpectSameRecord(const CBent_PoleInfo& d, const CHLGZ_PoleInfo& r);

template <class DESIGN, class DRAWN>
void ExpectSameList(const CArray<DESIGN, const DESIGN&>& design, const CArray<DRAWN, const DRAWN&>& drawn)
{
    ASSERT_EQ(design.GetSize(), drawn.GetSize());
    for (INT_PTR i = 0; i < design.GetSize(); ++i) {
        SCOPED_TRACE(testing::Message() << "record " << i);
        ExpectSameRecord(design[i], drawn[i]);
        // Converted records carry no geometry yet.
        EXPECT_TRUE(drawn[i].GetFirstPoints().isEmpty());
    }
}

void ExpectSameRecord(const CBent_PoleInfo& d, const CHLGZ_PoleInfo& r)
{
    ExpectSameList(d.GetLPTSteels(), r.GetLPTSteels());
    ExpectSameList(d.GetLPBSteels(), r.GetLPBSteels());
    ExpectSameList(d.GetLPPSteels(), r.GetLPPSteels());
    ExpectSameList(d.GetLPMSteels(), r.GetLPMSteels());
}

// The support records are no bar records: compared without the geometry check.
void ExpectSameSupports(const CArray<CBent_PoleInfo, const CBent_PoleInfo&>& design,
                        const CArray<CHLGZ_PoleInfo, const CHLGZ_PoleInfo&>& drawn)
{
    ASSERT_EQ(design.GetSize(), drawn.GetSize());
    for (INT_PTR i = 0; i < design.GetSize(); ++i) {
        SCOPED_TRACE(testing::Message() << "support " << i);
        ExpectSameRecord(design[i], drawn[i]);
    }
}

// Accessors of the further parameters and strengthening settings keep the design's names.
#define EXPECT_SAME(getter) EXPECT_EQ(design.getter(), drawn.getter()) << #getter

void ExpectSameMoreInfo(const CBent_MoreInfo& design, const CHLGZ_MoreInfo& drawn)
{
    EXPECT_SAME(GetSeismicStirrups);
    EXPECT_SAME(GetStirrupSpacing);
    EXPECT_SAME(GetDenseStirrupSpacing);
    EXPECT_SAME(GetSkewStirrupSpacing);
    EXPECT_SAME(GetDensifyInPierRanges);
    EXPECT_SAME(GetDenseRangeEdgeOuter);
    EXPECT_SAME(GetDenseRangeEdgeInner);
    EXPECT_SAME(GetDenseHalfRangeMiddle);
    EXPECT_SAME(GetCapType);
    EXPECT_SAME(GetWeldType);
    EXPECT_SAME(GetWeldWidth);
    EXPECT_SAME(GetBendAngle);
    EXPECT_SAME(GetBendRadius);
    EXPECT_SAME(GetFurtherBarType1);
    EXPECT_SAME(GetAnchorBarType);
    EXPECT_SAME(GetSkeletonBarType);
    EXPECT_SAME(GetStirrupBarType);
    EXPECT_SAME(GetSideBarType);
    EXPECT_SAME(GetFurtherBarType2);
    EXPECT_SAME(GetFurtherDiameter1);
    EXPECT_SAME(GetAnchorDiameter);
    EXPECT_SAME(GetSkeletonDiameter);
    EXPECT_SAME(GetStirrupDiameter);
    EXPECT_SAME(GetSideDiameter);
    EXPECT_SAME(GetFurtherDiameter2);
    EXPECT_SAME(GetFurtherSetting1);
    EXPECT_SAME(GetSideBarSpacing);
    EXPECT_SAME(GetFurtherSetting2);
    EXPECT_SAME(GetFurtherSetting3);
    EXPECT_SAME(GetFurtherSetting4);
    EXPECT_SAME(GetAnchorBarSpacing);
    EXPECT_SAME(GetFurtherSetting5);
    EXPECT_SAME(GetFurtherSetting6);
    EXPECT_SAME(GetFurtherSetting7);
    EXPECT_SAME(GetBendDownMode);
    EXPECT_SAME(GetOuterUpperFixed);
    ExpectSameNumbers(design.GetSkeletonSpacings(), drawn.GetSkeletonSpacings());
    ExpectSameNumbers(design.GetSideSpacings(), drawn.GetSideSpacings());
}

void ExpectSameExtendSteel(const CBent_ExtendSteel& design, const CHLGZ_ExtendSteel& drawn)
{
    ExpectSameNumbers(design.GetCodes(), drawn.GetCodes());
    EXPECT_SAME(GetTopBarType);
    EXPECT_SAME(GetTopDiameter);
    EXPECT_SAME(GetBottomBarType);
    EXPECT_SAME(GetBottomDiameter);
    EXPECT_SAME(GetEdgeOuterForm);
    EXPECT_SAME(GetEdgeInnerForm);
    EXPECT_SAME(GetMiddlePierForm);
    EXPECT_SAME(GetMidSpanForm);
    EXPECT_SAME(GetEdgeOuterDistance);
    EXPECT_SAME(GetEdgeInnerDistance);
    EXPECT_SAME(GetMiddlePierDistance);
    EXPECT_SAME(GetMidSpanDistance);
    EXPECT_SAME(GetMultiLayerDecrement);
    EXPECT_SAME(GetFurtherValue1);
    EXPECT_SAME(GetFurtherValue2);
    EXPECT_SAME(GetFurtherValue3);
    EXPECT_SAME(GetFurtherValue4);
}

} // namespace

const fs::path& ExamplesFolder()
{
    static const fs::path folder =
        (fs::path(CORBEL_TEST_DATA) / ".." / ".." / ".." / ".." / "examples").lexically_normal();
    return folder;
}

CBent_PierInfo ReadExample(const fs::path& file)
{
    CBent_PierInfo design;
    CBent_BasicGeometry geometry;
    CBent_HlFile reader;
    reader.SetPath(file.wstring().c_str());
    reader.SetPierInfo(&design);
    reader.SetBasicGeometry(&geometry);
    EXPECT_EQ(reader.Read(), 1) << file;
    return design;
}

void ExpectSameBar(const CBent_BASSteel& design, const CHLGZ_BASSteel& drawn)
{
    EXPECT_SAME(GetKind);
    EXPECT_SAME(GetBarType);
    EXPECT_SAME(GetDiameter);
    EXPECT_SAME(GetColumnText);
}

void ExpectSameFace(const CBent_FaceInfo& design, const CHLGZ_FaceInfo& drawn)
{
    EXPECT_SAME(GetBarColumnCount);
    ExpectSameRecord(design.GetLTLSteel(), drawn.GetLTLSteel());
    ExpectSameBar(design.GetLBLSteel(), drawn.GetLBLSteel());
    ExpectSameList(design.GetLUTSteels(), drawn.GetLUTSteels());
    ExpectSameList(design.GetLUBSteels(), drawn.GetLUBSteels());
    ExpectSameList(design.GetLUPSteels(), drawn.GetLUPSteels());
    ExpectSameList(design.GetLUMSteels(), drawn.GetLUMSteels());
    ExpectSameSupports(design.GetSupports(), drawn.GetSupports());
    ExpectSameList(design.GetStirrups(), drawn.GetStirrups());
}

void ExpectSameDesign(const CBent_PierInfo& design, const CHLGZ_PierInfo& drawn)
{
    EXPECT_SAME(GetElevationScale);
    EXPECT_SAME(GetSectionScale);
    EXPECT_SAME(GetForceWholeDrawing);
    EXPECT_SAME(GetDrawTestDrawing);
    EXPECT_SAME(GetGeneralSymmetric);
    EXPECT_SAME(GetColumnSpacingSymmetric);
    EXPECT_SAME(GetSectionStirrupsSymmetric);
    EXPECT_SAME(GetSkeletonArrangementSymmetric);
    EXPECT_SAME(GetBarSkeletonSymmetric);
    EXPECT_SAME(GetStrengtheningSymmetric);
    EXPECT_SAME(GetTopCover);
    EXPECT_SAME(GetBottomCover);
    EXPECT_SAME(GetSideCover);
    EXPECT_SAME(GetEndCover);
    EXPECT_SAME(GetAnchorSealingCover);
    EXPECT_SAME(GetFurtherCover);
    EXPECT_SAME(GetSupportCount);
    ExpectSameNumbers(design.GetSupportDistances(), drawn.GetSupportDistances());
    ExpectSameNumbers(design.GetSectionPositions(), drawn.GetSectionPositions());
    {
        SCOPED_TRACE("main face");
        ExpectSameFace(design.GetMainFace(), drawn.GetMainFace());
    }
    {
        SCOPED_TRACE("end face");
        ExpectSameFace(design.GetEndFace(), drawn.GetEndFace());
    }
    ASSERT_EQ(design.GetFaceList().GetSize(), drawn.GetFaceList().GetSize());
    for (INT_PTR i = 0; i < design.GetFaceList().GetSize(); ++i) {
        SCOPED_TRACE(testing::Message() << "further face " << i);
        ExpectSameFace(design.GetFaceList()[i], drawn.GetFaceList()[i]);
    }
    EXPECT_SAME(GetPlateBarsText);
    EXPECT_SAME(GetSkeletonTypeText);
    ExpectSameMoreInfo(design.GetMoreInfo(), drawn.GetMoreInfo());
    ASSERT_EQ(design.GetTendons().GetSize(), drawn.GetTendons().GetSize());
    for (INT_PTR i = 0; i < design.GetTendons().GetSize(); ++i)
        EXPECT_TRUE(design.GetTendons()[i] == drawn.GetTendons()[i]) << "tendon " << i;
    ExpectSameExtendSteel(design.GetExtendSteel(), drawn.GetExtendSteel());
    EXPECT_TRUE(design.GetAddInfo() == drawn.GetAddInfo());
}
