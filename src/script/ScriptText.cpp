#include "script/ScriptText.h"

#include <array>

#include "app/Conversions.h"

namespace lifeng {
namespace {

// The variable that carries each slot's value, fixed by the slot's place. ＨＰ and ＭＰ are
// full-width, as the game's scripts spell them.
constexpr std::array<std::string_view, kSlotCount> kValueVariables = {
    "强化洗炼防御", "强化洗炼魔防", "强化洗炼攻击", "强化洗炼魔法",     "强化洗炼道术",
    "强化洗炼ＨＰ", "强化洗炼ＭＰ", "强化洗炼无属性01", "强化洗炼无属性02", "强化洗炼无属性03",
};

constexpr std::string_view kLineEnd = "\r\n";

}  // namespace

std::vector<std::string> GenerateScript(const FormState& state, int count) {
    std::vector<std::string> lines;
    auto emit = [&lines](std::initializer_list<std::string_view> parts) {
        lines.push_back(JoinText(parts));
        lines.back() += kLineEnd;
    };

    emit({";以下脚本由[", state.windowTitle, "]生成。", kCreditText});
    emit({"#IF"});
    emit({"#ACT"});
    emit({"SetUpgradeItem 0"});

    // Each section lists every bound slot before the next one starts; k is the slot's digit, 0 to 9.
    using SlotLine = std::string (*)(const BindingSlot& slot, int k);
    struct Section {
        std::string_view comment;
        SlotLine line;
    };
    static constexpr Section kSections[] = {
        {";绑定属性位置",
         [](const BindingSlot& s, int k) { return JoinText({"CHANGECUSTOMITEMABIL -1 ", IntegerToText(k), " 1 ", s.indexText}); }},
        {";设置竖排显示",
         [](const BindingSlot&, int k) {
             return JoinText({"CHANGECUSTOMITEMABIL -1 ", IntegerToText(k), " 2 ", IntegerToText(k)});
         }},
        {";设置%或数值",
         [](const BindingSlot& s, int k) {
             return JoinText({"CHANGECUSTOMITEMABIL -1 ", IntegerToText(k), " 3 ", IntegerToText(s.valueType)});
         }},
        {";设置赋予数值",
         [](const BindingSlot&, int k) {
             return JoinText({"CHANGECUSTOMITEMVALUE -1 ", IntegerToText(k), " = <$STR(N$", kValueVariables[static_cast<size_t>(k)], ")>"});
         }},
        {";设置自定义属性颜色",
         [](const BindingSlot& s, int k) { return JoinText({"CHANGECUSTOMITEMABIL -1 ", IntegerToText(k), " 0 ", s.colourText}); }},
    };
    for (const Section& section : kSections) {
        emit({section.comment});
        for (int k = 0; k < count && k < kSlotCount; ++k) emit({section.line(state.slots[static_cast<size_t>(k)], k)});
    }

    emit({";添加自定义文字和颜色"});
    emit({"CHANGECUSTOMITEMTEXT -1 ", state.customText});
    emit({"CHANGECUSTOMITEMTEXTCOLOR -1 ", state.customColourText});
    emit({"UpDateBoxItem 0"});
    emit({"SENDMSG 7 [提示]：洗炼成功！您的装备属性获得极大提升！"});
    emit({"GOTO @MAIN"});
    emit({"MESSAGEBOX [提示]：洗炼成功！您的装备属性获得极大提升！"});
    emit({"Break"});
    return lines;
}

}  // namespace lifeng
