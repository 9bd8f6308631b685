// The result line on Qt: a label whose text the mouse selects and the user copies.
#pragma once

class QLabel;

namespace ringcalc::runtime {

/// The mouse selects in the label (Qt then gives it click focus only, never Tab's), Ctrl+C copies, its own
/// menu copies or selects all in Qt's words for a text box's, and screen readers read it as text. Needs a
/// QApplication; forgetAccessible() before the label is destroyed.
void makeSelectable(QLabel& label);

} // namespace ringcalc::runtime
