#include "runtime/program.h"

#include "runtime/qt_message_box.h"
#include "runtime/runtime_error.h"

#include "runtime/qt_text.h"

#include <QAbstractButton>
#include <QApplication>
#include <QIcon>
#include <QLineEdit>

#include <cstdlib>

namespace ringcalc::runtime {

Program::Program(const ProjectDescriptor& project, MessageBoxService& messageBox)
    : m_messageBox(messageBox), m_form(std::make_unique<Form>(*project.startWindow)) {
    QCoreApplication::setApplicationName(qText(project.applicationName));
    QCoreApplication::setApplicationVersion(qText(project.applicationVersion));
    QGuiApplication::setDesktopFileName(qText(project.desktopFileName));
    QIcon icon;
    for (const auto file : project.iconFiles) {
        icon.addFile(qText(file));
    }
    m_form->window().setWindowIcon(icon);
    for (const auto& binding : project.bindings) {
        QWidget& control = m_form->control(binding.control);
        const auto call = [this, action = binding.action] { dispatch(action, *m_form, m_messageBox); };
        if (auto* button = qobject_cast<QAbstractButton*>(&control); button && binding.event == Event::Click) {
            QObject::connect(button, &QAbstractButton::clicked, button, call);
        } else if (auto* edit = qobject_cast<QLineEdit*>(&control); edit && binding.event == Event::Change) {
            QObject::connect(edit, &QLineEdit::textChanged, edit, call);
        } else {
            throw RuntimeError(ErrorKind::InvalidArgument);
        }
    }
    m_form->show();
}

void start(const ProjectDescriptor& project, int argc, char** argv) {
    int status = 0;
    {
        QApplication application(argc, argv);
        QtMessageBox messageBox;
        const Program program(project, messageBox);
        status = QApplication::exec();
    }
    std::exit(status);
}

void end() {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        window->hide();
    }
    QCoreApplication::exit(0);
}

} // namespace ringcalc::runtime
