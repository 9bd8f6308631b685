// The message box of Windows.
#include "runtime/win32/win32_message_box.h"

#include "runtime/win32/win32_form.h"
#include "runtime/win32/win32_text.h"

#include <windows.h>

namespace ringcalc::runtime {

int Win32MessageBox::show(std::string_view prompt, int style, std::string_view title) {
    // A lone carriage return in the prompt is a line break to Windows, as it is meant.
    const std::wstring text = wideText(prompt);
    const std::wstring caption = wideText(title);
    // Owned by its window, which is disabled while the box is open, whichever window is active; without one,
    // every window of the thread is.
    const HWND owner = this->owner() != nullptr ? this->owner()->native().window() : nullptr;
    const UINT modality = owner != nullptr ? 0U : static_cast<UINT>(MB_TASKMODAL);
    return MessageBoxW(owner, text.c_str(), caption.c_str(), static_cast<UINT>(style) | modality | MB_SETFOREGROUND);
}

} // namespace ringcalc::runtime
