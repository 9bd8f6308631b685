#include "core/radius_check.h"
#include "core/ring_sector.h"
#include "runtime/runtime_error.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

class FuzzForm final : public ringcalc::ResultForm, public ringcalc::RadiiForm {
public:
    std::string m_texts[3];
    std::string m_caption = "Результат вычислений";
    [[nodiscard]] std::string text1() const override { return m_texts[0]; }
    [[nodiscard]] std::string text2() const override { return m_texts[1]; }
    [[nodiscard]] std::string text3() const override { return m_texts[2]; }
    void setLabel4Caption(std::string_view caption) override { m_caption = caption; }
};

class SilentBox final : public ringcalc::runtime::MessageBoxService {
public:
    int show(std::string_view, int, std::string_view) override { return 1; }
};

} // namespace

// The input is split at its first two NUL bytes into the three texts. Both actions either finish or raise
// the runtime error; on an error the caption is left as it was.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view rest(reinterpret_cast<const char*>(data), size);
    FuzzForm form;
    for (int i = 0; i < 2; ++i) {
        const auto cut = rest.find('\0');
        form.m_texts[i] = rest.substr(0, cut);
        rest = cut == std::string_view::npos ? std::string_view{} : rest.substr(cut + 1);
    }
    form.m_texts[2] = rest;
    try {
        ringcalc::ShowResult(form);
        if (form.m_caption.rfind("Площадь: кольца=", 0) != 0 || form.m_caption.back() != '%') {
            std::abort();
        }
    } catch (const ringcalc::runtime::RuntimeError&) {
        if (form.m_caption != "Результат вычислений") {
            std::abort();
        }
    }
    SilentBox box;
    try {
        ringcalc::CheckRadii(form, box);
    } catch (const ringcalc::runtime::RuntimeError&) {
    }
    return 0;
}
