// The one line a program that cannot start leaves on standard error, and the start that may leave it.
#pragma once

#include <string_view>

namespace ringcalc::runtime {

/// Writes "<program>: <why>" and a line break on standard error.
void tellStartFailure(std::string_view program, std::string_view why);

struct ProjectDescriptor;
class MessageBoxService;

/// Builds the program's window and runs loop until the program ends; returns the loop's status, or 1 when
/// the window could not be built, which one line on standard error tells. Each window layer compiles it in.
[[nodiscard]] int runProgram(const ProjectDescriptor& project, MessageBoxService& messageBox, int (*loop)());

} // namespace ringcalc::runtime
