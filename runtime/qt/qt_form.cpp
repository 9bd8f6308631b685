// Building a window and its controls from a description with Qt Widgets, and the window's own behaviour.
#include "runtime/qt/qt_form.h"

#include "runtime/qt/qt_accessible.h"
#include "runtime/qt/qt_font.h"
#include "runtime/qt/qt_selectable_label.h"
#include "runtime/qt/qt_text.h"
#include "runtime/window_rules.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

#include <limits>
#include <string>

namespace ringcalc::runtime {
namespace {

// Beyond Qt's old default limit of a text box, one repaint of the box costs milliseconds, a second for ten
// megabytes: Qt lays the whole line out again each time it paints it.
constexpr qsizetype kLongText = 32768;

[[nodiscard]] QColor qColour(Colour colour) {
    return {static_cast<int>(colour & 0xFFU), static_cast<int>((colour >> 8U) & 0xFFU),
            static_cast<int>((colour >> 16U) & 0xFFU)};
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
            makeSelectable(*label);
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

[[nodiscard]] const WindowDescription& checked(const WindowDescription& description) {
    checkDescription(description);
    return description;
}

} // namespace

// Every rule is checked before the window is made, so a bad description leaves none behind.
Form::Native::Native(const WindowDescription& description)
    : m_description(checked(description)), m_window(std::make_unique<QWidget>()) {
    announceAsWindow(*m_window);
    m_window->setObjectName(qText(description.name));
    m_window->setWindowTitle(qText(description.caption));
    m_window->resize(twipsToPixels(description.clientWidth), twipsToPixels(description.clientHeight));

    std::vector<TextRoom> rooms;
    for (const auto& d : description.controls) {
        QWidget* widget = buildControl(d, m_window.get());
        m_controls.push_back({&d, widget});
        if (const auto room = textRoom(d, widget->width(), widget->height(), insetsOf(*widget))) {
            rooms.push_back(*room);
        }
    }
    m_window->setFont(fittedFont(*m_window, rooms));
    for (const Control& c : m_controls) {
        if (c.description->autoSize) {
            c.widget->adjustSize(); // fitted to its start caption in the window's font
        }
        if (!c.description->labelFor.empty()) {
            static_cast<QLabel*>(c.widget)->setBuddy(&control(c.description->labelFor));
        }
    }
    const std::vector<std::size_t> order = focusOrder(description);
    for (std::size_t i = 1; i < order.size(); ++i) {
        QWidget::setTabOrder(m_controls[order[i - 1]].widget, m_controls[order[i]].widget);
    }
    if (!order.empty()) {
        m_firstFocus = m_controls[order.front()].widget;
    }
    if (!description.defaultButton.empty()) {
        auto* button = static_cast<QPushButton*>(&control(description.defaultButton));
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
        if (c.description->kind == ControlKind::Button) {
            c.widget->setFocusPolicy(steady ? Qt::TabFocus : Qt::StrongFocus);
        }
    }
}

const Form::Native::Control& Form::Native::find(std::string_view name) const {
    return m_controls[controlIndex(m_description, name)];
}

QWidget& Form::Native::control(std::string_view name) const {
    return *find(name).widget;
}

// Form's members, on the window's widgets.

Form::Form(const WindowDescription& description)
    : m_description(description), m_native(std::make_unique<Native>(description)) {}

Form::~Form() = default;

std::string Form::text(std::string_view name) const {
    const Native::Control& c = m_native->find(name);
    switch (c.description->kind) {
    case ControlKind::TextBox:
        return static_cast<const QLineEdit*>(c.widget)->text().toStdString();
    case ControlKind::Button:
        return static_cast<const QPushButton*>(c.widget)->text().toStdString();
    case ControlKind::Label:
        break;
    }
    return static_cast<const QLabel*>(c.widget)->text().toStdString();
}

void Form::setCaption(std::string_view name, std::string_view caption) {
    const Native::Control& c = m_native->find(name);
    switch (c.description->kind) {
    case ControlKind::TextBox:
        static_cast<QLineEdit*>(c.widget)->setText(qText(caption));
        return;
    case ControlKind::Button:
        static_cast<QPushButton*>(c.widget)->setText(qText(caption));
        return;
    case ControlKind::Label:
        break;
    }
    auto* label = static_cast<QLabel*>(c.widget);
    label->setText(qText(caption));
    if (c.description->autoSize) {
        label->adjustSize(); // wider or narrower; its top-left corner stays
    }
}

void Form::show() {
    m_native->m_window->show();
    if (m_native->m_firstFocus != nullptr) {
        m_native->m_firstFocus->setFocus(Qt::OtherFocusReason);
    }
}

} // namespace ringcalc::runtime
