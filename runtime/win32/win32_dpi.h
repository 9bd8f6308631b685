// Dots per inch on Windows: the system's, a window's, and the functions of newer Windows versions that
// follow a window's DPI, with what serves where they are missing.
#pragma once

#include <windows.h>

namespace ringcalc::runtime {

/// The system's dots per inch (96 when the screen does not say).
[[nodiscard]] UINT systemDpi();

/// The window's dots per inch: GetDpiForWindow (Windows 10 1607); its monitor's through shcore's
/// GetDpiForMonitor (Windows 8.1); the system's before.
[[nodiscard]] UINT dpiForWindow(HWND window);

/// A system metric at dpi: GetSystemMetricsForDpi (Windows 10 1607); before, the system's scaled from its DPI.
[[nodiscard]] int systemMetricForDpi(int index, UINT dpi);

/// Under per-monitor awareness of the first version, lets the system scale the window's frame and title bar
/// with its DPI (EnableNonClientDpiScaling, Windows 10 1607; nothing before). Called on WM_NCCREATE.
void enableNonClientDpiScaling(HWND window);

/// The non-client metrics at dpi: SystemParametersInfoForDpi (Windows 10 1607); before, the system's with
/// the message font scaled from the system's DPI.
[[nodiscard]] NONCLIENTMETRICSW nonClientMetricsForDpi(UINT dpi);

/// The window rectangle around a client rectangle at dpi: AdjustWindowRectExForDpi (Windows 10 1607),
/// AdjustWindowRectEx before.
void adjustWindowRectForDpi(RECT& rect, DWORD style, DWORD exStyle, UINT dpi);

} // namespace ringcalc::runtime
