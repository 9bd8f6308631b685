// Reading a number from a box of the window.
#include "core/action_views.h"

#include "runtime/read_number.h"
#include "runtime/runtime_error.h"

namespace ringcalc::core {

double readBox(const RadiiView& window, std::string_view box, std::string_view text) {
    try {
        return runtime::ReadNumber(text);
    } catch (const runtime::RuntimeError& error) {
        // Reading knows nothing of boxes; the action does, and tells the user which one is at fault.
        throw runtime::RuntimeError(error.kind(), window.boxCaption(box));
    }
}

} // namespace ringcalc::core
