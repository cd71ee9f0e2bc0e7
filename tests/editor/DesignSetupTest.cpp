#include "CBent_PierInfo.h"
#include "DesignFileTestSupport.h"

#include <gtest/gtest.h>

// The new-design reset: two supports of 1000 on every face, fifteen bar columns.
TEST(DesignSetupTest, NewDesignGetsSupportsAndColumns)
{
    CBent_PierInfo design;
    design.GetFaceList().Add(CBent_FaceInfo());
    EXPECT_EQ(design.InitSupports(2), 1);
    ASSERT_EQ(design.GetSupportDistances().GetSize(), 2);
    EXPECT_EQ(design.GetSupportDistances()[1], 1000);
    EXPECT_EQ(design.GetMainFace().GetSupports().GetSize(), 2);
    EXPECT_EQ(design.GetEndFace().GetSupports().GetSize(), 2);
    EXPECT_EQ(design.GetFaceList()[0].GetSupports().GetSize(), 2);

    EXPECT_EQ(design.SetBarColumnCount(15), 1);
    EXPECT_EQ(design.GetMainFace().GetBarColumnCount(), 15);
    EXPECT_EQ(design.GetPlateBarsText(), CString(L'1', 15));
    EXPECT_EQ(design.GetSkeletonTypeText(), CString(L'A', 15));
    EXPECT_EQ(design.GetExtendSteel().GetCodeCount(), 15);
}

TEST(DesignSetupTest, ColumnCountCutsAndPadsTextsAndCodes)
{
    CBent_PierInfo design;
    design.SetPlateBarsText(L"101010101010101");
    design.SetSkeletonTypeText(L"ABABABABABABABA");
    design.GetExtendSteel().SetCodeCount(15);
    design.GetExtendSteel().SetCodeAt(14, 9000);
    EXPECT_EQ(design.SetBarColumnCount(17), 1);
    EXPECT_EQ(design.GetPlateBarsText(), L"10101010101010111");
    EXPECT_EQ(design.GetSkeletonTypeText(), L"ABABABABABABABAAA");
    EXPECT_EQ(design.GetExtendSteel().GetCodeAt(16), 0);
    EXPECT_EQ(design.CountSkeletonColumns(), 1);
    EXPECT_EQ(design.SetBarColumnCount(3), 1);
    EXPECT_EQ(design.GetPlateBarsText(), L"101");
    EXPECT_EQ(design.GetSkeletonTypeText(), L"ABA");
    EXPECT_EQ(design.CountSkeletonColumns(), 0);
}

// Counts the faces cannot hold change nothing and say so.
TEST(DesignSetupTest, RefusedCountsChangeNothing)
{
    CBent_PierInfo design;
    design.InitSupports(2);
    design.SetBarColumnCount(15);
    const CBent_PierInfo before(design);
    EXPECT_EQ(design.InitSupports(8), 0);
    EXPECT_EQ(design.InitSupports(-1), 0);
    EXPECT_EQ(design.SetBarColumnCount(21), 0);
    EXPECT_EQ(design.SetBarColumnCount(-1), 0);
    EXPECT_TRUE(design == before);
}

// The save flow scales a copy; the design being edited keeps its values.
TEST(DesignSetupTest, CopyIsWholeAndApart)
{
    CBent_PierInfo design;
    CBent_BasicGeometry geometry;
    BuildFullDesign(design, geometry);
    CBent_PierInfo copy(design);
    EXPECT_TRUE(copy == design);
    copy.ScaleLengths(1000);
    copy.GetFaceList()[0].GetLUPSteels().RemoveAll();
    EXPECT_EQ(design.GetTopCover(), 50.25);
    EXPECT_EQ(design.GetFaceList()[0].GetLUPSteels().GetSize(), 1);
}
