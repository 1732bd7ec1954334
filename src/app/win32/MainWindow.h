#pragma once
// The one window of the program, built from its description, and its control operations.
#include <windows.h>

#include <array>
#include <memory>

#include "app/App.h"
#include "app/EventTable.h"
#include "app/Window.h"
#include "app/win32/ControlFactory.h"
#include "app/win32/Gdi.h"

namespace lifeng::win32 {

class MainWindow final : public Window {
public:
    MainWindow() = default;
    ~MainWindow() override;
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;

    // Builds the window hidden, then its controls with their start values, their stacking and
    // their visibility. No event is raised meanwhile. False when the system refused any part.
    bool Create(HINSTANCE instance, App& app);
    // From here on notifications raise events; this raises the created event first.
    void Start();
    HWND handle() const { return window_; }

    // Keyboard rules of the window as a whole, looked at before a message is dispatched: Esc
    // closes from any control, Tab and Shift+Tab move through the controls in reading order,
    // Alt+S and Alt+R click their buttons. True when the message was used up.
    bool TranslateKeys(const MSG& message);

    std::string ReadTitle() override;
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

private:
    struct EditPaint {
        Colour text = 0;
        Colour back = 0;
        GdiObject<HBRUSH> brush;
    };

    static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    bool BuildControls();
    void OnCommand(HWND control, UINT code);
    void OnScroll(HWND control, UINT code);
    LRESULT OnEditColour(UINT message, HDC dc, HWND control);
    void TidyOnFocusLoss(Control box);
    void Raise(Control control, Event event);
    void MoveFocus(bool backwards);
    HWND At(Control control) const { return controls_[static_cast<size_t>(control)]; }
    EditPaint& PaintOf(Control box) { return paints_[static_cast<size_t>(box)]; }

    HINSTANCE instance_ = nullptr;
    HWND window_ = nullptr;
    App* app_ = nullptr;
    bool eventsOn_ = false;
    std::array<HWND, kControlCount> controls_{};
    std::array<EditPaint, kControlCount> paints_;
    // Set while the program itself writes a box's text, so the box's own EN_CHANGE is ignored
    // and the write raises its event exactly once.
    std::array<bool, kControlCount> systemWrite_{};
    int32_t position_ = 0;  // the slider's stored value, apart from its thumb
    std::unique_ptr<StatusPicture> statusPicture_;
};

}  // namespace lifeng::win32
