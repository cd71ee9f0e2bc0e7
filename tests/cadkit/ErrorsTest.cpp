// The library's reporters: a tag line on the command line, a host status turned into such a
// line, and a text in a message box.
#include "CadkitFixture.h"

#include "MavUtils.h"

#include "WinUser.h"

using ErrorReporting = CadkitFixture;

TEST_F(ErrorReporting, TagLineIsALineBreakTheTagABlankAndTheWords)
{
    MavUtils::BDTAlert(L"openBlockDef");
    EXPECT_EQ(transcript(), L"\nopenBlockDef 出现异常!");
}

TEST_F(ErrorReporting, StatusReportNamesTheHostTextAndSuccessPrintsNothing)
{
    MavUtils::errorReport(Acad::eOk);
    EXPECT_EQ(transcript(), L"");
    MavUtils::errorReport(Acad::eKeyNotFound);
    EXPECT_EQ(transcript(), L"\nInternal ARX ERROR: eKeyNotFound 出现异常!");
}

TEST_F(ErrorReporting, AlertBoxShowsTheTextWithTheExclamationIcon)
{
    MavUtils::BDTAlertBox(L"无法绘制");
    ASSERT_EQ(mBoxes->Boxes().size(), 1u);
    EXPECT_EQ(mBoxes->Boxes()[0].text, L"无法绘制");
    EXPECT_EQ(mBoxes->Boxes()[0].type & MB_ICONEXCLAMATION, MB_ICONEXCLAMATION);
}
