#pragma once
// Handlers at work over the window model, with real files in a fresh run directory.
#include <gtest/gtest.h>

#include "config/IniProfile.h"
#include "support/RecordingPlatform.h"
#include "support/TempDir.h"
#include "support/WindowModel.h"

namespace lifeng::test {

// The handlers' world over the model: the window, the system's services with a record of what
// they were asked, and the system's INI provider.
struct ModelApp {
    explicit ModelApp(std::string runDirectory) : platform(std::move(runDirectory)) { window.Connect(app); }
    RecordingPlatform platform;
    WindowModel window;
    App app{window, platform, SystemIniProfile()};
};

class HandlerTest : public ::testing::Test {
protected:

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
    ModelApp model{run.path()};
    RecordingPlatform& platform = model.platform;
    WindowModel& window = model.window;
    App& app = model.app;
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
