// The Win32 side of a window built from its description: its HWND and controls.
#pragma once

#include "runtime/form.h"

#include <windows.h>

#include <functional>
#include <optional>
#include <string_view>
#include <vector>

namespace ringcalc::runtime {

/// The Win32 side of a window: a top-level window of the platform and its native controls, placed from
/// twips at the window's DPI. Form's members work on it.
struct Form::Native : private Pinned {
    explicit Native(const WindowDescription& description);
    ~Native();

    /// The top-level window.
    [[nodiscard]] HWND window() const noexcept { return m_window; }

    /// The control of that name. Raises RuntimeError(InvalidArgument) about the name when there is none.
    [[nodiscard]] HWND control(std::string_view name) const;

    /// Called with a control's name for a button's click (BN_CLICKED) or a text box's change (EN_CHANGE).
    std::function<void(std::string_view control, WORD notification)> onCommand;

    // For the window suite, which checks what the window chose.
    [[nodiscard]] HFONT font() const noexcept { return m_font; } ///< the window's fitted font
    [[nodiscard]] UINT dpi() const noexcept { return m_dpi; }    ///< the window's dots per inch
    [[nodiscard]] RECT placeOf(std::string_view name) const;     ///< a control's rectangle, in pixels

private:
    friend class Form;
    struct Control {
        const ControlDescription* description = nullptr;
        HWND hwnd = nullptr;
        int id = 0;
        RECT place{}; // in the window's client area, in pixels, its frame included
    };
    static LRESULT CALLBACK windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT onMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    [[nodiscard]] Control& find(std::string_view name);
    [[nodiscard]] const Control& find(std::string_view name) const;
    [[nodiscard]] const Control* findById(int id) const;
    [[nodiscard]] const Control* findByHandle(HWND hwnd) const;
    [[nodiscard]] SIZE frameSize() const;
    void computePlaces();
    void placeControls();
    void chooseFont();
    void fitToCaption(Control& control);
    void paintBorders(HDC dc) const;

    const WindowDescription& m_description;
    HWND m_window = nullptr;
    std::vector<Control> m_controls; // in the description's order, which finds them
    HWND m_firstFocus = nullptr;
    std::optional<int> m_defaultId;
    HFONT m_font = nullptr;
    UINT m_dpi = 96;
    HBRUSH m_background = nullptr; // the system's, not ours to delete
};

} // namespace ringcalc::runtime
