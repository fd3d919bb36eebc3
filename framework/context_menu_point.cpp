#include "framework/context_menu_point.h"

#include <commctrl.h>

#include <algorithm>

namespace fw {
namespace {

// The focused item's rectangle in the control's client area; false when there is none.
bool FocusedItem(HWND control, RECT& item) {
    wchar_t cls[32] = {};
    GetClassNameW(control, cls, 32);
    if (lstrcmpiW(cls, WC_LISTVIEWW) == 0) {
        int at = static_cast<int>(SendMessageW(control, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_FOCUSED));
        if (at < 0) at = static_cast<int>(SendMessageW(control, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
        if (at < 0) return false;
        item.left = LVIR_BOUNDS;
        return SendMessageW(control, LVM_GETITEMRECT, static_cast<WPARAM>(at), reinterpret_cast<LPARAM>(&item)) != 0;
    }
    if (lstrcmpiW(cls, WC_LISTBOXW) == 0) {
        LRESULT at = SendMessageW(control, LB_GETCURSEL, 0, 0);
        if (at == LB_ERR) at = SendMessageW(control, LB_GETCARETINDEX, 0, 0);
        if (at == LB_ERR || at >= SendMessageW(control, LB_GETCOUNT, 0, 0)) return false;
        return SendMessageW(control, LB_GETITEMRECT, static_cast<WPARAM>(at), reinterpret_cast<LPARAM>(&item)) != LB_ERR;
    }
    return false;
}

}  // namespace

POINT ContextMenuPoint(HWND control, LPARAM lp) {
    if (lp != -1) return POINT{static_cast<short>(LOWORD(lp)), static_cast<short>(HIWORD(lp))};
    RECT client{};
    GetClientRect(control, &client);
    POINT at{client.left, client.top};
    RECT item{};
    if (FocusedItem(control, item)) {
        // Under the item, kept inside the control when the item is scrolled out of view.
        at.x = std::clamp(item.left, client.left, client.right);
        at.y = std::clamp(item.bottom, client.top, client.bottom);
    }
    ClientToScreen(control, &at);
    return at;
}

}  // namespace fw
