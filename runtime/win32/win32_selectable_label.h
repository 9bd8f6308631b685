// The result line on Windows: a label whose text the mouse selects and the user copies.
#pragma once

#include "runtime/win32/win32_guard.h"

#include <windows.h>

namespace ringcalc::runtime {

/// The style of a selectable label: a read-only EDIT without a frame or a Tab stop, in which the mouse
/// selects and Ctrl+C copies.
inline constexpr DWORD kSelectableLabelStyle = ES_READONLY | ES_AUTOHSCROLL | ES_LEFT;

/// Gives such an EDIT what a label's text would have: Ctrl+A selects all, and its own menu, in the
/// program's language, copies what is selected or selects all. What escapes its handling goes to report,
/// which must outlive the label.
void makeSelectable(HWND label, const FaultReport* report);

} // namespace ringcalc::runtime
