// The window's font on Qt, and Qt's measure of texts for the font rule.
#include "runtime/qt/qt_font.h"

#include "runtime/qt/qt_text.h"

#include <QFontMetricsF>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QStyleOption>
#include <QWidget>

namespace ringcalc::runtime {
namespace {

// The window's font family at a size, in points or pixels as the system's font is given.
[[nodiscard]] QFont sized(QFont font, double size, bool inPoints) {
    if (inPoints) {
        font.setPointSizeF(size);
    } else {
        font.setPixelSize(static_cast<int>(size));
    }
    return font;
}

// Texts measured in the window's font at the window's font resolution.
class QtTextMeasure final : public TextMeasure {
public:
    QtTextMeasure(const QWidget& window, bool inPoints) : m_window(window), m_inPoints(inPoints) {}

    [[nodiscard]] TextExtent extent(std::string_view text, double size) const override {
        const QFontMetricsF metrics(sized(m_window.font(), size, m_inPoints), &m_window);
        return {metrics.horizontalAdvance(qText(text)), metrics.height()};
    }

private:
    const QWidget& m_window;
    bool m_inPoints;
};

} // namespace

Insets insetsOf(QWidget& control) {
    const auto insets = [&control](const QRect& contents) {
        const QRect all = control.rect();
        return Insets{
            static_cast<double>(contents.left() - all.left()), static_cast<double>(contents.top() - all.top()),
            static_cast<double>(all.right() - contents.right()), static_cast<double>(all.bottom() - contents.bottom())};
    };
    QStyle& style = *control.style();
    if (auto* edit = qobject_cast<QLineEdit*>(&control)) {
        QStyleOptionFrame option;
        option.initFrom(edit);
        option.rect = edit->rect();
        option.lineWidth = style.pixelMetric(QStyle::PM_DefaultFrameWidth, &option, edit);
        return insets(style.subElementRect(QStyle::SE_LineEditContents, &option, edit));
    }
    if (auto* button = qobject_cast<QPushButton*>(&control)) {
        QStyleOptionButton option;
        option.initFrom(button);
        option.rect = button->rect();
        option.text = button->text();
        return insets(style.subElementRect(QStyle::SE_PushButtonContents, &option, button));
    }
    return insets(control.contentsRect());
}

QFont fittedFont(const QWidget& window, const std::vector<TextRoom>& rooms) {
    const QFont& system = window.font();
    const bool inPoints = system.pointSizeF() > 0;
    const FontSteps steps =
        fontSteps(inPoints ? system.pointSizeF() : system.pixelSize(), inPoints, window.logicalDpiY());
    const double size = fittedFontSize(QtTextMeasure(window, inPoints), rooms, steps);
    return size == steps.start ? system : sized(system, size, inPoints);
}

} // namespace ringcalc::runtime
