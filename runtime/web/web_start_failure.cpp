// The one line a program that cannot start leaves in the page, where its user looks.
#include "runtime/start_failure.h"

#include <emscripten.h>

#include <string>

namespace ringcalc::runtime {
namespace {

EM_JS(void, webTellFailure, (const char* line), {
    const failure = document.createElement("p");
    failure.id = "rc-failure";
    failure.setAttribute("role", "alert");
    failure.textContent = UTF8ToString(line);
    document.getElementById("rc-screen").appendChild(failure);
});

} // namespace

void tellStartFailure(std::string_view program, std::string_view why) {
    std::string line;
    line.append(program).append(": ").append(why);
    webTellFailure(line.c_str());
}

} // namespace ringcalc::runtime
