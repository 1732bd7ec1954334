#pragma once
// The colour of the panel headings: from teal at the left through grey-green to the light grey
// of the panels, the same down each column.
#include "app/Colour.h"

namespace lifeng {

// The colour of column x (0 to width - 1) of a heading width pixels wide.
Colour HeadingGradientColour(int x, int width);

}  // namespace lifeng
