// Drawing-side strengthening settings: the columns the drawing has taken are cleared.
#include "CHLGZ_ExtendSteel.h"

#include <gtest/gtest.h>

#include <vector>

TEST(CHLGZ_ExtendSteel, ClearFlaggedEntriesFitsTheListToTheFlags)
{
    struct Case {
        std::vector<int> codes, flags, after;
    } cases[] = {
        {{9123, 1456}, {0, 1, 1}, {9123, 0, 0}},
        {{9123, 1456, 1111}, {1}, {0}},
        {{9123, 1456}, {0, 2}, {9123, 1456}},
        {{9123}, {}, {}},
    };
    for (const Case& c : cases) {
        CHLGZ_ExtendSteel steel;
        AcGeIntArray flags;
        for (int code : c.codes)
            steel.GetCodes().append(code);
        for (int flag : c.flags)
            flags.append(flag);
        steel.ClearFlaggedEntries(flags);
        EXPECT_EQ(std::vector<int>(steel.GetCodes().begin(), steel.GetCodes().end()), c.after);
    }
}
