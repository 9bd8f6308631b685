// The window's icon on Windows: the program's icon group, in the sizes of the window's DPI.
#include "runtime/win32/win32_window_icon.h"

#include "runtime/win32/win32_dpi.h"
#include "runtime/win32/win32_resources.h"

#include <initializer_list>

namespace ringcalc::runtime {

Win32WindowIcons::~Win32WindowIcons() {
    for (const HICON icon : {m_big, m_small}) {
        if (icon != nullptr) {
            DestroyIcon(icon);
        }
    }
}

void Win32WindowIcons::setFor(HWND window, UINT dpi) {
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    const struct {
        WPARAM which;
        int width;
        int height;
        HICON& icon;
    } icons[] = {{ICON_BIG, SM_CXICON, SM_CYICON, m_big}, {ICON_SMALL, SM_CXSMICON, SM_CYSMICON, m_small}};
    for (const auto& i : icons) {
        auto* const icon =
            static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(RINGCALC_ICON_GROUP), IMAGE_ICON,
                                          systemMetricForDpi(i.width, dpi), systemMetricForDpi(i.height, dpi), 0));
        if (icon == nullptr) {
            continue; // the window keeps the icon it has
        }
        SendMessageW(window, WM_SETICON, i.which, reinterpret_cast<LPARAM>(icon));
        if (i.icon != nullptr) {
            DestroyIcon(i.icon);
        }
        i.icon = icon;
    }
}

} // namespace ringcalc::runtime
