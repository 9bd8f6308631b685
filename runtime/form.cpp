#include "runtime/form.h"

#include "runtime/runtime_error.h"

#include "runtime/qt_text.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

#include <algorithm>
#include <limits>

namespace ringcalc::runtime {
namespace {

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
        widget = label;
        break;
    }
    }
    widget->setObjectName(qText(d.name));
    if (d.hasForeColour) {
        QPalette palette = widget->palette();
        palette.setColor(QPalette::WindowText, qColour(d.foreColour));
        palette.setColor(QPalette::Text, qColour(d.foreColour));
        widget->setPalette(palette);
    }
    widget->setGeometry(twipsToPixels(d.left), twipsToPixels(d.top), twipsToPixels(d.width), twipsToPixels(d.height));
    if (d.autoSize) {
        widget->adjustSize();
    }
    return widget;
}

} // namespace

Form::Form(const WindowDescription& description) : m_window(std::make_unique<QWidget>()) {
    m_window->setObjectName(qText(description.name));
    m_window->setWindowTitle(qText(description.caption));
    m_window->resize(twipsToPixels(description.clientWidth), twipsToPixels(description.clientHeight));

    std::vector<const ControlDescription*> focusOrder;
    for (const auto& d : description.controls) {
        m_controls.push_back({std::string(d.name), buildControl(d, m_window.get()), d.autoSize});
        if (d.kind != ControlKind::Label) {
            focusOrder.push_back(&d);
        }
    }
    for (const auto& d : description.controls) {
        if (!d.names.empty()) {
            auto* label = qobject_cast<QLabel*>(&control(d.name));
            if (label == nullptr) {
                throw RuntimeError(ErrorKind::InvalidArgument); // only a label names another control
            }
            label->setBuddy(&control(d.names));
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
}

Form::~Form() = default;

const Form::Control& Form::find(std::string_view name) const {
    const auto found =
        std::find_if(m_controls.begin(), m_controls.end(), [name](const Control& c) { return c.name == name; });
    if (found == m_controls.end()) {
        throw RuntimeError(ErrorKind::InvalidArgument);
    }
    return *found;
}

QWidget& Form::control(std::string_view name) const {
    return *find(name).widget;
}

std::string Form::text(std::string_view name) const {
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

void Form::setCaption(std::string_view name, std::string_view caption) {
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

void Form::show() {
    m_window->show();
    if (m_firstFocus != nullptr) {
        m_firstFocus->setFocus(Qt::OtherFocusReason);
    }
}

} // namespace ringcalc::runtime
