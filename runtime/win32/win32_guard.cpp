// The one guard of every window procedure of the layer.
#include "runtime/win32/win32_guard.h"

#include "runtime/start_failure.h"
#include "runtime/win32/win32_text.h"

#include <algorithm>
#include <string>

namespace ringcalc::runtime {
namespace {

// The program's name as Windows shows it: its file's, without the folder and the extension.
[[nodiscard]] std::string programName() {
    std::wstring path(MAX_PATH, L'\0');
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    path.resize(length);
    path.erase(0, path.find_last_of(L"\\/") + 1);
    path.erase(std::min(path.find_last_of(L'.'), path.size()));
    return utf8Text(path);
}

} // namespace

void reportFault(const FaultReport* report) noexcept {
    if (report != nullptr && *report) {
        try {
            (*report)(std::current_exception());
            return;
        } catch (...) {
            // Reporting failed as well: nothing is left but to end.
        }
    }
    try {
        std::string why = "ends after an error in its window";
        try {
            std::rethrow_exception(std::current_exception());
        } catch (const std::exception& error) {
            why.append(": ").append(error.what());
        } catch (...) {
            // no words of its own
        }
        tellStartFailure(programName(), why);
    } catch (...) {
        // Not even the line can be made: the status still says it.
    }
    PostQuitMessage(1);
}

} // namespace ringcalc::runtime
