// The result line on Qt: selection, its own menu, and what screen readers get.
#include "runtime/qt/qt_selectable_label.h"

#include "runtime/qt/qt_accessible.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>

namespace ringcalc::runtime {

void makeSelectable(QLabel& label) {
    label.setTextInteractionFlags(Qt::TextSelectableByMouse);
    // A selectable label has no menu of its own in Qt 6.4: one with the entries the text boxes have, in the
    // same words, so Qt's translation gives them in the program's language.
    label.setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(&label, &QWidget::customContextMenuRequested, &label, [&label](const QPoint& at) {
        auto* menu = new QMenu(&label);
        menu->setAttribute(Qt::WA_DeleteOnClose);
        QAction* copy = menu->addAction(QCoreApplication::translate("QLineEdit", "&Copy"), &label,
                                        [&label] { QGuiApplication::clipboard()->setText(label.selectedText()); });
        copy->setShortcut(QKeySequence::Copy);
        copy->setEnabled(label.hasSelectedText());
        menu->addSeparator();
        QAction* all = menu->addAction(QCoreApplication::translate("QLineEdit", "Select All"), &label,
                                       [&label] { label.setSelection(0, static_cast<int>(label.text().size())); });
        all->setShortcut(QKeySequence::SelectAll);
        menu->popup(label.mapToGlobal(at));
    });
    announceAsSelectableText(label);
}

} // namespace ringcalc::runtime
