// The project's actions by control index and event.
#include "runtime/bound_actions.h"

#include "runtime/program.h"
#include "runtime/window_rules.h"

namespace ringcalc::runtime {

BoundActions::BoundActions(const ProjectDescriptor& project) {
    const WindowDescription& window = *project.startWindow;
    checkDescription(window);
    checkBindings(window, project.bindings);
    for (const EventBinding& binding : project.bindings) {
        m_bound.push_back({controlIndex(window, binding.control), binding.event, binding.action});
    }
}

void BoundActions::fire(std::size_t control, Event event, Form& window, MessageBoxService& messageBox) const {
    for (const Bound& bound : m_bound) {
        if (bound.control == control && bound.event == event) {
            dispatch(bound.action, window, messageBox);
        }
    }
}

} // namespace ringcalc::runtime
