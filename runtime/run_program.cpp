// Building the program's window and running its loop, as every window layer's start does.
#include "runtime/run_program.h"

#include "runtime/program.h"
#include "runtime/start_failure.h"

#include <optional>
#include <string>

namespace ringcalc::runtime {

int runProgram(const ProjectDescriptor& project, MessageBoxService& messageBox, int (*loop)()) {
    std::optional<Program> program;
    try {
        program.emplace(project, messageBox);
    } catch (const std::exception& error) {
        tellStartFailure(project.applicationName, std::string("cannot build its window: ") + error.what());
        return 1;
    }
    return loop();
}

} // namespace ringcalc::runtime
