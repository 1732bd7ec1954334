#include "app/win32/SelfDrawn.h"

#include "app/HeadingGradient.h"
#include "app/WindowDescription.h"
#include "app/win32/ControlIds.h"
#include "app/win32/Gdi.h"

namespace lifeng::win32 {
namespace {

void PaintLabel(HWND label) {
    const ControlDescription& description = Describe(ControlFromWindow(label));
    PaintContext paint(label);
    RECT client;
    GetClientRect(label, &client);
    if (description.background.fill == Fill::HeadingGradient) {
        for (int x = client.left; x < client.right; ++x) {
            GdiObject<HBRUSH> column(CreateSolidBrush(HeadingGradientColour(x, client.right)));
            const RECT line{x, client.top, x + 1, client.bottom};
            FillRect(paint.dc(), &line, column.get());
        }
    } else {
        FillRect(paint.dc(), &client, GetSysColorBrush(COLOR_BTNFACE));
    }

    SelectedObject font(paint.dc(), GetStockObject(DEFAULT_GUI_FONT));
    SetBkMode(paint.dc(), TRANSPARENT);
    const std::string text = WindowText(label);
    const UINT layout = DT_NOCLIP | DT_LEFT | (description.multiLine ? DT_WORDBREAK : DT_SINGLELINE | DT_VCENTER);
    if (description.embossed) {
        RECT shadow = client;
        OffsetRect(&shadow, 1, 1);
        SetTextColor(paint.dc(), RGB(255, 255, 255));
        DrawTextA(paint.dc(), text.c_str(), static_cast<int>(text.size()), &shadow, layout);
    }
    SetTextColor(paint.dc(), description.text.colour);
    DrawTextA(paint.dc(), text.c_str(), static_cast<int>(text.size()), &client, layout);
}

LRESULT CALLBACK LabelProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT:
        PaintLabel(window);
        return 0;
    case WM_ERASEBKGND:
        return 1;  // the paint covers every pixel
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

void PaintShapeBox(HWND box) {
    PaintContext paint(box);
    RECT client;
    GetClientRect(box, &client);
    FillRect(paint.dc(), &client, GetSysColorBrush(COLOR_BTNFACE));
    GdiObject<HPEN> frame(CreatePen(PS_SOLID, 1, RGB(0, 0, 0)));
    SelectedObject pen(paint.dc(), frame.get());
    SelectedObject hollow(paint.dc(), GetStockObject(NULL_BRUSH));
    Rectangle(paint.dc(), client.left, client.top, client.right, client.bottom);
}

// A shape box is the parent of its controls, so their notifications and colour requests come
// here first; they go on to the main window, where the event table routes them.
LRESULT CALLBACK ShapeBoxProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT:
        PaintShapeBox(window);
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_HSCROLL:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORLISTBOX:
        return SendMessageA(GetAncestor(window, GA_ROOT), message, wParam, lParam);
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

bool RegisterSelfDrawnClasses(HINSTANCE instance) {
    WNDCLASSEXA label{};
    label.cbSize = sizeof label;
    label.lpfnWndProc = LabelProc;
    label.hInstance = instance;
    label.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    label.lpszClassName = kLabelClass;
    WNDCLASSEXA shapeBox = label;
    shapeBox.lpfnWndProc = ShapeBoxProc;
    shapeBox.lpszClassName = kShapeBoxClass;
    return RegisterClassExA(&label) && RegisterClassExA(&shapeBox);
}

}  // namespace lifeng::win32
