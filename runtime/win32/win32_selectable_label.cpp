// The result line on Windows: selection, Ctrl+A and its own menu.
#include "runtime/win32/win32_selectable_label.h"

#include <commctrl.h>
#include <windowsx.h>

namespace ringcalc::runtime {
namespace {

constexpr UINT kCopy = 1;
constexpr UINT kSelectAll = 2;

void showMenu(HWND label, LPARAM at) {
    DWORD start = 0;
    DWORD end = 0;
    SendMessageW(label, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    const HMENU menu = CreatePopupMenu();
    AppendMenuW(menu, MF_STRING | (start == end ? MF_GRAYED : 0U), kCopy, L"Копировать\tCtrl+C");
    AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(menu, MF_STRING, kSelectAll, L"Выделить всё");
    POINT point{GET_X_LPARAM(at), GET_Y_LPARAM(at)};
    if (point.x == -1 && point.y == -1) { // from the keyboard: at the box's corner
        point = {0, 0};
        ClientToScreen(label, &point);
    }
    const auto chosen =
        static_cast<UINT>(TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON, point.x, point.y, 0, label, nullptr));
    DestroyMenu(menu);
    if (chosen == kCopy) {
        SendMessageW(label, WM_COPY, 0, 0);
    } else if (chosen == kSelectAll) {
        SendMessageW(label, EM_SETSEL, 0, -1);
    }
}

LRESULT CALLBACK selectableLabelProc(HWND label, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR /*id*/,
                                     DWORD_PTR report) {
    return guarded(reinterpret_cast<const FaultReport*>(report), [&]() -> LRESULT {
        if (message == WM_NCDESTROY) {
            RemoveWindowSubclass(label, selectableLabelProc, 0); // a subclass goes before its control does
        }
        if (message == WM_CONTEXTMENU) {
            showMenu(label, lParam);
            return 0;
        }
        if (message == WM_KEYDOWN && wParam == 'A' && GetKeyState(VK_CONTROL) < 0) {
            SendMessageW(label, EM_SETSEL, 0, -1);
            return 0;
        }
        return DefSubclassProc(label, message, wParam, lParam);
    });
}

} // namespace

void makeSelectable(HWND label, const FaultReport* report) {
    SetWindowSubclass(label, selectableLabelProc, 0, reinterpret_cast<DWORD_PTR>(report));
}

} // namespace ringcalc::runtime
