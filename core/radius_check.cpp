// The radius check: the warning when the inner radius exceeds the outer one.
#include "core/radius_check.h"

#include "runtime/arithmetic.h"

namespace ringcalc::core {

std::string radiusWarningPrompt() {
    return runtime::join(runtime::join("Внутренний радиус больше внешнего, ", runtime::character(13)),
                         "результат вычислений будет неверен");
}

void CheckRadii(const RadiiView& window, runtime::MessageBoxService& messageBox) {
    // The inner radius is read first: an error in it stops the check before the outer one is looked at.
    const double inner = readBox(window, "Text2", window.text2());
    const double outer = readBox(window, "Text1", window.text1());
    if (innerExceedsOuter(inner, outer)) {
        messageBox.show(radiusWarningPrompt(), runtime::kStyleCritical, kRadiusWarningTitle);
    }
}

} // namespace ringcalc::core
