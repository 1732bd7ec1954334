#include "config/ServerDirectory.h"

#include "app/Conversions.h"
#include "config/AttributeNames.h"

namespace lifeng {
namespace {

std::string StoredServerDirectory(App& app, const std::string& settings) {
    return app.ini.GetString(settings, kSettingsSection, kServerDirectoryKey, kDefaultServerDirectory);
}

// The path box ends up showing what the settings file really holds, with the end of the path in view.
void ShowStoredDirectoryAndLoadNames(App& app, const std::string& settings) {
    app.window.WriteText(Control::编辑框_服务端路径, StoredServerDirectory(app, settings));
    app.window.CaretToEnd(Control::编辑框_服务端路径);
    LoadAttributeNames(app);
}

}  // namespace

std::string SettingsFile(Platform& platform) { return JoinText({platform.RunDirectory(), "\\Setup.ini"}); }

void LoadServerDirectory(App& app) {
    const std::string settings = SettingsFile(app.platform);
    if (!app.platform.EntryExists(settings)) {
        app.ini.PutString(settings, kSettingsSection, kServerDirectoryKey, kDefaultServerDirectory);
    }
    ShowStoredDirectoryAndLoadNames(app, settings);
}

void BrowseServerDirectory(App& app) {
    const std::string chosen = app.platform.ChooseFolder(kChooseServerInstruction);
    if (CompareText(chosen, "") == 0) return;
    // A drive root comes back as C:\, so this test, the stored directory and the names built from
    // it carry a doubled separator there; file access reads it as one.
    if (!app.platform.EntryExists(JoinText({chosen, "\\Mir200\\!Setup.txt"}))) {
        app.platform.ShowMessage(kNotAServerMessage);
        return;
    }
    app.window.WriteText(Control::编辑框_服务端路径, JoinText({chosen, "\\"}));
    const std::string settings = SettingsFile(app.platform);
    app.ini.PutString(settings, kSettingsSection, kServerDirectoryKey, app.window.ReadText(Control::编辑框_服务端路径));
    ShowStoredDirectoryAndLoadNames(app, settings);
}

}  // namespace lifeng
