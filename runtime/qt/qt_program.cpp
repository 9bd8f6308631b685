// The running program on Qt: the window, its icon and bindings, Qt's translation, start and end.
#include "runtime/program.h"

#include "runtime/qt/qt_form.h"
#include "runtime/qt/qt_message_box.h"
#include "runtime/qt/qt_platform_start.h"
#include "runtime/qt/qt_signals.h"
#include "runtime/qt/qt_text.h"
#include "runtime/qt/qt_window_icon.h"
#include "runtime/run_program.h"
#include "runtime/runtime_error.h"
#include "runtime/window_rules.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QTranslator>

#include <cstdlib>
#include <optional>
#include <string>

namespace ringcalc::runtime {

// What the Qt layer keeps while the program runs: Qt's own texts (the text boxes' menu, the message boxes'
// button) in the program's language, whatever the process locale.
struct Program::Native {
    std::unique_ptr<QTranslator> translator; // installed when its file was found; it removes itself when it goes
};

Program::Program(const ProjectDescriptor& project, MessageBoxService& messageBox)
    : m_messageBox(messageBox), m_native(std::make_unique<Native>()) {
    // Every rule is checked before any window is made, so a bad project leaves none behind.
    checkDescription(*project.startWindow);
    checkBindings(*project.startWindow, project.bindings);
    // Without the translation the texts stay in English and the program runs all the same.
    if (!project.language.empty()) {
        auto translator = std::make_unique<QTranslator>();
        if (translator->load(QStringLiteral("qtbase_") + qText(project.language),
                             QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
            QCoreApplication::installTranslator(translator.get());
            m_native->translator = std::move(translator);
        }
    }
    m_form = std::make_unique<Form>(*project.startWindow);
    QCoreApplication::setApplicationName(qText(project.applicationName));
    QCoreApplication::setApplicationVersion(qText(project.applicationVersion));
    QGuiApplication::setDesktopFileName(qText(project.desktopFileName));
    Form::Native& native = m_form->native();
    native.window().setWindowIcon(windowIcon());
    for (const auto& binding : project.bindings) {
        QWidget& control = native.control(binding.control);
        const auto call = [this, action = binding.action] { dispatch(action, *m_form, m_messageBox); };
        if (binding.event == Event::Click) {
            QObject::connect(static_cast<QAbstractButton*>(&control), &QAbstractButton::clicked, &control, call);
        } else {
            QObject::connect(static_cast<QLineEdit*>(&control), &QLineEdit::textChanged, &control, call);
        }
    }
    m_form->show();
}

Program::~Program() = default;

void start(const ProjectDescriptor& project, int argc, char** argv) {
    EndOnSignals endOnSignals; // first: a session may end while the window is still being built
    int status = 0;
    {
        std::optional<PlatformStart> platformStart(std::in_place, project.applicationName);
        QApplication application(argc, argv);
        platformStart.reset();
        endOnSignals.listen();
        QtMessageBox messageBox;
        status = runProgram(project, messageBox, [] { return QApplication::exec(); });
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
