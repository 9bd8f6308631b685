// A window built from its description, its controls found by name.
#pragma once

#include "runtime/pinned.h"
#include "runtime/window_description.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

class QObject;
class QWidget;

namespace ringcalc::runtime {

/// A top-level window built from its description; it owns its controls and finds them by name.
class Form : private Pinned {
public:
    /// Builds the window and its controls, hidden. Raises RuntimeError(InvalidArgument), about the control at
    /// fault, for a description in which a control that is not a label names another, or a label names a
    /// control that is not there.
    explicit Form(const WindowDescription& description);
    ~Form();

    /// The top-level widget.
    [[nodiscard]] QWidget& window() const noexcept { return *m_window; }

    /// The control of that name. Raises RuntimeError(InvalidArgument) about the name when there is none.
    [[nodiscard]] QWidget& control(std::string_view name) const;

    /// The caption of the label that names the control, such as "Внешний радиус" for the box under it; the
    /// control's own name when no label names it. Raises RuntimeError(InvalidArgument) when there is none.
    [[nodiscard]] std::string captionFor(std::string_view name) const;

    /// The current text of a text box, or the caption of a button or label (UTF-8).
    [[nodiscard]] std::string text(std::string_view name) const;

    /// Sets the text of a text box or the caption of a button or label; an auto-sized label fits itself
    /// to the caption on one line, its border included.
    void setCaption(std::string_view name, std::string_view caption);

    /// Shows the window and puts the focus on the focusable control with the lowest tab index.
    void show();

private:
    struct Control {
        std::string name;
        QWidget* widget = nullptr; // owned by m_window
        bool autoSize = false;
    };
    [[nodiscard]] const Control& find(std::string_view name) const;
    void steadyCursorInLongTexts();

    std::unique_ptr<QWidget> m_window;
    std::vector<Control> m_controls;
    QWidget* m_firstFocus = nullptr;
    std::unique_ptr<QObject> m_focusWatch; // the context of the connections that watch the focus and the texts
    int m_cursorFlashTime = 0;             // the desktop's, restored when the window goes
    bool m_steadyCursor = false;
};

} // namespace ringcalc::runtime
