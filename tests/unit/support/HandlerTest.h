#pragma once
// Handlers at work over the window model, with real files in a fresh run directory.
#include <gtest/gtest.h>

#include "config/IniProfile.h"
#include "support/RecordingPlatform.h"
#include "support/TempDir.h"
#include "support/WindowModel.h"

namespace lifeng::test {

class HandlerTest : public ::testing::Test {
protected:
    HandlerTest() { window.Connect(app); }

    // A server directory under the run directory, with the given Mir200\!Setup.txt; its path
    // ends with a separator, as the path box holds it.
    std::string MakeServer(std::string_view name, std::string_view setupText) {
        run.MakeDirectory(name);
        run.MakeDirectory(std::string(name) + "\\Mir200");
        run.Write(std::string(name) + "\\Mir200\\!Setup.txt", setupText);
        return run.File(name) + "\\";
    }

    // How many events of this kind have been raised for this control.
    int Raised(Control control, Event event) const {
        int count = 0;
        for (const auto& [c, e] : window.raised) count += (c == control && e == event);
        return count;
    }

    TempDir run;
    RecordingPlatform platform{run.path()};
    WindowModel window;
    App app{window, platform, SystemIniProfile()};
};

// A window that has started; what the start showed is forgotten.
class RunningWindowTest : public HandlerTest {
protected:
    RunningWindowTest() {
        window.Start();
        window.raised.clear();
        platform.messages.clear();
    }
};

}  // namespace lifeng::test
