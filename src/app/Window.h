#pragma once
// What the handlers may do with the window: the control operations, addressed by control name.
// The real Win32 window and the plain model used in tests both provide them.
#include <cstdint>
#include <string>
#include <string_view>

#include "app/Colour.h"
#include "app/Controls.h"

namespace lifeng {

class Window {
public:
    virtual ~Window() = default;

    virtual std::string ReadTitle() = 0;

    // Edit boxes. Writing the text raises the box's text-changed event once, nested, before it
    // returns, also when the text is unchanged. Colour writes raise nothing.
    virtual std::string ReadText(Control box) = 0;
    virtual void WriteText(Control box, std::string_view text) = 0;
    virtual void WriteTextColour(Control box, Colour colour) = 0;
    virtual void WriteBackColour(Control box, Colour colour) = 0;
    virtual void AppendText(Control box, std::string_view text) = 0;
    virtual void CaretToEnd(Control box) = 0;

    // 0 for the first item, -1 when nothing is selected.
    virtual int32_t ReadSelectedIndex(Control combo) = 0;

    // The slider keeps a position value (0 to 32767) beside its thumb (0 to 255): a write stores
    // the value limited to 0..32767 and puts the thumb at it limited to 0..255; a read gives the
    // stored value. A write raises nothing.
    virtual int32_t ReadPosition(Control slider) = 0;
    virtual void WritePosition(Control slider, int32_t position) = 0;

    virtual void ClearList(Control list) = 0;
    virtual void AddListRow(Control list, std::string_view firstColumn) = 0;
    virtual void SetListCell(Control list, int row, int column, std::string_view text) = 0;
};

}  // namespace lifeng
