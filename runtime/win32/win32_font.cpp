// The window's font on Windows, and GDI's measure of texts for the font rule.
#include "runtime/win32/win32_font.h"

#include "runtime/pinned.h"
#include "runtime/win32/win32_dpi.h"
#include "runtime/win32/win32_text.h"

#include <cmath>
#include <string>

namespace ringcalc::runtime {
namespace {

// Texts measured with GDI in the message font's family at the window's DPI; the font of the size last asked
// for stays selected, as the rule measures every caption at one size before the next.
class GdiTextMeasure final : public TextMeasure, private Pinned {
public:
    GdiTextMeasure(const LOGFONTW& family, UINT dpi) : m_family(family), m_dpi(dpi), m_dc(CreateCompatibleDC(nullptr)) {
        m_previous = GetCurrentObject(m_dc, OBJ_FONT);
    }
    ~GdiTextMeasure() {
        SelectObject(m_dc, m_previous);
        if (m_font != nullptr) {
            DeleteObject(m_font);
        }
        DeleteDC(m_dc);
    }

    [[nodiscard]] TextExtent extent(std::string_view text, double size) const override {
        if (m_font == nullptr || size != m_size) {
            const HFONT font = fontAt(m_family, size, m_dpi);
            SelectObject(m_dc, font);
            if (m_font != nullptr) {
                DeleteObject(m_font);
            }
            m_font = font;
            m_size = size;
            TEXTMETRICW metrics{};
            GetTextMetricsW(m_dc, &metrics);
            m_height = metrics.tmHeight;
        }
        const std::wstring wide = wideText(text);
        SIZE extent{};
        GetTextExtentPoint32W(m_dc, wide.c_str(), static_cast<int>(wide.size()), &extent);
        return {static_cast<double>(extent.cx), static_cast<double>(m_height)};
    }

private:
    LOGFONTW m_family;
    UINT m_dpi;
    HDC m_dc;
    HGDIOBJ m_previous = nullptr;
    mutable HFONT m_font = nullptr;
    mutable double m_size = 0;
    mutable LONG m_height = 0;
};

} // namespace

LOGFONTW messageFont(UINT dpi) {
    return nonClientMetricsForDpi(dpi).lfMessageFont;
}

HFONT fontAt(LOGFONTW font, double points, UINT dpi) {
    font.lfHeight = -static_cast<LONG>(std::lround(points * dpi / 72.0));
    font.lfWidth = 0;
    return CreateFontIndirectW(&font);
}

double fittedFontPoints(const std::vector<TextRoom>& rooms, UINT dpi) {
    const LOGFONTW family = messageFont(dpi);
    const double systemPoints = -family.lfHeight * 72.0 / dpi;
    return fittedFontSize(GdiTextMeasure(family, dpi), rooms, fontSteps(systemPoints, true, dpi));
}

} // namespace ringcalc::runtime
