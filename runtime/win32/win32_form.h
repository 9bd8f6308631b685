// The Win32 side of a window built from its description: its HWND and controls.
#pragma once

#include "runtime/form.h"

#include <windows.h>

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ringcalc::runtime {

/// The Win32 side of a window: a top-level window of the platform and its native controls, placed from
/// twips at the window's DPI.
struct Form::Native : private Pinned {
    explicit Native(const WindowDescription& description);
    ~Native();

    /// The top-level window.
    [[nodiscard]] HWND window() const noexcept { return m_window; }

    /// The control of that name. Raises RuntimeError(InvalidArgument) about the name when there is none.
    [[nodiscard]] HWND control(std::string_view name) const;

    // What Form's members of the same names do.
    [[nodiscard]] std::string captionFor(std::string_view name) const;
    [[nodiscard]] std::string text(std::string_view name) const;
    void setCaption(std::string_view name, std::string_view caption);
    void show();

    /// Called with a control's name for a button's click (BN_CLICKED) or a text box's change (EN_CHANGE).
    std::function<void(std::string_view control, WORD notification)> onCommand;

    /// The window's font, and its size in points that the font rule chose.
    [[nodiscard]] HFONT font() const noexcept { return m_font; }
    [[nodiscard]] double fontPoints() const noexcept { return m_fontPoints; }

    /// The window's dots per inch.
    [[nodiscard]] UINT dpi() const noexcept { return m_dpi; }

    /// The client-area rectangle in pixels that a control takes.
    [[nodiscard]] RECT placeOf(std::string_view name) const;

private:
    struct Control {
        ControlDescription description;
        HWND hwnd = nullptr;
        int id = 0;
        RECT place{}; // in the window's client area, in pixels
    };
    static LRESULT CALLBACK windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK selectableProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                           DWORD_PTR data);
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
    [[nodiscard]] const Control& find(std::string_view name) const;
    [[nodiscard]] const Control* findById(int id) const;
    [[nodiscard]] const Control* findByHandle(HWND hwnd) const;
    [[nodiscard]] SIZE frameSize() const;
    void computePlaces();
    [[nodiscard]] static RECT controlRect(const Control& control);
    void placeControls();
    void chooseFont();
    void fitToCaption(Control& control);
    void paintBorders(HDC dc) const;

    const WindowDescription& m_description;
    HWND m_window = nullptr;
    std::vector<Control> m_controls;
    HWND m_firstFocus = nullptr;
    std::optional<int> m_defaultId;
    HFONT m_font = nullptr;
    double m_fontPoints = 0;
    UINT m_dpi = 96;
    HBRUSH m_background = nullptr; // the system's, not ours to delete
};

/// Runs the thread's message loop, with the dialog manager's keys, until the program ends; returns its exit
/// status (0 after end() or when the only window is closed).
[[nodiscard]] int runMessageLoop();

} // namespace ringcalc::runtime
