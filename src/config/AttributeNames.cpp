#include "config/AttributeNames.h"

#include <string>

#include "app/Conversions.h"

namespace lifeng {

void LoadAttributeNames(App& app) {
    Window& window = app.window;
    window.ClearList(Control::超级列表框_属性);
    for (int n = 1; n <= kAttributeNameCount; ++n) {
        const std::string key = JoinText({"CustomItemValueNames", NumberToText(n - 1)});
        // The path box is read for every name: it is the one place the directory is kept.
        const std::string file = JoinText({window.ReadText(Control::编辑框_服务端路径), "Mir200\\!Setup.txt"});
        const std::string name = app.ini.GetString(file, "Setup", key, "");
        window.AddListRow(Control::超级列表框_属性, IntegerToText(n));
        window.SetListCell(Control::超级列表框_属性, n - 1, 1, name);
    }
    app.platform.HandlePendingEvents();
}

void ReloadAttributeNames(App& app) {
    LoadAttributeNames(app);
    app.platform.ShowMessage(kNamesReloadedMessage);
}

}  // namespace lifeng
