#pragma once

class QWidget;

namespace ringcalc::runtime {

/// Makes screen readers see the windows that Form builds as windows with their titles, and a label whose
/// text can be selected as text they can read and select. Idempotent; needs a QApplication.
void installAccessibility();

/// Drops the interface that screen readers were given for the widget, so that the next one made sees what
/// has changed since (a label made selectable after it was created).
void renewAccessibleInterface(QWidget& widget);

} // namespace ringcalc::runtime
