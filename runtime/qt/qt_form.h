// The Qt side of a window built from its description: its QWidget and controls.
#pragma once

#include "runtime/form.h"

#include <memory>
#include <string_view>
#include <vector>

class QObject;
class QWidget;

namespace ringcalc::runtime {

/// The Qt side of a window: a top-level QWidget and its controls. Form's members work on it.
struct Form::Native : private Pinned {
    explicit Native(const WindowDescription& description);
    ~Native();

    /// The top-level widget.
    [[nodiscard]] QWidget& window() const noexcept { return *m_window; }

    /// The control of that name. Raises RuntimeError(InvalidArgument) about the name when there is none.
    [[nodiscard]] QWidget& control(std::string_view name) const;

private:
    friend class Form;
    struct Control {
        const ControlDescription* description = nullptr;
        QWidget* widget = nullptr; // owned by m_window
    };
    [[nodiscard]] const Control& find(std::string_view name) const;
    void steadyCursorInLongTexts();

    const WindowDescription& m_description;
    std::unique_ptr<QWidget> m_window;
    std::vector<Control> m_controls; // in the description's order, which finds them
    QWidget* m_firstFocus = nullptr;
    std::unique_ptr<QObject> m_focusWatch; // the context of the connections that watch the focus and the texts
    int m_cursorFlashTime = 0;             // the desktop's, restored when the window goes
    bool m_steadyCursor = false;
};

} // namespace ringcalc::runtime
