// Building the program's window and running its loop, as every window layer's start does.
#include "runtime/run_program.h"

#include "runtime/program.h"
#include "runtime/start_failure.h"

#include <string>

namespace ringcalc::runtime {

std::unique_ptr<Program> buildProgram(const ProjectDescriptor& project, MessageBoxService& messageBox) {
    try {
        return std::make_unique<Program>(project, messageBox);
    } catch (const std::exception& error) {
        tellStartFailure(project.applicationName, std::string("cannot build its window: ") + error.what());
        return nullptr;
    }
}

int runProgram(const ProjectDescriptor& project, MessageBoxService& messageBox, int (*loop)()) {
    const std::unique_ptr<Program> program = buildProgram(project, messageBox);
    return program != nullptr ? loop() : 1;
}

} // namespace ringcalc::runtime
