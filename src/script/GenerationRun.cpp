#include "script/GenerationRun.h"

#include "app/Conversions.h"
#include "script/ScriptText.h"

namespace lifeng {

std::string ScriptFilePath(Platform& platform) { return JoinText({platform.RunDirectory(), "\\脚本生成.txt"}); }

FormState ReadFormState(Window& window) {
    FormState state;
    state.windowTitle = window.ReadTitle();
    state.bindingCountText = window.ReadText(Control::编辑框_绑定数量);
    for (size_t slot = 0; slot < state.slots.size(); ++slot) {
        state.slots[slot].indexText = window.ReadText(kIndexFields[slot]);
        state.slots[slot].valueType = window.ReadSelectedIndex(kValueTypeBoxes[slot]);
        state.slots[slot].colourText = window.ReadText(kColourFields[slot]);
    }
    state.customText = window.ReadText(Control::编辑框_自定义文本);
    state.customColourText = window.ReadText(Control::编辑框_自定义颜色);
    return state;
}

void GenerateAndOpenScript(App& app) {
    Window& window = app.window;
    // Every run ends with the new script or with an empty buffer, never with an older script.
    window.WriteText(Control::编辑框1, "");
    const FormState state = ReadFormState(window);
    const int count = SelectBindingCount(state);
    if (count == 0) return;
    if (!BindingIndexesFilled(state, count)) {
        app.platform.ShowMessage(EmptyIndexMessage);
        return;
    }
    for (const std::string& line : GenerateScript(state, count)) window.AppendText(Control::编辑框1, line);

    const std::string path = ScriptFilePath(app.platform);
    // Opening the file after a failed write would show the previous script as if it were the new one.
    if (!WriteScriptFile(app.platform, path, window.ReadText(Control::编辑框1))) {
        app.platform.ShowMessage(kScriptNotWrittenMessage);
        return;
    }
    OpenScriptFile(app.platform, path);
}

bool WriteScriptFile(Platform& platform, const std::string& path, std::string_view content) {
    return platform.WriteFile(path, content);
}

void OpenScriptFile(Platform& platform, const std::string& path) { platform.OpenWithDefaultProgram(path); }

}  // namespace lifeng
