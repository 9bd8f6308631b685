// A program whose window cannot be built: its one binding names a control that is not there.
#include "runtime/program.h"

int main(int argc, char** argv) {
    static const ringcalc::runtime::WindowDescription window{"Form1", "Form1", 1500, 1500, {}};
    const ringcalc::runtime::Action nothing = [](ringcalc::runtime::Form&, ringcalc::runtime::MessageBoxService&) {};
    ringcalc::runtime::start({&window, {{"Missing", ringcalc::runtime::Event::Click, nothing}}, "bad_start"}, argc,
                             argv);
}
