#include "script/FormState.h"

#include "app/Conversions.h"

namespace lifeng {

int SelectBindingCount(const FormState& state) {
    const double number = TextToNumber(state.bindingCountText);
    for (int count = 1; count <= kSlotCount; ++count) {
        if (NumbersEqual(number, count)) return count;
    }
    return 0;
}

bool BindingIndexesFilled(const FormState& state, int count) {
    for (int slot = 0; slot < count && slot < kSlotCount; ++slot) {
        if (CompareText(state.slots[static_cast<size_t>(slot)].indexText, "") == 0) return false;
    }
    return true;
}

}  // namespace lifeng
