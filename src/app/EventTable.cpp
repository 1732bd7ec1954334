#include "app/EventTable.h"

#include "colour/BindingCount.h"
#include "colour/ColourPreview.h"
#include "config/AttributeNames.h"
#include "config/ServerDirectory.h"
#include "script/GenerationRun.h"

namespace lifeng {
namespace {

// Most handlers have no use for the control that raised their event.
template <void (*run)(App&)>
void Ignoring(App& app, Control) {
    run(app);
}

using enum Control;
using enum Event;

constexpr Binding kBindings[] = {
    {MainWindow, Created, Ignoring<LoadServerDirectory>},
    {按钮_浏览, Clicked, Ignoring<BrowseServerDirectory>},
    {按钮_重新读取, Clicked, Ignoring<ReloadAttributeNames>},
    {按钮_生成, Clicked, Ignoring<GenerateAndOpenScript>},
    {编辑框_绑定数量, TextChanged, Ignoring<ApplyBindingCount>},
    {编辑框_颜色01, TextChanged, PreviewFieldColour},
    {编辑框_颜色02, TextChanged, PreviewFieldColour},
    {编辑框_颜色03, TextChanged, PreviewFieldColour},
    {编辑框_颜色04, TextChanged, PreviewFieldColour},
    {编辑框_颜色05, TextChanged, PreviewFieldColour},
    {编辑框_颜色06, TextChanged, PreviewFieldColour},
    {编辑框_颜色07, TextChanged, PreviewFieldColour},
    {编辑框_颜色08, TextChanged, PreviewFieldColour},
    {编辑框_颜色09, TextChanged, PreviewFieldColour},
    {编辑框_颜色10, TextChanged, PreviewFieldColour},
    {编辑框_颜色, TextChanged, PreviewFieldColour},
    {编辑框_自定义颜色, TextChanged, Ignoring<PreviewCustomColour>},
    {滑块条1, PositionChanged, Ignoring<ShowSliderColour>},
};

}  // namespace

std::span<const Binding> EventTable() { return kBindings; }

void RaiseEvent(App& app, Control control, Event event) {
    for (const Binding& binding : kBindings) {
        if (binding.control == control && binding.event == event) {
            binding.handler(app, control);
            return;
        }
    }
}

}  // namespace lifeng
