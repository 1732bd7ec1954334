#pragma once
// The typing filter of the digits and integer boxes.
#include <windows.h>

namespace lifeng::win32 {

// Subclasses the edit box so that typed characters other than digits, "-" and control keys
// are dropped without a sound.
void FilterTyping(HWND edit);

}  // namespace lifeng::win32
