// The Win32 side of a window built from its description: its HWND and controls.
#pragma once

#include "runtime/form.h"

#include <windows.h>

#include <exception>
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

    /// Called with a control's name for a button's click (BN_CLICKED) or a text box's change (EN_CHANGE):
    /// once for each message the box handles, however many notifications it sent while handling it.
    std::function<void(std::string_view control, WORD notification)> onCommand;

    /// Called with what escaped the window's own handling of a message; without it, or when it throws, the
    /// program ends with status 1 and a line, as a failed start's, that says why.
    std::function<void(std::exception_ptr error)> onFault;

    /// Whether the system asks programs to draw in its own colours (High Contrast); the suite replaces it.
    bool (*highContrast)() = systemHighContrast;

    /// The system's High Contrast setting (SPI_GETHIGHCONTRAST).
    [[nodiscard]] static bool systemHighContrast() noexcept;

    // For the window suite, which checks what the window chose.
    [[nodiscard]] HFONT font() const noexcept { return m_font; } ///< the window's fitted font
    [[nodiscard]] UINT dpi() const noexcept { return m_dpi; }    ///< the window's dots per inch
    [[nodiscard]] RECT placeOf(std::string_view name) const;     ///< a control's rectangle, in pixels
    [[nodiscard]] int frameWidth() const noexcept;               ///< the width of a framed label's frame
    [[nodiscard]] SIZE frameSizeAt(UINT dpi) const;              ///< the window's size at dpi, frame included

private:
    friend class Form;
    struct Control {
        const ControlDescription* description = nullptr;
        HWND hwnd = nullptr;
        int id = 0;
        RECT place{};         // in the window's client area, in pixels, its frame included
        int handling = 0;     // how deep the box is in handling its messages
        bool changed = false; // the box said its text changed while handling the present message
    };
    static LRESULT CALLBACK windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK controlProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                        DWORD_PTR self);
    LRESULT onMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT onControlMessage(Control& control, UINT message, WPARAM wParam, LPARAM lParam);
    void fault() noexcept;
    [[nodiscard]] Control& find(std::string_view name);
    [[nodiscard]] const Control& find(std::string_view name) const;
    [[nodiscard]] Control* findById(int id);
    [[nodiscard]] Control* findByHandle(HWND hwnd);
    void computePlaces();
    void placeControls(bool resizeWindow);
    void chooseFont();
    void fitToCaption(Control& control, const std::wstring& caption);
    void setIcons();
    void focusMovedTo(const Control& control);
    void moveFocus(const Control& from, bool back);
    void restoreFocus();
    void followSystemColours();
    void paintBorders(HDC dc) const;

    const WindowDescription& m_description;
    HWND m_window = nullptr;
    std::vector<Control> m_controls; // in the description's order, which finds them
    HWND m_firstFocus = nullptr;
    HWND m_lastFocus = nullptr; // the control that had the focus last, given back when the window has it again
    std::optional<int> m_defaultId;
    HFONT m_font = nullptr;
    HICON m_bigIcon = nullptr;
    HICON m_smallIcon = nullptr;
    UINT m_dpi = 96;
    bool m_inHighContrast = false;
    std::unique_ptr<Win32Accessible> m_accessible; // made with the first text a screen reader is told of
};

} // namespace ringcalc::runtime
