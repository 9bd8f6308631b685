#include "runtime/program.h"

#include "runtime/qt_message_box.h"
#include "runtime/runtime_error.h"

#include "runtime/qt_text.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QIcon>
#include <QImage>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QPixmap>
#include <QSocketNotifier>
#include <QTranslator>

#include <array>
#include <cerrno>
#include <cmath>
#include <csignal>
#include <cstdlib>

#include <fcntl.h>
#include <unistd.h>

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

// A signal handler may do next to nothing, so it only writes a byte into a pipe; the message loop reads it
// and ends the program as "Exit" does. A desktop session that logs out, or a user's kill, then ends the
// program cleanly with status 0.
class EndOnSignals : private Pinned {
public:
    EndOnSignals() {
        if (::pipe2(s_pipe.data(), O_CLOEXEC | O_NONBLOCK) != 0) {
            return; // the default actions stay: the signals still end the program, only less tidily
        }
        m_notifier = std::make_unique<QSocketNotifier>(s_pipe[0], QSocketNotifier::Read);
        QObject::connect(m_notifier.get(), &QSocketNotifier::activated, [] {
            char byte = 0;
            while (::read(s_pipe[0], &byte, 1) > 0) {
            }
            end();
        });
        struct sigaction action {};
        action.sa_handler = onSignal;
        sigemptyset(&action.sa_mask);
        action.sa_flags = SA_RESTART;
        for (std::size_t i = 0; i < kSignals.size(); ++i) {
            ::sigaction(kSignals[i], &action, &m_previous[i]);
        }
    }
    ~EndOnSignals() {
        if (m_notifier == nullptr) {
            return;
        }
        for (std::size_t i = 0; i < kSignals.size(); ++i) {
            ::sigaction(kSignals[i], &m_previous[i], nullptr);
        }
        m_notifier.reset();
        ::close(s_pipe[0]);
        ::close(s_pipe[1]);
        s_pipe = {-1, -1};
    }

private:
    static void onSignal(int /*signal*/) {
        const int saved = errno;
        const char byte = 1;
        [[maybe_unused]] const auto written = ::write(s_pipe[1], &byte, 1);
        errno = saved;
    }

    static constexpr std::array kSignals{SIGTERM, SIGINT, SIGHUP};
    static inline std::array<int, 2> s_pipe{-1, -1};
    std::unique_ptr<QSocketNotifier> m_notifier;
    std::array<struct sigaction, kSignals.size()> m_previous{};
};

} // namespace

Program::Program(const ProjectDescriptor& project, MessageBoxService& messageBox) : m_messageBox(messageBox) {
    // Qt's own texts (the text boxes' menu, the message boxes' button) in the program's language, whatever
    // the process locale; without the file they stay in English and the program runs all the same.
    if (!project.toolkitTranslation.empty()) {
        auto translator = std::make_unique<QTranslator>();
        if (translator->load(qText(project.toolkitTranslation), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
            QCoreApplication::installTranslator(translator.get());
            m_translator = std::move(translator);
        }
    }
    m_form = std::make_unique<Form>(*project.startWindow);
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

// The translator removes itself from the application when it is destroyed.
Program::~Program() = default;

void start(const ProjectDescriptor& project, int argc, char** argv) {
    int status = 0;
    {
        QApplication application(argc, argv);
        QtMessageBox messageBox;
        const EndOnSignals endOnSignals;
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
