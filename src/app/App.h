#pragma once
// Everything a handler reaches: the window, the system's services and the INI profiles.
#include "app/Platform.h"
#include "app/Window.h"
#include "config/IniProfile.h"

namespace lifeng {

struct App {
    Window& window;
    Platform& platform;
    IniProfile& ini;
};

}  // namespace lifeng
