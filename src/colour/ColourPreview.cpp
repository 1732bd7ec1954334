#include "colour/ColourPreview.h"

#include "app/Conversions.h"
#include "colour/MirPalette.h"

namespace lifeng {
namespace {

Colour SliderColour(Window& window) { return PaletteColour(window.ReadPosition(Control::滑块条1)); }

}  // namespace

void PreviewFieldColour(App& app, Control field) {
    Window& window = app.window;
    window.WritePosition(Control::滑块条1, NumberToInteger(TextToNumber(window.ReadText(field))));
    window.WriteBackColour(field, SliderColour(window));
}

void PreviewCustomColour(App& app) {
    PreviewFieldColour(app, Control::编辑框_自定义颜色);
    app.window.WriteTextColour(Control::编辑框_自定义文本, SliderColour(app.window));
}

void ShowSliderColour(App& app) {
    Window& window = app.window;
    window.WriteBackColour(Control::编辑框_颜色, SliderColour(window));
    // This write runs PreviewFieldColour for the palette box, nested; it writes the same
    // position back, which raises nothing, so the nesting ends there.
    window.WriteText(Control::编辑框_颜色, IntegerToText(window.ReadPosition(Control::滑块条1)));
}

}  // namespace lifeng
