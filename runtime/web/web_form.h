// The browser's side of a window built from its description: its element in the page and its controls.
#pragma once

#include "runtime/form.h"

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace ringcalc::runtime {

/// The browser's side of a window: an element of the page, named as the window, holding one element a
/// control (a text box an <input type=text>, a button a <button>, a label a <label for> of the control it
/// names), placed in CSS pixels from twips. Form's members work on it.
struct Form::Native : private Pinned {
    explicit Native(const WindowDescription& description);
    ~Native();

    /// Called with a control's index in the description for its click or its change: once for each key,
    /// paste, cut, drop or undo that changes a box's text.
    std::function<void(std::size_t control, Event event)> onEvent;

    /// Tells the window of an event of a control's element; the page's handlers call it.
    void fire(std::size_t control, Event event) const;

    /// The size of the font the window chose, in CSS pixels.
    [[nodiscard]] double fontSize() const noexcept { return m_fontSize; }

private:
    friend class Form;
    void chooseFont();

    const WindowDescription& m_description;
    double m_fontSize = 0;
};

} // namespace ringcalc::runtime
