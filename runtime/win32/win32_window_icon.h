// The window's icon on Windows: the program's icon group, in the sizes of the window's DPI.
#pragma once

#include "runtime/pinned.h"

#include <windows.h>

namespace ringcalc::runtime {

/// A window's two icons, big and small, from the program's icon group; destroyed with this object, which
/// must outlive the window's use of them.
class Win32WindowIcons : private Pinned {
public:
    Win32WindowIcons() = default;
    ~Win32WindowIcons();

    /// Loads both in the sizes of dpi and gives them to window, destroying those given before.
    void setFor(HWND window, UINT dpi);

private:
    HICON m_big = nullptr;
    HICON m_small = nullptr;
};

} // namespace ringcalc::runtime
