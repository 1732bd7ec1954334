#include "app/win32/NumericEdit.h"

#include "app/NumericField.h"

namespace lifeng::win32 {
namespace {

WNDPROC editProc = nullptr;  // the EDIT class's own procedure, the same for every box

// A Unicode subclass: under Wine an ANSI one would pass the two bytes of a Chinese character
// on one by one, and the edit would take each for a character of its own. Here a double-byte
// character is one code above 127, which the filter drops as a whole.
LRESULT CALLBACK FilteringProc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CHAR && !TypingFilterPasses(static_cast<unsigned>(wParam))) return 0;
    return CallWindowProcW(editProc, edit, message, wParam, lParam);
}

}  // namespace

void FilterTyping(HWND edit) {
    const auto previous = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(FilteringProc)));
    if (!editProc) editProc = previous;
}

}  // namespace lifeng::win32
