// The project descriptor: the start window Form1 and the bindings of its events to the actions.
#include "app/project.h"

#include "core/radius_check.h"
#include "core/ring_sector.h"
#include "ui/form1.h"
#include "version.h"

namespace ringcalc::app {

using runtime::Event;
using runtime::Form;
using runtime::MessageBoxService;

runtime::ProjectDescriptor projectDescriptor() {
    return {
        &ui::form1Description(),
        {
            {"Command2", Event::Click,
             [](Form& window, MessageBoxService&) {
                 ui::Form1View view(window);
                 core::ShowResult(view);
             }},
            {"Text2", Event::Change,
             [](Form& window, MessageBoxService& messageBox) {
                 const ui::Form1View view(window);
                 core::CheckRadii(view, messageBox);
             }},
            {"Command1", Event::Click, [](Form&, MessageBoxService&) { runtime::end(); }},
        },
        "ringcalc",
        kVersionText,
        kAppId,
        "ru",
    };
}

} // namespace ringcalc::app
