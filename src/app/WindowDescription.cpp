#include "app/WindowDescription.h"

#include <array>
#include <string>

namespace lifeng {
namespace {

using enum Control;

constexpr Colour kPanelGrey = Rgb(96, 96, 96);
constexpr Colour kRed = Rgb(255, 0, 0);

// The caption block behind the generation fields: 24 lines, the gaps held open by ideographic
// spaces so that the fields standing on it line up with its words.
std::string CaptionBlock() {
    const std::string gap5 = "　　　　　";
    std::string text = "绑定属性数量：" + gap5 + "条";
    for (int slot = 1; slot <= 10; ++slot) {
        const std::string number = (slot < 10 ? "0" : "") + std::to_string(slot);
        text += "\r\n\r\n第[" + number + "]条属性：绑定序号：" + gap5 + "绑定值类型：" + gap5 + "　文字颜色：";
    }
    return text + "\r\n\r\n\r\n[自定义文字]：" + gap5 + gap5 + "文字颜色代码：";
}

ControlDescription IntegerBox(Control name, int x, int y, std::string_view startText = "255") {
    return {.name = name, .kind = ControlKind::EditBox, .container = 外形框2, .x = x, .y = y, .width = 50, .height = 20,
            .startText = startText, .text = Solid(kBlack), .background = Solid(kWhite), .border = Border::Sunken,
            .input = InputKind::Integer, .centred = true};
}

ControlDescription ValueTypeBox(Control name, int y) {
    return {.name = name, .kind = ControlKind::ComboBox, .container = 外形框2, .x = 284, .y = y, .width = 66,
            .height = 20, .text = Solid(kBlack), .background = Solid(kWhite)};
}

ControlDescription Heading(Control name, Control container, int width, std::string_view text) {
    return {.name = name, .kind = ControlKind::Label, .container = container, .x = 2, .y = 2, .width = width,
            .height = 24, .startText = text, .text = Solid(kBlack), .background = {Fill::HeadingGradient},
            .border = Border::None};
}

ControlDescription ShapeBox(Control name, int x, int y, int width, int height) {
    return {.name = name, .kind = ControlKind::ShapeBox, .x = x, .y = y, .width = width, .height = height,
            .background = {Fill::ButtonFace}, .border = Border::FrameLine};
}

ControlDescription Button(Control name, Control container, int x, int y, int width, int height, std::string_view text) {
    return {.name = name, .kind = ControlKind::PushButton, .container = container, .x = x, .y = y, .width = width,
            .height = height, .startText = text};
}

// Built once on first use: the caption block is made at run time.
const std::array<ControlDescription, 51>& Table() {
    static const std::string captionBlock = CaptionBlock();
    static const std::array<ControlDescription, 51> table = {{
        // On the window.
        Button(按钮_生成, MainWindow, 113, 360, 110, 35, "&S 一键生成脚本"),
        Button(按钮_重新读取, MainWindow, 1, 360, 110, 35, "&R 重新读取数据"),
        ShapeBox(外形框3, 225, 332, 475, 62),
        {.name = 状态条1, .kind = ControlKind::StatusBar, .startText = "砺锋工坊开发组 出品 · 传奇自定义属性脚本助手",
         .background = {Fill::ButtonFace}},
        ShapeBox(外形框2, 225, 1, 475, 330),
        ShapeBox(外形框1, 1, 1, 223, 358),
        // In the left panel.
        {.name = 编辑框1, .kind = ControlKind::EditBox, .container = 外形框1, .x = 175, .y = 327, .width = 40,
         .height = 24, .visible = false, .text = Solid(kBlack), .background = Solid(kWhite), .border = Border::Sunken,
         .input = InputKind::Any, .multiLine = true},
        {.name = 超级列表框_属性, .kind = ControlKind::ListView, .container = 外形框1, .x = 2, .y = 56, .width = 219,
         .height = 300, .text = Solid(Rgb(0, 96, 192)), .background = Solid(kWhite), .border = Border::SingleLine},
        Button(按钮_浏览, 外形框1, 166, 28, 55, 26, "..浏览"),
        {.name = 编辑框_服务端路径, .kind = ControlKind::EditBox, .container = 外形框1, .x = 42, .y = 29, .width = 123,
         .height = 24, .text = Solid(kPanelGrey), .background = Solid(Rgb(236, 236, 236)), .border = Border::Sunken,
         .input = InputKind::ReadOnly},
        {.name = 标签2, .kind = ControlKind::Label, .container = 外形框1, .x = 7, .y = 32, .width = 40, .height = 16,
         .startText = "路径：", .text = Solid(kPanelGrey), .background = {Fill::ButtonFace}, .border = Border::None,
         .embossed = true},
        Heading(标签1, 外形框1, 219, " >> 设置服务端目录"),
        // In the upper right panel; the caption block lies under everything that stands on it.
        {.name = 标签6, .kind = ControlKind::Label, .container = 外形框2, .x = 202, .y = 31, .width = 268,
         .height = 16, .startText = "*友情提示：请先设置需要绑定自定义属性的条数！", .text = Solid(kRed),
         .background = {Fill::ButtonFace}, .border = Border::None},
        IntegerBox(编辑框_序号10, 152, 270, ""),
        ValueTypeBox(组合框10, 270),
        IntegerBox(编辑框_颜色10, 416, 270),
        IntegerBox(编辑框_颜色01, 416, 53),
        IntegerBox(编辑框_颜色02, 416, 77),
        IntegerBox(编辑框_颜色03, 416, 101),
        IntegerBox(编辑框_颜色04, 416, 125),
        IntegerBox(编辑框_颜色05, 416, 149),
        IntegerBox(编辑框_颜色06, 416, 173),
        IntegerBox(编辑框_颜色07, 416, 197),
        IntegerBox(编辑框_颜色08, 416, 221),
        IntegerBox(编辑框_颜色09, 416, 246),
        ValueTypeBox(组合框9, 246),
        ValueTypeBox(组合框8, 221),
        ValueTypeBox(组合框7, 197),
        ValueTypeBox(组合框6, 173),
        ValueTypeBox(组合框5, 149),
        ValueTypeBox(组合框4, 125),
        ValueTypeBox(组合框3, 101),
        ValueTypeBox(组合框2, 77),
        ValueTypeBox(组合框1, 53),
        IntegerBox(编辑框_序号09, 152, 245, ""),
        IntegerBox(编辑框_序号08, 152, 221, ""),
        IntegerBox(编辑框_序号07, 152, 197, ""),
        IntegerBox(编辑框_序号06, 152, 173, ""),
        IntegerBox(编辑框_序号05, 152, 149, ""),
        IntegerBox(编辑框_序号04, 152, 125, ""),
        IntegerBox(编辑框_序号03, 152, 101, ""),
        IntegerBox(编辑框_序号02, 152, 77, ""),
        IntegerBox(编辑框_序号01, 152, 53, ""),
        IntegerBox(编辑框_自定义颜色, 295, 305),
        {.name = 编辑框_自定义文本, .kind = ControlKind::EditBox, .container = 外形框2, .x = 95, .y = 305, .width = 100,
         .height = 20, .startText = "[装备强化]：", .text = Solid(Rgb(0, 136, 255)), .background = Solid(kWhite),
         .border = Border::Sunken, .input = InputKind::Any, .centred = true},
        [] {
            ControlDescription count = IntegerBox(编辑框_绑定数量, 93, 30, "10");
            count.text = Solid(kRed);
            return count;
        }(),
        Heading(标签3, 外形框2, 471, " >> 参数设置(每个装备可以自定义10个属性)"),
        {.name = 标签4, .kind = ControlKind::Label, .container = 外形框2, .x = 7, .y = 33, .width = 410, .height = 290,
         .startText = captionBlock, .text = Solid(kPanelGrey), .background = {Fill::ButtonFace},
         .border = Border::None, .multiLine = true, .embossed = true},
        // In the palette panel.
        {.name = 滑块条1, .kind = ControlKind::Slider, .container = 外形框3, .x = 38, .y = 28, .width = 436,
         .height = 29, .border = Border::None},
        {.name = 编辑框_颜色, .kind = ControlKind::EditBox, .container = 外形框3, .x = 2, .y = 27, .width = 36,
         .height = 33, .startText = "0", .text = Solid(kWhite), .background = Solid(kBlack),
         .border = Border::SingleLine, .input = InputKind::Digits, .centred = true},
        Heading(标签5, 外形框3, 471, " >> 传奇256色调"),
    }};
    return table;
}

}  // namespace

std::span<const ControlDescription> WindowDescription() { return Table(); }

const ControlDescription& Describe(Control control) {
    for (const ControlDescription& description : Table()) {
        if (description.name == control) return description;
    }
    return Table().front();  // unreachable: the table names every control
}

}  // namespace lifeng
