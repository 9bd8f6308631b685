// The window's font in the page, and the page's measure of texts for the font rule.
#include "runtime/web/web_font.h"

#include "runtime/web/web_text.h"

#include <emscripten.h>

#include <string>

namespace ringcalc::runtime {
namespace {

// The page's own size for its text, in CSS pixels.
EM_JS(double, webPageFontSize, (), { return parseFloat(getComputedStyle(document.documentElement).fontSize) || 16; });

// A text"s advance and a line"s height in the window's family at a size, as the page lays them out.
EM_JS(double, webTextWidth, (const char* text, int length, double size), {
    const probe = document.getElementById("rc-measure");
    probe.style.fontSize = size + "px";
    probe.textContent = UTF8ToString(text, length);
    return probe.getBoundingClientRect().width;
});

EM_JS(double, webLineHeight, (double size), {
    const probe = document.getElementById("rc-measure");
    probe.style.fontSize = size + "px";
    probe.textContent = "Xg";
    return probe.getBoundingClientRect().height;
});

class PageTextMeasure final : public TextMeasure {
public:
    [[nodiscard]] TextExtent extent(std::string_view text, double size) const override {
        return {text.empty() ? 0.0 : webTextWidth(text.data(), static_cast<int>(text.size()), size),
                webLineHeight(size)};
    }
};

} // namespace

double fittedPageFontSize(const std::vector<TextRoom>& rooms) {
    return fittedFontSize(PageTextMeasure(), rooms, fontSteps(webPageFontSize(), false, 96));
}

} // namespace ringcalc::runtime
