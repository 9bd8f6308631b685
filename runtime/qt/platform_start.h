// Qt's window platform as the application starts: one clear line instead of an abort when none can start.
#pragma once

#include "runtime/pinned.h"
#include "runtime/start_failure.h"

#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace ringcalc::runtime {

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

} // namespace ringcalc::runtime
