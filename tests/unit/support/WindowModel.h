#pragma once
// A plain model of the main window that keeps the event rules of the real one: a text write
// stores the text and then runs the box's text-changed handler once, nested, before it returns;
// colour and slider writes raise nothing; the slider keeps its position value apart from the
// thumb. It also plays the operator: typing through the filter, pasting, moving the focus (the
// integer boxes tidy when they lose it), clicking, choosing, moving the slider.
#include <array>
#include <functional>
#include <string>
#include <vector>

#include "app/EventTable.h"
#include "app/Window.h"
#include "app/WindowDescription.h"

namespace lifeng::test {

class WindowModel final : public Window {
public:
    WindowModel();

    // Events stay off, as while the window is being built, until Start switches them on and
    // raises the created event.
    void Connect(App& app) { app_ = &app; }
    void Start();

    // The window's operations for the handlers.
    std::string ReadTitle() override { return std::string(kWindowTitle); }
    std::string ReadText(Control box) override;
    void WriteText(Control box, std::string_view text) override;
    void WriteTextColour(Control box, Colour colour) override;
    void WriteBackColour(Control box, Colour colour) override;
    void AppendText(Control box, std::string_view text) override;
    void CaretToEnd(Control box) override;
    int32_t ReadSelectedIndex(Control combo) override;
    int32_t ReadPosition(Control slider) override;
    void WritePosition(Control slider, int32_t position) override;
    void ClearList(Control list) override;
    void AddListRow(Control list, std::string_view firstColumn) override;
    void SetListCell(Control list, int row, int column, std::string_view text) override;

    // What the operator sees.
    Colour TextColour(Control box) const { return At(box, ControlKind::EditBox).textColour; }
    Colour BackColour(Control box) const { return At(box, ControlKind::EditBox).backColour; }
    std::pair<size_t, size_t> Selection(Control box) const;
    int Thumb() const { return thumb_; }
    const std::vector<std::array<std::string, 2>>& Rows() const { return rows_; }
    Control Focused() const { return focus_; }

    // Every event raised while events were on, in the order raised, nested ones included.
    std::vector<std::pair<Control, Event>> raised;

    // What the operator does. Typing and pasting go to the box with the focus, which they give it first.
    void Focus(Control control);
    void Type(Control box, std::string_view characters);
    void Backspace(Control box);
    void SelectAll(Control box);
    void Paste(Control box, std::string_view text);
    void Click(Control button);
    void ChooseItem(Control combo, int index);
    void MoveSlider(int place);             // a key or a click on the channel
    void DragSlider(int from, int to);      // every place on the way, then the release

private:
    struct State {
        ControlKind kind;
        InputKind input;
        std::string text;
        Colour textColour = kBlack;
        Colour backColour = kWhite;
        size_t selectionStart = 0, selectionEnd = 0;
        int32_t selectedIndex = 0;
    };

    State& At(Control control, ControlKind kind);
    const State& At(Control control, ControlKind kind) const;
    void Raise(Control control, Event event);
    void ReplaceSelection(Control box, std::string_view text);  // as the operator; EN_CHANGE when it changed
    void Tidy(Control box);

    std::array<State, kControlCount> states_;
    App* app_ = nullptr;
    bool eventsOn_ = false;
    Control focus_ = Control::MainWindow;
    int32_t position_ = 0;
    int thumb_ = 0;
    std::vector<std::array<std::string, 2>> rows_;
};

}  // namespace lifeng::test
