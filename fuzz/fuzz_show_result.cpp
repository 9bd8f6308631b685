// Fuzz target: both actions on any three texts.
#include "core/radius_check.h"
#include "core/ring_sector.h"
#include "fake_view.h"
#include "runtime/runtime_error.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

// The input is split at its first two NUL bytes into the three texts. Both actions either finish or raise
// the runtime error; on an error the caption is left as it was.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view rest(reinterpret_cast<const char*>(data), size);
    std::string texts[2];
    for (auto& text : texts) {
        const auto cut = rest.find('\0');
        text = rest.substr(0, cut);
        rest = cut == std::string_view::npos ? std::string_view{} : rest.substr(cut + 1);
    }
    ringcalc::testing::FakeView form(texts[0], texts[1], std::string(rest));
    try {
        ringcalc::core::ShowResult(form);
        if (form.label4.rfind("Площадь: кольца=", 0) != 0 || form.label4.back() != '%') {
            std::abort();
        }
    } catch (const ringcalc::runtime::RuntimeError&) {
        if (form.label4 != "Результат вычислений") {
            std::abort();
        }
    }
    ringcalc::testing::RecordingMessageBox box;
    try {
        ringcalc::core::CheckRadii(form, box);
    } catch (const ringcalc::runtime::RuntimeError&) {
    }
    return 0;
}
