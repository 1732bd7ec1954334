#pragma once
// The program's own window classes: labels, and the framed shape boxes that hold the controls.
#include <windows.h>

namespace lifeng::win32 {

inline constexpr char kLabelClass[] = "LifengLabel";
inline constexpr char kShapeBoxClass[] = "LifengShapeBox";

bool RegisterSelfDrawnClasses(HINSTANCE instance);

}  // namespace lifeng::win32
