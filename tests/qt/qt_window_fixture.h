// The window suites' fixture: the real program built through the runtime.
#pragma once

#include "app/project.h"
#include "fake_view.h"
#include "runtime/program.h"
#include "runtime/qt/qt_form.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#if __has_include(<valgrind/valgrind.h>)
#include <valgrind/valgrind.h>
#endif

#include <functional>
#include <memory>

namespace ringcalc::testing {

/// The real program, built and bound through the runtime, with a message box that records and returns.
class WindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_program = std::make_unique<runtime::Program>(m_project, m_box);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window()));
    }

    void TearDown() override {
        m_program.reset();
        QCoreApplication::processEvents();
        EXPECT_TRUE(QApplication::topLevelWidgets().isEmpty()) << "a top-level window outlived its test";
    }

    [[nodiscard]] QWidget& window() const { return m_program->form().native().window(); }
    [[nodiscard]] QWidget& control(const char* name) const { return m_program->form().native().control(name); }
    [[nodiscard]] QLineEdit& box(const char* name) const { return dynamic_cast<QLineEdit&>(control(name)); }
    [[nodiscard]] QLabel& label(const char* name) const { return dynamic_cast<QLabel&>(control(name)); }
    [[nodiscard]] QAbstractButton& button(const char* name) const {
        return dynamic_cast<QAbstractButton&>(control(name));
    }
    [[nodiscard]] QString caption() const { return label("Label4").text(); }

    /// Replaces a box's text as a program would; a change of Text2 runs its check, so the boxes shown
    /// so far are forgotten.
    void setText(const char* name, const QString& text) {
        box(name).setText(text);
        m_box.shown.clear();
    }

    /// Runs the message loop until the program ends, with step posted to run inside it; returns the loop's
    /// exit status, or -1 when the program had not ended within five seconds.
    static int runLoop(const std::function<void()>& step) {
        // The guard dies with this call, so it cannot end some later test's loop.
        QTimer guard;
        guard.setSingleShot(true);
        QObject::connect(&guard, &QTimer::timeout, [] { QCoreApplication::exit(-1); });
        guard.start(5000);
        QTimer::singleShot(0, step);
        return QCoreApplication::exec();
    }

    /// A time bound in milliseconds, widened under valgrind, which runs the program some fifty times slower.
    [[nodiscard]] static qint64 timeBound(qint64 milliseconds) {
#ifdef RUNNING_ON_VALGRIND
        if (RUNNING_ON_VALGRIND) {
            return milliseconds * 50;
        }
#endif
        return milliseconds;
    }

    runtime::ProjectDescriptor m_project = app::projectDescriptor();
    RecordingMessageBox m_box;
    std::unique_ptr<runtime::Program> m_program;
};

} // namespace ringcalc::testing
