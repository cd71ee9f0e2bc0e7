// The module as the host loads it: its commands while loaded, none after the unload.
#include "FrameworkFixture.h"

#include "aced.h"

namespace {

class Module : public FrameworkFixture { };

TEST_F(Module, RegistersBothCommandsAndRemovesThemOnUnload)
{
    const std::wstring file = CString(CORBEL_PLUGIN_FILE).GetString();
    ASSERT_TRUE(acrxLoadModule(file.c_str(), false));
    const AcEdCommand* bentcap = acedRegCmds->lookupGlobalCmd(L"BENTCAP");
    const AcEdCommand* noUi = acedRegCmds->lookupGlobalCmd(L"BC_NOUI");
    ASSERT_NE(bentcap, nullptr);
    ASSERT_NE(noUi, nullptr);
    EXPECT_STREQ(bentcap->localName(), L"BC");
    EXPECT_STREQ(bentcap->groupName(), L"MavMav");
    EXPECT_EQ(bentcap->commandFlags(), 3);
    EXPECT_STREQ(noUi->localName(), L"BC_NOUI");
    EXPECT_STREQ(noUi->groupName(), L"CORBELDRAW");
    EXPECT_EQ(noUi->commandFlags(), 3);
    EXPECT_EQ(acedRegCmds->lookupTyped(L"BC"), bentcap);

    ASSERT_TRUE(acrxUnloadModule(file.c_str()));
    EXPECT_EQ(acedRegCmds->lookupGlobalCmd(L"BENTCAP"), nullptr);
    EXPECT_EQ(acedRegCmds->lookupGlobalCmd(L"BC_NOUI"), nullptr);
    EXPECT_EQ(acedRegCmds->lookupLocalCmd(L"BC"), nullptr);
    EXPECT_FALSE(acedRegCmds->hasGroup(L"MavMav"));
    EXPECT_FALSE(acedRegCmds->hasGroup(L"CORBELDRAW"));
}

} // namespace
