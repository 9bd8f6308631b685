// The window's font on Qt: where each control draws its text, and Qt's measure of texts for the font rule.
#pragma once

#include "runtime/font_fit.h"

#include <QFont>

#include <vector>

class QWidget;

namespace ringcalc::runtime {

/// What the control's style keeps for itself of its rectangle before its text: a text box's frame and
/// margins, a button's bevel and focus rectangle, a label's frame.
[[nodiscard]] Insets insetsOf(QWidget& control);

/// The window's font family at the largest size, no larger than the system's, at which every text of
/// rooms fits in its room at the window's font resolution (the shared font rule, measured by Qt).
[[nodiscard]] QFont fittedFont(const QWidget& window, const std::vector<TextRoom>& rooms);

} // namespace ringcalc::runtime
