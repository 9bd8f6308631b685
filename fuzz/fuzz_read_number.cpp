// Fuzz target: reading a number from any text, and writing it back.
#include "runtime/number_text.h"
#include "runtime/read_number.h"
#include "runtime/runtime_error.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string_view>

// Any text reads as a finite double or raises the runtime error; the text of that double reads back to
// the same number within the 15 digits it was written with.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    double value = 0;
    try {
        value = ringcalc::runtime::ReadNumber(text);
    } catch (const ringcalc::runtime::RuntimeError&) {
        return 0;
    }
    if (!std::isfinite(value)) {
        std::abort();
    }
    const double again = ringcalc::runtime::ReadNumber(ringcalc::runtime::NumberText(value));
    if (std::fabs(again - value) > std::fabs(value) * 1e-14) {
        std::abort();
    }
    return 0;
}
