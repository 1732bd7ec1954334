#pragma once
// The window and its 51 controls, by the names the rest of the program uses for them.
#include <array>

namespace lifeng {

enum class Control {
    MainWindow,
    // Left panel: the server directory and the attribute names.
    外形框1, 标签1, 标签2, 编辑框_服务端路径, 按钮_浏览, 超级列表框_属性, 编辑框1,
    // Upper right panel: the generation parameters.
    外形框2, 标签3, 标签6, 标签4, 编辑框_绑定数量,
    编辑框_序号01, 编辑框_序号02, 编辑框_序号03, 编辑框_序号04, 编辑框_序号05,
    编辑框_序号06, 编辑框_序号07, 编辑框_序号08, 编辑框_序号09, 编辑框_序号10,
    组合框1, 组合框2, 组合框3, 组合框4, 组合框5, 组合框6, 组合框7, 组合框8, 组合框9, 组合框10,
    编辑框_颜色01, 编辑框_颜色02, 编辑框_颜色03, 编辑框_颜色04, 编辑框_颜色05,
    编辑框_颜色06, 编辑框_颜色07, 编辑框_颜色08, 编辑框_颜色09, 编辑框_颜色10,
    编辑框_自定义文本, 编辑框_自定义颜色,
    // Lower right panel: the palette.
    外形框3, 标签5, 编辑框_颜色, 滑块条1,
    // On the window itself.
    按钮_重新读取, 按钮_生成, 状态条1,
};

inline constexpr int kControlCount = static_cast<int>(Control::状态条1) + 1;  // MainWindow included

// The window's child id of a control; ids stay clear of IDOK and IDCANCEL.
constexpr int ControlId(Control control) { return 1000 + static_cast<int>(control); }

// Slot n's controls sit at index n - 1.
inline constexpr std::array<Control, 10> kIndexFields = {
    Control::编辑框_序号01, Control::编辑框_序号02, Control::编辑框_序号03, Control::编辑框_序号04, Control::编辑框_序号05,
    Control::编辑框_序号06, Control::编辑框_序号07, Control::编辑框_序号08, Control::编辑框_序号09, Control::编辑框_序号10,
};
inline constexpr std::array<Control, 10> kValueTypeBoxes = {
    Control::组合框1, Control::组合框2, Control::组合框3, Control::组合框4, Control::组合框5,
    Control::组合框6, Control::组合框7, Control::组合框8, Control::组合框9, Control::组合框10,
};
inline constexpr std::array<Control, 10> kColourFields = {
    Control::编辑框_颜色01, Control::编辑框_颜色02, Control::编辑框_颜色03, Control::编辑框_颜色04, Control::编辑框_颜色05,
    Control::编辑框_颜色06, Control::编辑框_颜色07, Control::编辑框_颜色08, Control::编辑框_颜色09, Control::编辑框_颜色10,
};

}  // namespace lifeng
