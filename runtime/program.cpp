#include "runtime/program.h"

#include "runtime/qt_message_box.h"
#include "runtime/runtime_error.h"

#include "runtime/qt_text.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QIcon>
#include <QImage>
#include <QLineEdit>
#include <QPixmap>

#include <cmath>
#include <cstdlib>

namespace ringcalc::runtime {
namespace {

// A square image stored as bare RGBA bytes. Any encoded format would make Qt load and ask every image
// format plugin it has whether it reads the file before its own decoder is tried.
[[nodiscard]] QImage squareImage(const QString& file) {
    QFile in(file);
    if (!in.open(QIODevice::ReadOnly)) {
        return {};
    }
    const QByteArray bytes = in.readAll();
    const auto side = static_cast<int>(std::lround(std::sqrt(static_cast<double>(bytes.size()) / 4)));
    if (side == 0 || static_cast<qsizetype>(side) * side * 4 != bytes.size()) {
        return {};
    }
    const qsizetype bytesPerLine = static_cast<qsizetype>(side) * 4;
    return QImage(reinterpret_cast<const uchar*>(bytes.constData()), side, side, bytesPerLine, QImage::Format_RGBA8888)
        .copy();
}

} // namespace

Program::Program(const ProjectDescriptor& project, MessageBoxService& messageBox)
    : m_messageBox(messageBox), m_form(std::make_unique<Form>(*project.startWindow)) {
    QCoreApplication::setApplicationName(qText(project.applicationName));
    QCoreApplication::setApplicationVersion(qText(project.applicationVersion));
    QGuiApplication::setDesktopFileName(qText(project.desktopFileName));
    QIcon icon;
    for (const auto file : project.iconFiles) {
        if (const QImage image = squareImage(qText(file)); !image.isNull()) {
            icon.addPixmap(QPixmap::fromImage(image));
        }
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
