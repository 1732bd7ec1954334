// The end-to-end tests start the real LifengWorkshop.exe under Wine. A stand-in editor takes
// the place of the .txt handler for the whole run, so a test can see which file the program
// asked to open without leaving an editor behind.
#include <gtest/gtest.h>

#include "e2e/UiDriver.h"

namespace {

class StandInEditor : public ::testing::Environment {
public:
    void SetUp() override {
        ASSERT_TRUE(lifeng::e2e::RegisterOpenHandler(".txt", "LifengE2eText",
                                                     std::string("\"") + LIFENG_RECORDER + "\" \"%1\""));
    }
};

}  // namespace

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::AddGlobalTestEnvironment(new StandInEditor);
    return RUN_ALL_TESTS();
}
