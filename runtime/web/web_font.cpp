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

// The advance of each text (joined by U+001F) and the height of a line, at each of count sizes from start down
// by step, laid out once for all: each asking on its own would lay the page out again. Written size by size,
// the line's height first.
EM_JS(void, webMeasureAll, (const char* joined, int length, double start, double step, int count, double* out), {
    const texts = UTF8ToString(joined, length).split(String.fromCharCode(31));
    const probe = document.getElementById("rc-measure");
    const rows = [];
    for (let i = 0; i < count; i++) {
        const row = document.createElement("div");
        row.style.fontSize = (start - i * step) + "px";
        for (const text of["Xg"].concat(texts)) {
            const span = document.createElement("span");
            span.textContent = text;
            row.appendChild(span);
            row.appendChild(document.createElement("br"));
        }
        rows.push(row);
    }
    probe.replaceChildren(... rows);
    let at = out >> 3;
    for (const row of rows) {
        const spans = row.getElementsByTagName("span");
        HEAPF64[at++] = spans[0].getBoundingClientRect().height;
        for (let j = 1; j < spans.length; j++) {
            HEAPF64[at++] = spans[j].getBoundingClientRect().width;
        }
    }
    probe.replaceChildren();
});

// Every room's text at every size of the steps, measured in the page at once.
class PageTextMeasure final : public TextMeasure {
public:
    PageTextMeasure(const std::vector<TextRoom>& rooms, const FontSteps& steps)
        : m_steps(steps),
          m_sizes(static_cast<std::size_t>(std::lround((steps.start - steps.smallest) / steps.step)) + 1) {
        std::string joined;
        for (const TextRoom& room : rooms) {
            if (!joined.empty() || &room != &rooms.front()) {
                joined += '\x1f';
            }
            joined += room.text;
            m_texts.push_back(room.text);
        }
        m_extents.resize(m_sizes * (m_texts.size() + 1));
        webMeasureAll(joined.data(), static_cast<int>(joined.size()), steps.start, steps.step,
                      static_cast<int>(m_sizes), m_extents.data());
    }

    [[nodiscard]] TextExtent extent(std::string_view text, double size) const override {
        const auto step =
            std::min(static_cast<std::size_t>(std::lround((m_steps.start - size) / m_steps.step)), m_sizes - 1);
        const double* row = &m_extents[step * (m_texts.size() + 1)];
        const auto found = std::find(m_texts.begin(), m_texts.end(), text);
        return {text.empty() || found == m_texts.end() ? 0.0 : row[1 + (found - m_texts.begin())], row[0]};
    }

private:
    FontSteps m_steps;
    std::size_t m_sizes;
    std::vector<std::string> m_texts;
    std::vector<double> m_extents;
};

} // namespace

double fittedPageFontSize(const std::vector<TextRoom>& rooms) {
    const FontSteps steps = fontSteps(webPageFontSize(), false, 96);
    return fittedFontSize(PageTextMeasure(rooms, steps), rooms, steps);
}

} // namespace ringcalc::runtime
