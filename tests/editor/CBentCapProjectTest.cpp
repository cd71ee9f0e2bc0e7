// The project data: a new design in the current unit, and the unit factors.
#include "CBentCapProject.h"

#include <gtest/gtest.h>

// A new design in metres: the default spacings of 1000 mm become 1 m; an unknown unit code
// counts as millimetres.
TEST(CBentCapProjectTest, NewDesignIsMadeInTheCurrentUnit)
{
    CBentCapProject project;
    project.m_nUnit = 0;
    project.m_strPath = L"/tmp/x.glt";
    project.Reset();
    EXPECT_TRUE(project.m_strPath.IsEmpty());
    ASSERT_EQ(project.m_PierInfo.GetSupportDistances().GetSize(), 2);
    EXPECT_EQ(project.m_PierInfo.GetSupportDistances()[1], 1.0);
    EXPECT_EQ(project.m_BasicGeometry.dLeftAngle, 90.0);
    EXPECT_EQ(project.GetSaveFactor(), 1000.0);
    project.m_nUnit = 7;
    EXPECT_EQ(project.GetLoadFactor(), 1.0);
    EXPECT_EQ(project.GetSaveFactor(), 1.0);
}
