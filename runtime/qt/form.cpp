// Building a window and its controls from a description with Qt Widgets, and the font that fits them.
#include "runtime/qt/qt_form.h"

#include "runtime/font_fit.h"
#include "runtime/qt/accessible.h"
#include "runtime/runtime_error.h"

#include "runtime/qt/qt_text.h"

#include <QApplication>
#include <QClipboard>
#include <QFontMetricsF>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QStyle>
#include <QStyleOption>
#include <QWidget>

#include <algorithm>
#include <limits>

namespace ringcalc::runtime {
namespace {

// Beyond Qt's old default limit of a text box, one repaint of the box costs milliseconds, a second for ten
// megabytes: Qt lays the whole line out again each time it paints it.
constexpr qsizetype kLongText = 32768;

[[nodiscard]] QColor qColour(Colour colour) {
    return {static_cast<int>(colour & 0xFFU), static_cast<int>((colour >> 8U) & 0xFFU),
            static_cast<int>((colour >> 16U) & 0xFFU)};
}

// A selectable label has no menu of its own in Qt 6.4: one with the entries the text boxes have, in the
// same words, so Qt's translation gives them in the program's language.
void giveCopyMenu(QLabel& label) {
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
}

[[nodiscard]] QWidget* buildControl(const ControlDescription& d, QWidget* parent) {
    QWidget* widget = nullptr;
    switch (d.kind) {
    case ControlKind::TextBox: {
        auto* edit = new QLineEdit(qText(d.caption), parent);
        // A text box has no length limit of its own; Qt's default of 32767 would cut a long paste short.
        edit->setMaxLength(std::numeric_limits<int>::max());
        widget = edit;
        break;
    }
    case ControlKind::Button: {
        auto* button = new QPushButton(qText(d.caption), parent);
        // Enter presses a focused button as Space does, as desktop users expect.
        button->setAutoDefault(true);
        widget = button;
        break;
    }
    case ControlKind::Label: {
        auto* label = new QLabel(qText(d.caption), parent);
        label->setTextFormat(Qt::PlainText);
        label->setAlignment(d.alignment == TextAlignment::Center ? Qt::AlignHCenter | Qt::AlignTop
                                                                 : Qt::AlignLeft | Qt::AlignTop);
        if (d.border == BorderStyle::FixedSingle) {
            label->setFrameStyle(QFrame::Box | QFrame::Plain);
            label->setLineWidth(1);
            label->setIndent(0); // a framed label would otherwise pad its text by half an 'x'
        }
        if (d.selectable) {
            label->setTextInteractionFlags(Qt::TextSelectableByMouse); // Qt gives it click focus, never Tab's
            giveCopyMenu(*label);
            announceAsSelectableText(*label);
        }
        widget = label;
        break;
    }
    }
    widget->setObjectName(qText(d.name));
    if (d.foreColour) {
        QPalette palette = widget->palette();
        palette.setColor(QPalette::WindowText, qColour(*d.foreColour));
        palette.setColor(QPalette::Text, qColour(*d.foreColour));
        widget->setPalette(palette);
    }
    widget->setGeometry(twipsToPixels(d.left), twipsToPixels(d.top), twipsToPixels(d.width), twipsToPixels(d.height));
    return widget;
}

// Where a control of fixed size draws its text, and the text that must fit there on one line; for a text
// box only the height of a line must fit, as its text scrolls.
[[nodiscard]] TextRoom textRoom(QWidget& widget) {
    const auto room = [](const QString& text, const QRectF& rect) {
        return TextRoom{text.toStdString(), rect.width(), rect.height()};
    };
    QStyle& style = *widget.style();
    if (auto* edit = qobject_cast<QLineEdit*>(&widget)) {
        QStyleOptionFrame option;
        option.initFrom(edit);
        option.rect = edit->rect();
        option.lineWidth = style.pixelMetric(QStyle::PM_DefaultFrameWidth, &option, edit);
        // A text box keeps one pixel free above and below its line.
        return room({}, QRectF(style.subElementRect(QStyle::SE_LineEditContents, &option, edit)).adjusted(0, 1, 0, -1));
    }
    if (auto* button = qobject_cast<QPushButton*>(&widget)) {
        QStyleOptionButton option;
        option.initFrom(button);
        option.rect = button->rect();
        option.text = button->text();
        return room(button->text(), style.subElementRect(QStyle::SE_PushButtonContents, &option, button));
    }
    auto& label = static_cast<QLabel&>(widget);
    return room(label.text(), label.contentsRect());
}

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

[[nodiscard]] QFont fittedFont(const QWidget& window, const std::vector<TextRoom>& rooms) {
    const QFont& system = window.font();
    const bool inPoints = system.pointSizeF() > 0;
    const FontSteps steps =
        fontSteps(inPoints ? system.pointSizeF() : system.pixelSize(), inPoints, window.logicalDpiY());
    const double size = fittedFontSize(QtTextMeasure(window, inPoints), rooms, steps);
    return size == steps.start ? system : sized(system, size, inPoints);
}

} // namespace

Form::Native::Native(const WindowDescription& description) : m_window(std::make_unique<QWidget>()) {
    announceAsWindow(*m_window);
    m_window->setObjectName(qText(description.name));
    m_window->setWindowTitle(qText(description.caption));
    m_window->resize(twipsToPixels(description.clientWidth), twipsToPixels(description.clientHeight));

    std::vector<const ControlDescription*> focusOrder;
    std::vector<TextRoom> rooms;
    for (const auto& d : description.controls) {
        QWidget* widget = buildControl(d, m_window.get());
        m_controls.push_back({std::string(d.name), widget, d.autoSize});
        if (d.kind != ControlKind::Label) {
            focusOrder.push_back(&d);
        }
        if (!d.autoSize) {
            rooms.push_back(textRoom(*widget));
        }
    }
    m_window->setFont(fittedFont(*m_window, rooms));
    for (const Control& c : m_controls) {
        if (c.autoSize) {
            c.widget->adjustSize(); // fitted to its start caption in the window's font
        }
    }
    for (const auto& d : description.controls) {
        if (!d.labelFor.empty()) {
            auto* label = qobject_cast<QLabel*>(&control(d.name));
            if (label == nullptr) {
                throw RuntimeError(ErrorKind::InvalidArgument, d.name); // only a label names another control
            }
            label->setBuddy(&control(d.labelFor));
        }
    }
    std::stable_sort(focusOrder.begin(), focusOrder.end(),
                     [](const auto* a, const auto* b) { return a->tabIndex < b->tabIndex; });
    for (std::size_t i = 1; i < focusOrder.size(); ++i) {
        QWidget::setTabOrder(&control(focusOrder[i - 1]->name), &control(focusOrder[i]->name));
    }
    if (!focusOrder.empty()) {
        m_firstFocus = &control(focusOrder.front()->name);
    }
    if (!description.defaultButton.empty()) {
        auto* button = qobject_cast<QPushButton*>(&control(description.defaultButton));
        if (button == nullptr) {
            throw RuntimeError(ErrorKind::InvalidArgument, description.defaultButton);
        }
        button->setDefault(true);
        for (const Control& c : m_controls) {
            if (auto* edit = qobject_cast<QLineEdit*>(c.widget)) {
                QObject::connect(edit, &QLineEdit::returnPressed, button, &QAbstractButton::click);
            }
        }
    }

    m_cursorFlashTime = QApplication::cursorFlashTime();
    m_focusWatch = std::make_unique<QObject>();
    QObject::connect(qApp, &QApplication::focusChanged, m_focusWatch.get(), [this] { steadyCursorInLongTexts(); });
    for (const Control& c : m_controls) {
        if (auto* edit = qobject_cast<QLineEdit*>(c.widget)) {
            QObject::connect(edit, &QLineEdit::textChanged, m_focusWatch.get(), [this] { steadyCursorInLongTexts(); });
        }
    }
}

Form::Native::~Native() {
    m_focusWatch.reset(); // the focus moves while the window goes, and its controls are no longer to be asked
    forgetAccessible(*m_window);
    for (const Control& c : m_controls) {
        forgetAccessible(*c.widget);
    }
    if (m_steadyCursor) {
        QApplication::setCursorFlashTime(m_cursorFlashTime);
    }
}

// While a box of this window that holds a long text has the focus, nothing repaints it unasked: its cursor
// stays lit instead of blinking (Qt's cursor flash time is the application's, so it is switched as the
// focus moves), and a click on a button leaves the focus, and the cursor, where they are.
void Form::Native::steadyCursorInLongTexts() {
    const auto* edit = qobject_cast<const QLineEdit*>(QApplication::focusWidget());
    const bool steady = edit != nullptr && edit->window() == m_window.get() && edit->text().size() > kLongText;
    if (steady == m_steadyCursor) {
        return;
    }
    m_steadyCursor = steady;
    QApplication::setCursorFlashTime(steady ? 0 : m_cursorFlashTime);
    for (const Control& c : m_controls) {
        if (qobject_cast<QAbstractButton*>(c.widget) != nullptr) {
            c.widget->setFocusPolicy(steady ? Qt::TabFocus : Qt::StrongFocus);
        }
    }
}

const Form::Native::Control& Form::Native::find(std::string_view name) const {
    const auto found =
        std::find_if(m_controls.begin(), m_controls.end(), [name](const Control& c) { return c.name == name; });
    if (found == m_controls.end()) {
        throw RuntimeError(ErrorKind::InvalidArgument, name);
    }
    return *found;
}

QWidget& Form::Native::control(std::string_view name) const {
    return *find(name).widget;
}

std::string Form::Native::captionFor(std::string_view name) const {
    const QWidget* named = &control(name);
    for (const Control& c : m_controls) {
        if (const auto* label = qobject_cast<const QLabel*>(c.widget); label != nullptr && label->buddy() == named) {
            return label->text().toStdString();
        }
    }
    return std::string(name);
}

std::string Form::Native::text(std::string_view name) const {
    QWidget& widget = control(name);
    QString text;
    if (const auto* edit = qobject_cast<QLineEdit*>(&widget)) {
        text = edit->text();
    } else if (const auto* label = qobject_cast<QLabel*>(&widget)) {
        text = label->text();
    } else if (const auto* button = qobject_cast<QAbstractButton*>(&widget)) {
        text = button->text();
    }
    return text.toStdString();
}

void Form::Native::setCaption(std::string_view name, std::string_view caption) {
    const Control& c = find(name);
    QWidget& widget = *c.widget;
    if (auto* edit = qobject_cast<QLineEdit*>(&widget)) {
        edit->setText(qText(caption));
    } else if (auto* label = qobject_cast<QLabel*>(&widget)) {
        label->setText(qText(caption));
        if (c.autoSize) {
            label->adjustSize(); // wider or narrower; its top-left corner stays
        }
    } else if (auto* button = qobject_cast<QAbstractButton*>(&widget)) {
        button->setText(qText(caption));
    }
}

void Form::Native::show() {
    m_window->show();
    if (m_firstFocus != nullptr) {
        m_firstFocus->setFocus(Qt::OtherFocusReason);
    }
}

Form::Form(const WindowDescription& description) : m_native(std::make_unique<Native>(description)) {}

Form::~Form() = default;

std::string Form::captionFor(std::string_view name) const {
    return m_native->captionFor(name);
}

std::string Form::text(std::string_view name) const {
    return m_native->text(name);
}

void Form::setCaption(std::string_view name, std::string_view caption) {
    m_native->setCaption(name, caption);
}

void Form::show() {
    m_native->show();
}

} // namespace ringcalc::runtime
