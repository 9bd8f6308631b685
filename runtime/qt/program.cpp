// The running program: the window, its icon and bindings, Qt's translation, signals, start and end.
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
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

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
// program cleanly with status 0. The handlers are installed before anything else, so that a signal that
// comes while the window is being built waits in the pipe for the loop; a signal that was ignored when the
// program started (nohup) stays ignored.
class EndOnSignals : private Pinned {
public:
    EndOnSignals() {
        if (::pipe2(s_pipe.data(), O_CLOEXEC | O_NONBLOCK) != 0) {
            return; // the default actions stay: the signals still end the program, only less tidily
        }
        struct sigaction action {};
        action.sa_handler = onSignal;
        sigemptyset(&action.sa_mask);
        action.sa_flags = SA_RESTART;
        for (std::size_t i = 0; i < kSignals.size(); ++i) {
            struct sigaction current {};
            ::sigaction(kSignals[i], nullptr, &current);
            if (current.sa_handler != SIG_IGN) {
                m_installed[i] = ::sigaction(kSignals[i], &action, &m_previous[i]) == 0;
            }
        }
    }
    ~EndOnSignals() {
        if (s_pipe[0] < 0) {
            return;
        }
        for (std::size_t i = 0; i < kSignals.size(); ++i) {
            if (m_installed[i]) {
                ::sigaction(kSignals[i], &m_previous[i], nullptr);
            }
        }
        m_notifier.reset();
        ::close(s_pipe[0]);
        ::close(s_pipe[1]);
        s_pipe = {-1, -1};
    }

    /// Lets the message loop read the pipe, signals that came before included. Needs the application.
    void listen() {
        if (s_pipe[0] < 0) {
            return;
        }
        m_notifier = std::make_unique<QSocketNotifier>(s_pipe[0], QSocketNotifier::Read);
        QObject::connect(m_notifier.get(), &QSocketNotifier::activated, [] {
            char byte = 0;
            while (::read(s_pipe[0], &byte, 1) > 0) {
            }
            end();
        });
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
    std::array<bool, kSignals.size()> m_installed{};
};

// One line on standard error that says why the program could not start, after its name.
void tellStartFailure(std::string_view program, std::string_view why) {
    std::string line;
    line.append(program).append(": ").append(why).append("\n");
    std::fwrite(line.data(), 1, line.size(), stderr);
    std::fflush(stderr);
}

// Qt loads its window platform while the application is built; when none can start (no display, one that
// cannot be reached, a platform that does not exist), it prints several lines that speak of reinstalling
// and aborts with a core dump. Its messages are held while the application is built: when that fails, one
// line says what is missing and what to set instead, and the program ends with status 1; when it succeeds,
// the messages held go out as they would have.
class PlatformStart : private Pinned {
public:
    explicit PlatformStart(std::string_view program) {
        s_program = program;
        s_previous = qInstallMessageHandler(hold);
    }
    ~PlatformStart() {
        qInstallMessageHandler(s_previous);
        for (const Held& m : s_held) {
            const QMessageLogContext context(m.file.c_str(), m.line, m.function.c_str(), m.category.c_str());
            s_previous(m.type, context, m.message);
        }
        s_held.clear();
    }

private:
    struct Held {
        QtMsgType type;
        std::string file;
        int line;
        std::string function;
        std::string category;
        QString message;
    };

    static void hold(QtMsgType type, const QMessageLogContext& context, const QString& message) {
        if (type == QtFatalMsg) {
            tellStartFailure(s_program, "cannot open its window: " + platformProblem(message));
            std::_Exit(1);
        }
        const auto text = [](const char* s) { return std::string(s != nullptr ? s : ""); };
        s_held.push_back(
            {type, text(context.file), context.line, text(context.function), text(context.category), message});
    }

    // Qt's own last words name the platforms it has; the environment tells which was asked for.
    static std::string platformProblem(const QString& fatal) {
        const QString marker = QStringLiteral("Available platform plugins are: ");
        const qsizetype at = fatal.indexOf(marker);
        QString available = at < 0 ? QString() : fatal.mid(at + marker.size()).trimmed();
        if (available.endsWith(QLatin1Char('.'))) {
            available.chop(1);
        }
        const QStringList names = available.split(QStringLiteral(", "), Qt::SkipEmptyParts);
        const QString asked = qEnvironmentVariable("QT_QPA_PLATFORM");
        if (!asked.isEmpty()) {
            const QString name = asked.section(QLatin1Char(';'), 0, 0).section(QLatin1Char(':'), 0, 0);
            if (!names.contains(name)) {
                return "there is no window platform \"" + name.toStdString() +
                       "\" (QT_QPA_PLATFORM); unset QT_QPA_PLATFORM or set it to one of: " + available.toStdString();
            }
        }
        const QString display = qEnvironmentVariable("DISPLAY");
        const QString wayland = qEnvironmentVariable("WAYLAND_DISPLAY");
        if (display.isEmpty() && wayland.isEmpty()) {
            return "no display is set; run it in a desktop session, or set DISPLAY (X11) or WAYLAND_DISPLAY "
                   "(Wayland) to a running one";
        }
        const QString shown =
            !display.isEmpty() ? QStringLiteral("DISPLAY=") + display : QStringLiteral("WAYLAND_DISPLAY=") + wayland;
        return "the display " + shown.toStdString() +
               " cannot be reached; check that it runs and may be used, or set DISPLAY or WAYLAND_DISPLAY to one "
               "that does";
    }

    static inline std::string_view s_program;
    static inline QtMessageHandler s_previous = nullptr;
    static inline std::vector<Held> s_held;
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
            throw RuntimeError(ErrorKind::InvalidArgument, binding.control); // no such event on that control
        }
    }
    m_form->show();
}

// The translator removes itself from the application when it is destroyed.
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
        std::optional<Program> program;
        try {
            program.emplace(project, messageBox);
        } catch (const std::exception& error) {
            tellStartFailure(project.applicationName, std::string("cannot build its window: ") + error.what());
            status = 1;
        }
        if (program) {
            status = QApplication::exec();
        }
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
