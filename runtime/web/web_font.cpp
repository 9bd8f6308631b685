// The window's font in the page, and the page's measure of texts for the font rule.
#include "runtime/web/web_font.h"

#include "runtime/web/web_text.h"

#include <emscripten.h>

#include <algorithm>
#include <cmath>
#include <string>

namespace ringcalc::runtime {
namespace {

// The page's own size for its text, in CSS pixels.
EM_JS(double, webPageFontSize, (), { return parseFloat(getComputedStyle(document.documentElement).fontSize) || 16; });

// A text's advance (in the layout's units, 1/64 of a pixel, rounded up) and a line's height in the window's
// family at a size, from a canvas: measuring there lays nothing out, so the page's first layout is left to
// its first paint. A line's height is the font's ascent and descent, as the page gives a line of it.
EM_JS(double, webTextWidth, (const char* text, int length, double size), {
    const canvas = Module["rcCanvas"];
    if (Module["rcSize"] != size) {
        Module["rcSize"] = size;
        canvas.font = size + "px " + Module["rcFamily"];
    }
    return Math.ceil(canvas.measureText(UTF8ToString(text, length)).width * 64) / 64;
});

EM_JS(double, webLineHeight, (double size), {
    if (!Module["rcCanvas"]) {
        Module["rcCanvas"] = document.createElement("canvas").getContext("2d");
        Module["rcFamily"] = getComputedStyle(document.getElementById("rc-measure")).fontFamily;
    }
    const canvas = Module["rcCanvas"];
    Module["rcSize"] = size;
    canvas.font = size + "px " + Module["rcFamily"];
    const metrics = canvas.measureText("Xg");
    return metrics.fontBoundingBoxAscent + metrics.fontBoundingBoxDescent;
});

// A line's height is asked once a size.
class PageTextMeasure final : public TextMeasure {
public:
    [[nodiscard]] TextExtent extent(std::string_view text, double size) const override {
        if (size != m_size) {
            m_size = size;
            m_lineHeight = webLineHeight(size);
        }
        return {text.empty() ? 0.0 : webTextWidth(text.data(), static_cast<int>(text.size()), size), m_lineHeight};
    }

private:
    mutable double m_size = -1;
    mutable double m_lineHeight = 0;
};

} // namespace

double fittedPageFontSize(const std::vector<TextRoom>& rooms) {
    const FontSteps steps = fontSteps(webPageFontSize(), false, 96);
    return fittedFontSize(PageTextMeasure(), rooms, steps);
}

} // namespace ringcalc::runtime
