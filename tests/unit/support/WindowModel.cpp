#include "support/WindowModel.h"

#include <algorithm>
#include <stdexcept>
#include <utility>

#include "app/NumericField.h"

namespace lifeng::test {
namespace {

size_t CharacterLength(std::string_view text, size_t at) {
    return static_cast<unsigned char>(text[at]) >= 0x80 && at + 1 < text.size() ? 2 : 1;
}

// Where the GBK character that ends at byte end begins.
size_t PreviousCharacter(std::string_view text, size_t end) {
    size_t start = 0;
    for (size_t i = 0; i < end; i += CharacterLength(text, i)) start = i;
    return start;
}

}  // namespace

WindowModel::WindowModel() {
    for (State& state : states_) state = {ControlKind::ShapeBox, InputKind::None, {}};
    for (const ControlDescription& d : WindowDescription()) {
        State& state = states_[static_cast<size_t>(d.name)];
        state.kind = d.kind;
        state.input = d.input;
        state.text = d.startText;
        state.textColour = d.text.colour;
        state.backColour = d.background.colour;
    }
}

void WindowModel::Start() {
    if (!app_) throw std::logic_error("the model is not connected to the handlers");
    eventsOn_ = true;
    Raise(Control::MainWindow, Event::Created);
}

WindowModel::State& WindowModel::At(Control control, ControlKind kind) {
    return const_cast<State&>(std::as_const(*this).At(control, kind));
}

const WindowModel::State& WindowModel::At(Control control, ControlKind kind) const {
    const State& state = states_.at(static_cast<size_t>(control));
    if (state.kind != kind) throw std::logic_error("operation used on the wrong kind of control");
    return state;
}

void WindowModel::Raise(Control control, Event event) {
    if (!eventsOn_) return;
    raised.emplace_back(control, event);
    RaiseEvent(*app_, control, event);
}

std::string WindowModel::ReadText(Control box) { return At(box, ControlKind::EditBox).text; }

void WindowModel::WriteText(Control box, std::string_view text) {
    State& state = At(box, ControlKind::EditBox);
    state.text = text;
    state.selectionStart = state.selectionEnd = 0;
    Raise(box, Event::TextChanged);
}

void WindowModel::WriteTextColour(Control box, Colour colour) { At(box, ControlKind::EditBox).textColour = colour; }
void WindowModel::WriteBackColour(Control box, Colour colour) { At(box, ControlKind::EditBox).backColour = colour; }

void WindowModel::AppendText(Control box, std::string_view text) {
    State& state = At(box, ControlKind::EditBox);
    state.text += text;
    state.selectionStart = state.selectionEnd = state.text.size();
}

void WindowModel::CaretToEnd(Control box) {
    State& state = At(box, ControlKind::EditBox);
    state.selectionStart = state.selectionEnd = state.text.size();
}

int32_t WindowModel::ReadSelectedIndex(Control combo) { return At(combo, ControlKind::ComboBox).selectedIndex; }

int32_t WindowModel::ReadPosition(Control slider) {
    At(slider, ControlKind::Slider);
    return position_;
}

void WindowModel::WritePosition(Control slider, int32_t position) {
    At(slider, ControlKind::Slider);
    position_ = std::clamp(position, 0, kSliderValueMaximum);
    thumb_ = std::min(position_, kSliderMaximum);
}

void WindowModel::ClearList(Control list) {
    At(list, ControlKind::ListView);
    rows_.clear();
}

void WindowModel::AddListRow(Control list, std::string_view firstColumn) {
    At(list, ControlKind::ListView);
    rows_.push_back({std::string(firstColumn), {}});
}

void WindowModel::SetListCell(Control list, int row, int column, std::string_view text) {
    At(list, ControlKind::ListView);
    rows_.at(static_cast<size_t>(row)).at(static_cast<size_t>(column)) = text;
}

std::pair<size_t, size_t> WindowModel::Selection(Control box) const {
    const State& state = At(box, ControlKind::EditBox);
    return {state.selectionStart, state.selectionEnd};
}

void WindowModel::Focus(Control control) {
    if (control == focus_) return;
    const Control previous = focus_;
    focus_ = control;
    if (states_[static_cast<size_t>(previous)].input == InputKind::Integer) Tidy(previous);
}

void WindowModel::Tidy(Control box) {
    State& state = At(box, ControlKind::EditBox);
    const std::string tidied = TidyIntegerText(state.text);
    if (tidied == state.text) return;
    const size_t caret = state.selectionStart;
    WriteText(box, tidied);
    state.selectionStart = state.selectionEnd = std::min(caret, state.text.size());
}

void WindowModel::ReplaceSelection(Control box, std::string_view text) {
    State& state = At(box, ControlKind::EditBox);
    if (state.input == InputKind::ReadOnly) return;
    const std::string before = state.text;
    const size_t start = std::min(state.selectionStart, state.selectionEnd);
    const size_t end = std::max(state.selectionStart, state.selectionEnd);
    state.text.replace(start, end - start, text);
    state.selectionStart = state.selectionEnd = start + text.size();
    if (state.text != before) Raise(box, Event::TextChanged);
}

void WindowModel::Type(Control box, std::string_view characters) {
    Focus(box);
    const bool filtered = At(box, ControlKind::EditBox).input == InputKind::Digits ||
                          At(box, ControlKind::EditBox).input == InputKind::Integer;
    for (size_t i = 0; i < characters.size();) {
        const size_t length = CharacterLength(characters, i);
        const std::string_view character = characters.substr(i, length);
        i += length;
        // Each byte of a double-byte character arrives on its own and is dropped by the filter.
        if (filtered && (length > 1 || !TypingFilterPasses(static_cast<unsigned char>(character[0])))) continue;
        ReplaceSelection(box, character);
    }
}

void WindowModel::Backspace(Control box) {
    Focus(box);
    State& state = At(box, ControlKind::EditBox);
    if (state.selectionStart == state.selectionEnd && state.selectionStart > 0) {
        state.selectionStart = PreviousCharacter(state.text, state.selectionEnd);
    }
    ReplaceSelection(box, "");
}

void WindowModel::SelectAll(Control box) {
    Focus(box);
    State& state = At(box, ControlKind::EditBox);
    state.selectionStart = 0;
    state.selectionEnd = state.text.size();
}

void WindowModel::Paste(Control box, std::string_view text) {
    Focus(box);
    ReplaceSelection(box, text);
}

void WindowModel::Click(Control button) {
    At(button, ControlKind::PushButton);
    Focus(button);  // the focus moves to the button before its click is handled
    Raise(button, Event::Clicked);
}

void WindowModel::ChooseItem(Control combo, int index) {
    Focus(combo);
    At(combo, ControlKind::ComboBox).selectedIndex = index;
}

void WindowModel::MoveSlider(int place) {
    Focus(Control::滑块条1);
    thumb_ = std::clamp(place, 0, kSliderMaximum);
    position_ = thumb_;
    Raise(Control::滑块条1, Event::PositionChanged);
}

void WindowModel::DragSlider(int from, int to) {
    Focus(Control::滑块条1);
    const int step = to >= from ? 1 : -1;
    for (int place = from + step; place != to + step; place += step) {
        thumb_ = position_ = std::clamp(place, 0, kSliderMaximum);
        Raise(Control::滑块条1, Event::PositionChanged);
    }
    Raise(Control::滑块条1, Event::PositionChanged);  // released where it stands
}

}  // namespace lifeng::test
