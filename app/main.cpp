// The entry point: hands the project descriptor to the runtime.
#include "app/project.h"

int main(int argc, char** argv) {
    // start() does not return, so the descriptor is the program's for its whole life, and nothing is left in
    // this frame to destroy if the runtime unwinds it.
    static const ringcalc::runtime::ProjectDescriptor project = ringcalc::app::projectDescriptor();
    ringcalc::runtime::start(project, argc, argv);
}
