// What screen readers are told of the windows that Form builds.
#pragma once

class QLabel;
class QWidget;

namespace ringcalc::runtime {

/// Screen readers see the window as a window with its title (Qt would announce a plain widget as a filler).
/// Needs a QApplication; forgetAccessible() before the window is destroyed.
void announceAsWindow(QWidget& window);

/// Screen readers can read a selectable label as text and see and set its selection. Needs a QApplication;
/// forgetAccessible() before the label is destroyed.
void announceAsSelectableText(QLabel& label);

/// Screen readers get Qt's own interface for the widget from now on: a widget that is about to be destroyed
/// must be given no new interface of ours, which Qt would keep after it is gone.
void forgetAccessible(QWidget& widget);

} // namespace ringcalc::runtime
