// A window built from its description, as the actions and the start see it, whatever the toolkit.
#pragma once

#include "runtime/pinned.h"
#include "runtime/window_description.h"
#include "runtime/window_rules.h"

#include <memory>
#include <string>
#include <string_view>

namespace ringcalc::runtime {

/// A top-level window built from its description; it owns its controls and finds them by name. Each
/// window layer implements its members but captionFor, which follows from the description.
class Form : private Pinned {
public:
    /// Builds the window and its controls, hidden. Raises RuntimeError(InvalidArgument), about the control at
    /// fault, for a description in which a control that is not a label names another, a label names a
    /// control that is not there, or the default button is not a button.
    explicit Form(const WindowDescription& description);
    ~Form();

    /// The caption of the label that names the control, such as "Внешний радиус" for the box under it; the
    /// control's own name when no label names it. Raises RuntimeError(InvalidArgument) when there is none.
    [[nodiscard]] std::string captionFor(std::string_view name) const {
        (void)controlNamed(m_description, name);
        const ControlDescription* label = labelOf(m_description, name);
        return label != nullptr ? text(label->name) : std::string(name);
    }

    /// The current text of a text box, or the caption of a button or label (UTF-8). Raises
    /// RuntimeError(InvalidArgument) about the name when there is no such control.
    [[nodiscard]] std::string text(std::string_view name) const;

    /// Sets the text of a text box or the caption of a button or label; an auto-sized label fits itself
    /// to the caption on one line, its border included.
    void setCaption(std::string_view name, std::string_view caption);

    /// Shows the window and puts the focus on the focusable control with the lowest tab index.
    void show();

    /// The toolkit's window and controls: each layer defines it, for itself and its tests.
    struct Native;
    [[nodiscard]] Native& native() const noexcept { return *m_native; }

private:
    const WindowDescription& m_description;
    std::unique_ptr<Native> m_native;
};

} // namespace ringcalc::runtime
