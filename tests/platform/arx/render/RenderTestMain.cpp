// The render tests need Qt's application object for fonts; it lives for the whole run.
#include "HeadlessGui.h"

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    const auto gui = HeadlessGui::start(argc, argv);
    return RUN_ALL_TESTS();
}
