#include "app/win32/ControlFactory.h"

#include <iterator>

#include "app/win32/NumericEdit.h"
#include "app/win32/SelfDrawn.h"

namespace lifeng::win32 {
namespace {

struct WindowStyle {
    const char* className;
    DWORD style;
    DWORD extended = 0;
};

WindowStyle StyleOf(const ControlDescription& d) {
    switch (d.kind) {
    case ControlKind::PushButton:
        return {"BUTTON", WS_TABSTOP | BS_PUSHBUTTON | BS_CENTER | BS_VCENTER | BS_MULTILINE};
    case ControlKind::ShapeBox:
        return {kShapeBoxClass, WS_CLIPCHILDREN, WS_EX_CONTROLPARENT};
    case ControlKind::StatusBar:
        return {STATUSCLASSNAMEA, CCS_BOTTOM | SBT_TOOLTIPS};
    case ControlKind::ListView:
        return {WC_LISTVIEWA, WS_TABSTOP | LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS | LVS_NOSORTHEADER};
    case ControlKind::Label:
        return {kLabelClass, 0};
    case ControlKind::ComboBox:
        return {WC_COMBOBOXA, WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST | CBS_AUTOHSCROLL};
    case ControlKind::Slider:
        return {TRACKBAR_CLASSA, WS_TABSTOP | TBS_HORZ | TBS_BOTTOM | TBS_AUTOTICKS};
    case ControlKind::EditBox:
        break;
    }
    DWORD style = WS_TABSTOP | (d.centred ? ES_CENTER : ES_LEFT);
    style |= d.multiLine ? ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN : ES_AUTOHSCROLL;
    if (d.input == InputKind::ReadOnly) style |= ES_READONLY;
    return {"EDIT", style};
}

void ApplyBorder(Border border, WindowStyle& style) {
    if (border == Border::Sunken) style.extended |= WS_EX_CLIENTEDGE;
    if (border == Border::SingleLine) style.style |= WS_BORDER;
}

void SetUpComboBox(HWND combo) {
    for (std::string_view item : kValueTypeItems) SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.data()));
    SendMessageA(combo, CB_SETCURSEL, 0, 0);
    const LRESULT itemHeight = SendMessageA(combo, CB_GETITEMHEIGHT, 0, 0);
    if (itemHeight != CB_ERR) SendMessageA(combo, CB_SETITEMHEIGHT, 0, itemHeight + 1);
}

void SetUpSlider(HWND slider) {
    SendMessageA(slider, TBM_SETRANGE, TRUE, MAKELPARAM(0, kSliderMaximum));
    SendMessageA(slider, TBM_SETTICFREQ, 1, 0);
    SendMessageA(slider, TBM_SETPAGESIZE, 0, 5);
    SendMessageA(slider, TBM_SETLINESIZE, 0, 1);
    SendMessageA(slider, TBM_SETPOS, TRUE, 0);
}

void SetUpListView(HWND list, const ControlDescription& d) {
    const DWORD extended = LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES | LVS_EX_INFOTIP | LVS_EX_SUBITEMIMAGES;
    SendMessageA(list, LVM_SETEXTENDEDLISTVIEWSTYLE, extended, extended);
    SendMessageA(list, LVM_SETTEXTCOLOR, 0, d.text.colour);
    SendMessageA(list, LVM_SETTEXTBKCOLOR, 0, d.background.colour);
    SendMessageA(list, LVM_SETBKCOLOR, 0, d.background.colour);
    for (int i = 0; i < static_cast<int>(std::size(kAttributeColumns)); ++i) {
        LVCOLUMNA column{};
        column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT | LVCF_SUBITEM;
        column.fmt = LVCFMT_LEFT;
        column.cx = kAttributeColumns[i].width;
        column.pszText = const_cast<char*>(kAttributeColumns[i].title.data());
        column.iSubItem = i;
        SendMessageA(list, LVM_INSERTCOLUMNA, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&column));
    }
}

void SetUpStatusBar(HWND bar, const ControlDescription& d) {
    SendMessageA(bar, CCM_SETBKCOLOR, 0, static_cast<LPARAM>(GetSysColor(COLOR_BTNFACE)));
    int rightEdges[] = {-1};
    SendMessageA(bar, SB_SETPARTS, 1, reinterpret_cast<LPARAM>(rightEdges));
    SendMessageA(bar, SB_SETTEXTA, 0, reinterpret_cast<LPARAM>(d.startText.data()));
    SendMessageA(bar, SB_SETTIPTEXTA, 0, reinterpret_cast<LPARAM>(""));
}

}  // namespace

HWND CreateControl(const ControlDescription& d, HWND parent, HINSTANCE instance) {
    WindowStyle style = StyleOf(d);
    ApplyBorder(d.border, style);
    // Every start text is a literal or a lasting string, so it ends in a zero.
    const char* startText = d.kind == ControlKind::StatusBar ? "" : d.startText.data();
    const int height = d.kind == ControlKind::ComboBox ? 160 : d.height;  // the extent of the dropped list
    // Siblings overlap (the caption block lies under the fields that stand on it), so each one
    // paints only where no sibling above it stands.
    HWND control = CreateWindowExA(style.extended, style.className, startText, WS_CHILD | WS_CLIPSIBLINGS | style.style, d.x, d.y,
                                   d.width, height, parent,
                                   reinterpret_cast<HMENU>(static_cast<INT_PTR>(ControlId(d.name))), instance, nullptr);
    if (!control) return nullptr;
    SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
    switch (d.kind) {
    case ControlKind::EditBox:
        SendMessageA(control, EM_LIMITTEXT, 0, 0);
        if (d.input == InputKind::Digits || d.input == InputKind::Integer) FilterTyping(control);
        break;
    case ControlKind::ComboBox:
        SetUpComboBox(control);
        break;
    case ControlKind::Slider:
        SetUpSlider(control);
        break;
    case ControlKind::ListView:
        SetUpListView(control, d);
        break;
    case ControlKind::StatusBar:
        SetUpStatusBar(control, d);
        break;
    default:
        break;
    }
    return control;
}

StatusPicture::StatusPicture(HINSTANCE instance) {
    images_ = ImageList_Create(16, 15, ILC_COLOR32 | ILC_MASK, 1, 0);
    HBITMAP picture = static_cast<HBITMAP>(LoadImageA(instance, "STATUS_ICON", IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    if (images_ && picture) {
        ImageList_AddMasked(images_, picture, RGB(255, 0, 255));  // magenta marks the transparent pixels
        icon_ = ImageList_GetIcon(images_, 0, ILD_NORMAL);
    }
    if (picture) DeleteObject(picture);
}

StatusPicture::~StatusPicture() {
    if (icon_) DestroyIcon(icon_);
    if (images_) ImageList_Destroy(images_);
}

}  // namespace lifeng::win32
