#include "colour/BindingCount.h"

#include "app/Conversions.h"
#include "script/FormState.h"

namespace lifeng {

void ApplyBindingCount(App& app) {
    Window& window = app.window;
    // The count is read afresh before every test: a correction changes it midway.
    auto count = [&window] { return TextToInteger(window.ReadText(Control::编辑框_绑定数量)); };
    // Paints the index fields of slots first to 10.
    auto paintFrom = [&window](int first, Colour colour) {
        for (int slot = first; slot <= kSlotCount; ++slot) window.WriteBackColour(kIndexFields[static_cast<size_t>(slot - 1)], colour);
    };

    paintFrom(1, kWhite);
    if (count() == 0) {
        window.WriteText(Control::编辑框_绑定数量, "1");
        paintFrom(2, kBlack);
        app.platform.ShowMessage(kCountTooLowMessage);
    }
    for (int k = 1; k <= kSlotCount - 1; ++k) {
        if (count() == k) paintFrom(k + 1, kBlack);
    }
    if (count() == kSlotCount) paintFrom(1, kWhite);
    if (count() > kSlotCount) {
        window.WriteText(Control::编辑框_绑定数量, "10");
        paintFrom(1, kWhite);
        app.platform.ShowMessage(kCountTooHighMessage);
    }
}

}  // namespace lifeng
