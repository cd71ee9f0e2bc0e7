// Drawing-side faces: the drawing run makes the main face uniform with one column text.
#include "CHLGZ_FaceInfo.h"

#include <gtest/gtest.h>

TEST(CHLGZ_FaceInfo, SetColumnTextReachesEveryBarButTheStirrups)
{
    CHLGZ_FaceInfo face;
    face.GetLUTSteels().SetSize(1);
    face.GetLUBSteels().SetSize(1);
    face.GetLUPSteels().SetSize(2);
    face.GetLUMSteels().SetSize(1);
    face.GetSupports().SetSize(2);
    CHLGZ_PoleInfo& support = face.GetSupports()[1];
    support.GetLPTSteels().SetSize(1);
    support.GetLPBSteels().SetSize(1);
    support.GetLPPSteels().SetSize(1);
    support.GetLPMSteels().SetSize(1);
    face.GetStirrups().SetSize(1);

    const CString text = L"10011";
    face.SetColumnText(text);
    const CHLGZ_BASSteel* bars[] = {
        &face.GetLTLSteel(),        &face.GetLBLSteel(),        &face.GetLUTSteels()[0],
        &face.GetLUBSteels()[0],    &face.GetLUPSteels()[1],    &face.GetLUMSteels()[0],
        &support.GetLPTSteels()[0], &support.GetLPBSteels()[0], &support.GetLPPSteels()[0],
        &support.GetLPMSteels()[0],
    };
    for (const CHLGZ_BASSteel* bar : bars)
        EXPECT_EQ(bar->GetColumnText(), text) << bar->GetKind();
    EXPECT_EQ(face.GetStirrups()[0].GetColumnText().GetLength(), 20);
}
