// Screen readers' view of Form's windows: a window role with its title, a selectable label as text.
#include "runtime/qt/qt_accessible.h"

#include <QAccessibleWidget>
#include <QLabel>

#include <algorithm>
#include <unordered_map>

namespace ringcalc::runtime {
namespace {

// Qt's own interface of a label has no text interface, so a reader could announce the result line but
// not read it by character or word, nor see what is selected in it.
class SelectableLabelAccessible final : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit SelectableLabelAccessible(QLabel* label) : QAccessibleWidget(label, QAccessible::StaticText) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TextInterface) {
            return static_cast<QAccessibleTextInterface*>(this);
        }
        return QAccessibleWidget::interface_cast(type);
    }

    [[nodiscard]] QString text(QAccessible::Text kind) const override {
        return kind == QAccessible::Name ? label().text() : QAccessibleWidget::text(kind);
    }

    void selection(int index, int* start, int* end) const override {
        *start = 0;
        *end = 0;
        if (index == 0 && label().hasSelectedText()) {
            *start = label().selectionStart();
            *end = *start + static_cast<int>(label().selectedText().size());
        }
    }
    [[nodiscard]] int selectionCount() const override { return label().hasSelectedText() ? 1 : 0; }
    void addSelection(int start, int end) override { setSelection(0, start, end); }
    void removeSelection(int /*index*/) override { label().setSelection(0, 0); }
    void setSelection(int /*index*/, int start, int end) override {
        start = std::clamp(start, 0, characterCount());
        end = std::clamp(end, start, characterCount());
        label().setSelection(start, end - start);
    }
    [[nodiscard]] int cursorPosition() const override {
        int start = 0;
        int end = 0;
        selection(0, &start, &end);
        return end;
    }
    void setCursorPosition(int position) override { setSelection(0, position, position); }
    [[nodiscard]] QString text(int start, int end) const override { return label().text().mid(start, end - start); }
    [[nodiscard]] int characterCount() const override { return static_cast<int>(label().text().size()); }
    [[nodiscard]] QRect characterRect(int offset) const override {
        const QString line = label().text();
        if (offset < 0 || offset >= line.size()) {
            return {};
        }
        const QFontMetrics metrics = label().fontMetrics();
        const QRect room = label().contentsRect();
        const QPoint topLeft(room.left() + metrics.horizontalAdvance(line.left(offset)), room.top());
        const QRect local(topLeft, QSize(metrics.horizontalAdvance(line.at(offset)), metrics.height()));
        return {label().mapToGlobal(local.topLeft()), local.size()};
    }
    [[nodiscard]] int offsetAtPoint(const QPoint& point) const override {
        for (int offset = 0; offset < characterCount(); ++offset) {
            if (characterRect(offset).contains(point)) {
                return offset;
            }
        }
        return -1;
    }
    void scrollToSubstring(int /*start*/, int /*end*/) override {}
    [[nodiscard]] QString attributes(int /*offset*/, int* start, int* end) const override {
        *start = 0;
        *end = characterCount();
        return {};
    }

private:
    [[nodiscard]] QLabel& label() const { return *static_cast<QLabel*>(widget()); }
};

enum class Announced { Window, SelectableText };

// The widgets that Form announced, and how; only they get our interfaces, and each leaves the list before it
// is destroyed, so a widget in its destructor is never given one (Qt's own factory refuses those too).
[[nodiscard]] std::unordered_map<const QObject*, Announced>& announced() {
    static std::unordered_map<const QObject*, Announced> widgets;
    return widgets;
}

QAccessibleInterface* accessibleFor(const QString& /*className*/, QObject* object) {
    const auto found = announced().find(object);
    if (found == announced().end()) {
        return nullptr;
    }
    auto* widget = static_cast<QWidget*>(object);
    switch (found->second) {
    case Announced::Window:
        return new QAccessibleWidget(widget, QAccessible::Window);
    case Announced::SelectableText:
        return new SelectableLabelAccessible(static_cast<QLabel*>(widget));
    }
    return nullptr;
}

// Drops the interface screen readers may have been given for the widget, so that the next one made is ours.
void renewInterface(QWidget& widget) {
    static const bool installed = [] {
        QAccessible::installFactory(accessibleFor);
        return true;
    }();
    (void)installed;
    if (QAccessibleInterface* made = QAccessible::queryAccessibleInterface(&widget)) {
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
    }
}

} // namespace

void announceAsWindow(QWidget& window) {
    announced()[&window] = Announced::Window;
    renewInterface(window);
}

void announceAsSelectableText(QLabel& label) {
    // Qt makes a label's interface while the label is built (a text box's cursor asks for its neighbours'),
    // before it was selectable.
    announced()[&label] = Announced::SelectableText;
    renewInterface(label);
}

void forgetAccessible(QWidget& widget) {
    announced().erase(&widget);
}

} // namespace ringcalc::runtime
