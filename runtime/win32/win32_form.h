// The Win32 side of a window built from its description: its HWND and controls.
#pragma once

#include "runtime/form.h"
#include "runtime/win32/win32_change_merge.h"
#include "runtime/win32/win32_guard.h"
#include "runtime/win32/win32_window_icon.h"

#include <windows.h>

#include <cstddef>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ringcalc::runtime {

class Win32Accessible;

/// The Win32 side of a window: a top-level window of the platform and its native controls, placed from
/// twips at the window's DPI. Form's members work on it.
struct Form::Native : private Pinned {
    explicit Native(const WindowDescription& description);
    ~Native();

    /// The top-level window.
    [[nodiscard]] HWND window() const noexcept { return m_window; }

    /// The control of that name. Raises RuntimeError(InvalidArgument) about the name when there is none.
    [[nodiscard]] HWND control(std::string_view name) const;

    /// Called with a control's index in the description for a button's click (BN_CLICKED) or a text box's
    /// change (EN_CHANGE): once for each message the box handles, however many notifications it sent then.
    std::function<void(std::size_t control, Event event)> onEvent;

    /// Reports what escaped the handling of a message by the window or one of its controls; without it, or
    /// when it throws, the program ends with status 1 and a line that says why.
    FaultReport onFault;

    /// Whether the system asks programs to draw in its own colours (High Contrast); the suite replaces it.
    bool (*highContrast)() = systemHighContrast;

    /// The system's High Contrast setting (SPI_GETHIGHCONTRAST).
    [[nodiscard]] static bool systemHighContrast() noexcept;

    /// The window's outer size at dpi: the description's client area with the frame and title bar there.
    [[nodiscard]] SIZE frameSizeAt(UINT dpi) const;

    // What the window chose, for the window suite to check.
    [[nodiscard]] HFONT font() const noexcept { return m_font; } ///< the window's fitted font
    [[nodiscard]] UINT dpi() const noexcept { return m_dpi; }    ///< the window's dots per inch
    [[nodiscard]] RECT placeOf(std::string_view name) const;     ///< a control's rectangle, in pixels
    [[nodiscard]] int frameWidth() const noexcept;               ///< the width of a framed label's frame

private:
    friend class Form;
    struct Control {
        const ControlDescription* description = nullptr;
        HWND hwnd = nullptr;
        int id = 0;
        RECT place{}; // in the window's client area, in pixels, its frame included
        Win32ChangeMerge changes;
    };

    // The procedures, and each message's own handling.
    static LRESULT CALLBACK windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK controlProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                        DWORD_PTR self);
    LRESULT onMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT onControlMessage(Control& control, UINT message, WPARAM wParam, LPARAM lParam);
    void onCommandMessage(WPARAM wParam, LPARAM lParam);
    LRESULT onColourStatic(HDC dc, HWND control) const;
    void onDpiChanged(UINT dpi, const RECT& suggested);
    void onPaint();

    // Controls by name, id and handle.
    [[nodiscard]] Control& find(std::string_view name);
    [[nodiscard]] const Control& find(std::string_view name) const;
    [[nodiscard]] const Control* findById(int id) const;
    [[nodiscard]] const Control* findByHandle(HWND hwnd) const;
    [[nodiscard]] Control* findById(int id);
    [[nodiscard]] Control* findByHandle(HWND hwnd);
    [[nodiscard]] std::size_t indexOf(const Control& control) const noexcept;

    // Building, places and the font.
    void createControls();
    void computePlaces();
    void placeControls(bool resizeWindow);
    void chooseFont();
    void fitToCaption(Control& control, const std::wstring& caption);

    // Focus and the button Enter presses, as in a dialog box.
    [[nodiscard]] const Control* pressedByEnter() const;
    void focusMovedTo(const Control& control);
    void moveFocus(const Control& from, bool back);
    void restoreFocus();

    // Colours.
    void followSystemColours();

    const WindowDescription& m_description;
    HWND m_window = nullptr;
    std::vector<Control> m_controls; // in the description's order, which finds them
    std::optional<int> m_defaultId;
    HWND m_firstFocus = nullptr;
    HWND m_lastFocus = nullptr; // given back when the window has the focus again
    UINT m_dpi = 96;
    HFONT m_font = nullptr;
    Win32WindowIcons m_icons;
    bool m_inHighContrast = false;
    std::unique_ptr<Win32Accessible> m_accessible; // made with the first text a screen reader is told of
};

} // namespace ringcalc::runtime
