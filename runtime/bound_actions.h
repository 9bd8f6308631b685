// The project's actions as a window layer that reports its controls by index finds them.
#pragma once

#include "runtime/dispatch.h"
#include "runtime/window_description.h"

#include <cstddef>
#include <vector>

namespace ringcalc::runtime {

struct ProjectDescriptor;

/// A project's bindings by their control's index in the start window's description and their event.
class BoundActions {
public:
    /// Checks the project's window and bindings (checkDescription, then checkBindings) and keeps the bindings;
    /// raises RuntimeError(InvalidArgument) about the control at fault.
    explicit BoundActions(const ProjectDescriptor& project);

    /// Calls each action bound to that event of that control through dispatch, in the bindings' order.
    void fire(std::size_t control, Event event, Form& window, MessageBoxService& messageBox) const;

private:
    struct Bound {
        std::size_t control = 0;
        Event event = Event::Click;
        Action action;
    };
    std::vector<Bound> m_bound;
};

} // namespace ringcalc::runtime
