#pragma once
// The colour preview: a colour field's index moves the slider and paints the field; a hand
// movement of the slider shows its index in the palette box.
#include "app/App.h"

namespace lifeng {

// Text changed of a slot colour field or of the palette box: the slider goes to the field's
// index and the field takes the palette colour of the slider's position.
void PreviewFieldColour(App& app, Control field);

// Text changed of the custom colour field: as above, and the custom text takes the colour too.
void PreviewCustomColour(App& app);

// The operator moved the slider: the palette box shows its colour and its index.
void ShowSliderColour(App& app);

}  // namespace lifeng
