#pragma once
// The main window as data: its own settings and every control with its start values. The
// Win32 window is built from this by one loop, and the test model starts from it too.
#include <span>
#include <string_view>

#include "app/Colour.h"
#include "app/Controls.h"

namespace lifeng {

enum class ControlKind { PushButton, ShapeBox, StatusBar, EditBox, ListView, Label, ComboBox, Slider };

// How an edit box takes the operator's typing.
enum class InputKind {
    None,      // not an edit box
    Any,       // typed freely
    ReadOnly,  // the operator can select and copy, only the program writes
    Digits,    // typing filtered to digits and "-"
    Integer,   // filtered, and tidied when the focus leaves
};

enum class Border { System, None, Sunken, SingleLine, FrameLine };

enum class Fill { System, ButtonFace, HeadingGradient, Solid };

struct Paint {
    Fill fill = Fill::System;
    Colour colour = kBlack;  // for Fill::Solid
};

constexpr Paint Solid(Colour colour) { return {Fill::Solid, colour}; }

struct ControlDescription {
    Control name;
    ControlKind kind;
    Control container = Control::MainWindow;  // the window or a shape box
    int x = 0, y = 0, width = 0, height = 0;
    bool visible = true;
    std::string_view startText = {};
    Paint text = {};
    Paint background = {};
    Border border = Border::System;
    InputKind input = InputKind::None;
    bool centred = false;    // edit boxes: ES_CENTER
    bool multiLine = false;  // edit boxes: the script buffer; labels: wrapped lines from the top
    bool embossed = false;   // labels: a white copy of the text one pixel right and down
};

inline constexpr std::string_view kWindowTitle = "砺锋工坊 V1.0.0.0 Build 20200921";
inline constexpr int kWindowWidth = 707;
inline constexpr int kWindowHeight = 446;

// The combo boxes' items, in order; the first one is selected at start.
inline constexpr std::string_view kValueTypeItems[] = {"数值型", "百分比"};

struct ListColumn {
    std::string_view title;
    int width;
};
inline constexpr ListColumn kAttributeColumns[] = {{"序号", 40}, {"自定义属性描述", 150}};

inline constexpr int kSliderMaximum = 255;        // the thumb runs from 0 to this
inline constexpr int kSliderValueMaximum = 32767;  // the stored position value runs to this

// The order in which Tab moves the focus: reading order, panel by panel, slot row by slot row.
inline constexpr Control kTabOrder[] = {
    Control::编辑框_服务端路径, Control::按钮_浏览, Control::超级列表框_属性, Control::编辑框_绑定数量,
    Control::编辑框_序号01, Control::组合框1, Control::编辑框_颜色01, Control::编辑框_序号02, Control::组合框2, Control::编辑框_颜色02,
    Control::编辑框_序号03, Control::组合框3, Control::编辑框_颜色03, Control::编辑框_序号04, Control::组合框4, Control::编辑框_颜色04,
    Control::编辑框_序号05, Control::组合框5, Control::编辑框_颜色05, Control::编辑框_序号06, Control::组合框6, Control::编辑框_颜色06,
    Control::编辑框_序号07, Control::组合框7, Control::编辑框_颜色07, Control::编辑框_序号08, Control::组合框8, Control::编辑框_颜色08,
    Control::编辑框_序号09, Control::组合框9, Control::编辑框_颜色09, Control::编辑框_序号10, Control::组合框10, Control::编辑框_颜色10,
    Control::编辑框_自定义文本, Control::编辑框_自定义颜色, Control::编辑框_颜色, Control::滑块条1,
    Control::按钮_重新读取, Control::按钮_生成,
};

// Every control, container by container, each container's controls from the top of the
// stacking order down.
std::span<const ControlDescription> WindowDescription();

const ControlDescription& Describe(Control control);

}  // namespace lifeng
