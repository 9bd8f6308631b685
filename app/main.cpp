// The entry point: hands the project descriptor to the runtime.
#include "app/project.h"

int main(int argc, char** argv) {
    ringcalc::runtime::start(ringcalc::app::projectDescriptor(), argc, argv);
}
