// The window's font in the page, and the page's measure of texts for the font rule.
#include "runtime/web/web_font.h"

#include <emscripten.h>

namespace ringcalc::runtime {
namespace {

// The page's own size for its text, in CSS pixels.
EM_JS(double, webPageFontSize, (), { return parseFloat(getComputedStyle(document.documentElement).fontSize) || 16; });

// A text's advance (in the layout's units, 1/64 of a pixel, rounded up) in the window's family at a size, and
// a line's height there (the font's ascent and descent, as the page gives a line of it, the same for any
// text), from a canvas: measuring there lays nothing out, so the page's first layout is left to its first
// paint. The canvas's font is set only when the size changes; the family is the page's own, which the window
// inherits. A canvas off the page measures the same and is made in half the time; an older browser has only
// the page's own.
EM_JS(double, webMeasure, (const char* text, int length, double size, double* lineHeight), {
    if (!Module["rcCanvas"]) {
        const surface =
            typeof OffscreenCanvas == "function" ? new OffscreenCanvas(1, 1) : document.createElement("canvas");
        Module["rcCanvas"] = surface.getContext("2d");
        Module["rcFamily"] = getComputedStyle(document.documentElement).fontFamily;
    }
    const canvas = Module["rcCanvas"];
    if (Module["rcSize"] != size) {
        Module["rcSize"] = size;
        canvas.font = size + "px " + Module["rcFamily"];
    }
    const metrics = canvas.measureText(UTF8ToString(text, length));
    HEAPF64[lineHeight >> 3] = metrics.fontBoundingBoxAscent + metrics.fontBoundingBoxDescent;
    return Math.ceil(metrics.width * 64) / 64;
});

class PageTextMeasure final : public TextMeasure {
public:
    [[nodiscard]] TextExtent extent(std::string_view text, double size) const override {
        double lineHeight = 0;
        const double width = webMeasure(text.data(), static_cast<int>(text.size()), size, &lineHeight);
        return {width, lineHeight};
    }
};

} // namespace

double fittedPageFontSize(const std::vector<TextRoom>& rooms) {
    const FontSteps steps = fontSteps(webPageFontSize(), false, 96);
    return fittedFontSize(PageTextMeasure(), rooms, steps);
}

} // namespace ringcalc::runtime
