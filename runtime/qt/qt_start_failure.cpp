// The one line a program that cannot start leaves on standard error.
#include "runtime/start_failure.h"

#include <cstdio>
#include <string>

namespace ringcalc::runtime {

void tellStartFailure(std::string_view program, std::string_view why) {
    std::string line;
    line.append(program).append(": ").append(why).append("\n");
    std::fwrite(line.data(), 1, line.size(), stderr);
    std::fflush(stderr);
}

} // namespace ringcalc::runtime
