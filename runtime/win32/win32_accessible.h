// What screen readers are told of the window's controls on Windows beyond what the platform tells them.
#pragma once

#include "runtime/pinned.h"

#include <windows.h>

#include <string>

struct IAccPropServices;

namespace ringcalc::runtime {

/// Announces a label's new text to screen readers: the label's name becomes its text, it is a polite live
/// region (Windows 8 and later), and the change is told at once. It goes before the label's window does. COM and the
/// accessibility library are loaded at the first announcement, not at start; where the system has no annotations, only
/// the events go.
class Win32Accessible : private Pinned {
public:
    Win32Accessible() = default;
    ~Win32Accessible();

    /// Tells screen readers that label now reads text. Never throws.
    void announce(HWND label, const std::wstring& text) noexcept;

private:
    void startServices() noexcept;

    bool m_tried = false;
    HMODULE m_ole32 = nullptr;
    bool m_comStarted = false;
    IAccPropServices* m_services = nullptr;
    HWND m_label = nullptr; // the label annotated, whose annotations go with this
};

} // namespace ringcalc::runtime
