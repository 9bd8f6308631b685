// Building the program's window and running its loop, as every window layer's start() does.
#pragma once

#include <memory>

namespace ringcalc::runtime {

struct ProjectDescriptor;
class MessageBoxService;
class Program;

/// Builds the program's window; null when it could not be built, which one line (tellStartFailure) tells.
/// It builds the layer's Program, so each window layer compiles it in.
[[nodiscard]] std::unique_ptr<Program> buildProgram(const ProjectDescriptor& project, MessageBoxService& messageBox);

/// Builds the program's window and runs loop until the program ends; returns the loop's status, or 1 when
/// the window could not be built.
[[nodiscard]] int runProgram(const ProjectDescriptor& project, MessageBoxService& messageBox, int (*loop)());

} // namespace ringcalc::runtime
