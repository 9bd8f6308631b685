// The one line a program that cannot start leaves on Windows: on standard error or the console it was started
// from, or in a message box when it has neither, as when started from Explorer or the Start menu.
#include "runtime/start_failure.h"

#include "runtime/win32/win32_text.h"

#include <windows.h>

#include <cstdio>
#include <string>

namespace ringcalc::runtime {
namespace {

[[nodiscard]] bool hasStandardError() {
    const HANDLE error = GetStdHandle(STD_ERROR_HANDLE);
    return error != nullptr && error != INVALID_HANDLE_VALUE && GetFileType(error) != FILE_TYPE_UNKNOWN;
}

// A program of the windows subsystem started from a command prompt has no console of its own, but its
// parent's can be borrowed for the line.
[[nodiscard]] bool toParentConsole(const std::wstring& line) {
    if (AttachConsole(ATTACH_PARENT_PROCESS) == 0) {
        return false;
    }
    const HANDLE console = CreateFileW(L"CONOUT$", GENERIC_WRITE, FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
    DWORD written = 0;
    const bool done = console != INVALID_HANDLE_VALUE &&
                      WriteConsoleW(console, line.c_str(), static_cast<DWORD>(line.size()), &written, nullptr) != 0;
    if (console != INVALID_HANDLE_VALUE) {
        CloseHandle(console);
    }
    FreeConsole();
    return done;
}

} // namespace

void tellStartFailure(std::string_view program, std::string_view why) {
    std::string line;
    line.append(program).append(": ").append(why);
    if (hasStandardError()) {
        line.append("\n");
        std::fwrite(line.data(), 1, line.size(), stderr);
        std::fflush(stderr);
        return;
    }
    const std::wstring wide = wideText(line);
    if (toParentConsole(wide + L"\r\n")) {
        return;
    }
    const std::wstring title = wideText(program);
    MessageBoxW(nullptr, wide.c_str(), title.c_str(), MB_OK | MB_ICONERROR | MB_SETFOREGROUND | MB_TASKMODAL);
}

} // namespace ringcalc::runtime
