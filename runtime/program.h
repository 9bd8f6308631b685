// The project descriptor, the running program, and the runtime's start and end.
#pragma once

#include "runtime/dispatch.h"
#include "runtime/form.h"
#include "runtime/pinned.h"
#include "runtime/window_description.h"

#include <memory>
#include <string_view>
#include <vector>

namespace ringcalc::runtime {

/// One event of one control and its action.
struct EventBinding {
    std::string_view control;
    Event event = Event::Click;
    Action action;
};

/// What the runtime starts: the start window, the bindings of its events, and how the desktop names it.
struct ProjectDescriptor {
    const WindowDescription* startWindow = nullptr;
    std::vector<EventBinding> bindings;
    std::string_view applicationName;    ///< such as "ringcalc"
    std::string_view applicationVersion; ///< such as "1.00"
    std::string_view desktopFileName;    ///< the desktop's name for it: the .desktop entry's without ".desktop"
    std::string_view language;           ///< the program's language, such as "ru": the toolkit's own texts
                                         ///< (menus, buttons) are shown in it where the toolkit has them
};

/// The running program: the start window built, its events bound through dispatch, shown with the focus
/// on its lowest tab index. Needs the toolkit's application (Qt's) or thread (Win32's message queue). The
/// controls call back into it, so it is pinned where it was built.
class Program : private Pinned {
public:
    /// Raises RuntimeError(InvalidArgument), about the control at fault, for a bad window description or a
    /// binding to a control that is not there or cannot have that event.
    Program(const ProjectDescriptor& project, MessageBoxService& messageBox);
    ~Program();

    /// The start window.
    [[nodiscard]] Form& form() const noexcept { return *m_form; }

private:
    struct Native; // what the toolkit's layer keeps while the program runs
    MessageBoxService& m_messageBox;
    std::unique_ptr<Native> m_native;
    std::unique_ptr<Form> m_form;
};

/// Starts the program: builds and shows the start window and runs the message loop until the program
/// ends, then ends the process with the loop's exit status. SIGTERM, SIGINT and SIGHUP end the program as
/// "Exit" does, with status 0, unless they were ignored when it started. When no window platform can start
/// or the window cannot be built, one line on standard error says why and the status is 1. Never returns.
[[noreturn]] void start(const ProjectDescriptor& project, int argc, char** argv);

/// Ends the program at once: its windows go away and the message loop returns with status 0.
void end();

} // namespace ringcalc::runtime
