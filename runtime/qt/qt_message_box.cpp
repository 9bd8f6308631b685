// The message box of the desktop, on QMessageBox.
#include "runtime/qt/qt_message_box.h"

#include "runtime/qt/qt_form.h"
#include "runtime/qt/qt_text.h"

#include <QApplication>
#include <QMessageBox>

#include <array>
#include <utility>
#include <vector>

namespace ringcalc::runtime {
namespace {

[[nodiscard]] QMessageBox::Icon iconOf(int style) {
    switch (style & 0x70) {
    case 16:
        return QMessageBox::Critical;
    case 32:
        return QMessageBox::Question;
    case 48:
        return QMessageBox::Warning;
    case 64:
        return QMessageBox::Information;
    default:
        return QMessageBox::NoIcon;
    }
}

using ButtonCode = std::pair<QMessageBox::StandardButton, int>;

[[nodiscard]] std::vector<ButtonCode> buttonsOf(int style) {
    using B = QMessageBox;
    switch (style & 7) {
    case 1:
        return {{B::Ok, 1}, {B::Cancel, 2}};
    case 2:
        return {{B::Abort, 3}, {B::Retry, 4}, {B::Ignore, 5}};
    case 3:
        return {{B::Yes, 6}, {B::No, 7}, {B::Cancel, 2}};
    case 4:
        return {{B::Yes, 6}, {B::No, 7}};
    case 5:
        return {{B::Retry, 4}, {B::Cancel, 2}};
    default:
        return {{B::Ok, 1}};
    }
}

} // namespace

int QtMessageBox::show(std::string_view prompt, int style, std::string_view title) {
    // A carriage return, alone or before a line feed, breaks the line.
    QString text = qText(prompt);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));

    // A child of its window, which the window manager then keeps it over, whichever window is active.
    QWidget* const parent = owner() != nullptr ? &owner()->native().window() : QApplication::activeWindow();
    QMessageBox box(iconOf(style), qText(title), text, QMessageBox::NoButton, parent);
    box.setTextFormat(Qt::PlainText);
    const auto buttons = buttonsOf(style);
    for (const auto& [button, code] : buttons) {
        box.addButton(button);
    }
    box.setDefaultButton(buttons.front().first);
    const auto closedBy = static_cast<QMessageBox::StandardButton>(box.exec());
    for (const auto& [button, code] : buttons) {
        if (button == closedBy) {
            return code;
        }
    }
    return buttons.back().second; // closed by Esc or the close box
}

} // namespace ringcalc::runtime
