// Tests of the window on a desktop: its font, copying the result, menus, screen readers, long texts, bad descriptions.
#include "bad_projects.h"
#include "qt_window_fixture.h"
#include "runtime/qt/qt_form.h"
#include "runtime/runtime_error.h"
#include "ui/form1.h"

#include <QAccessible>
#include <QClipboard>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QMenu>
#include <QPushButton>
#include <QStyle>
#include <QStyleOption>

#include <type_traits>

namespace ringcalc::testing {
namespace {

// The buttons' connections call back into the program object, so it must never move.
static_assert(!std::is_move_constructible_v<runtime::Program> && !std::is_copy_constructible_v<runtime::Program>);

// Where a fixed-size control draws its text: a label inside its frame, a button inside the style's contents
// rectangle; a text box's line must fit in its contents less a pixel above and below.
bool fits(const QFont& font, QWidget& control) {
    const QFontMetricsF metrics(font, control.window());
    QStyle& style = *control.style();
    if (auto* edit = qobject_cast<QLineEdit*>(&control)) {
        QStyleOptionFrame option;
        option.initFrom(edit);
        option.lineWidth = style.pixelMetric(QStyle::PM_DefaultFrameWidth, &option, edit);
        return metrics.height() + 2 <= style.subElementRect(QStyle::SE_LineEditContents, &option, edit).height();
    }
    if (auto* button = qobject_cast<QPushButton*>(&control)) {
        QStyleOptionButton option;
        option.initFrom(button);
        const QRect room = style.subElementRect(QStyle::SE_PushButtonContents, &option, button);
        return metrics.horizontalAdvance(button->text()) <= room.width() && metrics.height() <= room.height();
    }
    auto& label = dynamic_cast<QLabel&>(control);
    return metrics.horizontalAdvance(label.text()) <= label.contentsRect().width() &&
           metrics.height() <= label.contentsRect().height();
}

TEST(WindowFont, IsTheLargestSizeAtWhichEveryFixedCaptionFits) {
    const QFont system = QApplication::font();
    const char* fixedControls[] = {"Text1", "Text2", "Text3", "Command1", "Command2", "Label1", "Label2", "Label3"};
    int families = 0;
    // The families that the package's font dependency can bring.
    for (const QString family : {"DejaVu Sans", "Liberation Sans", "FreeSans"}) {
        if (!QFontDatabase::families().contains(family)) {
            continue;
        }
        ++families;
        for (int points = 8; points <= 16; ++points) {
            QApplication::setFont(QFont(family, points));
            const runtime::Form form(ui::form1Description());
            const QFont font = form.native().window().font();
            EXPECT_EQ(QFontInfo(font).family(), family);
            EXPECT_LE(font.pointSizeF(), points);
            const double smallest = 8.0 * 72 / form.native().window().logicalDpiY(); // 8 pixels: 6 points at 96 dpi
            QFont larger = font;
            larger.setPointSizeF(font.pointSizeF() + 0.5);
            bool largerFitsAll = true;
            for (const char* name : fixedControls) {
                QWidget& control = form.native().control(name);
                EXPECT_EQ(control.font(), font) << name; // one font for the whole window
                if (font.pointSizeF() > smallest) {
                    EXPECT_TRUE(fits(font, control)) << family.toStdString() << " " << points << " pt: " << name;
                }
                largerFitsAll = largerFitsAll && fits(larger, control);
            }
            if (family == "DejaVu Sans" && points == 9 && form.native().window().logicalDpiY() == 96) {
                // Debian's default: "Внутренний радиус" is 124.95 px wide at 9 pt (12 px) and 118.0 px at 8.5 pt,
                // in a label 121 px wide.
                EXPECT_EQ(font.pointSizeF(), 8.5);
            }
            if (font.pointSizeF() < points) {
                EXPECT_FALSE(largerFitsAll) << family.toStdString() << " " << points << " pt chose "
                                            << font.pointSizeF() << " pt, yet half a point more fits";
            }
        }
    }
    QApplication::setFont(system);
    EXPECT_GE(families, 1) << "no font family of the package's dependency is installed";
}

using DesktopTest = WindowTest;

TEST_F(DesktopTest, TheResultLineCanBeSelectedAndCopied) {
    QTest::mouseClick(&button("Command2"), Qt::LeftButton);
    QLabel& result = label("Label4");
    QGuiApplication::clipboard()->clear();
    // Dragging across the label selects the whole line; Ctrl+C copies it.
    const QPoint left(2, result.height() / 2);
    const QPoint right(result.width() - 2, result.height() / 2);
    QTest::mousePress(&result, Qt::LeftButton, {}, left);
    QMouseEvent drag(QEvent::MouseMove, right, result.mapToGlobal(right), Qt::NoButton, Qt::LeftButton, {});
    QApplication::sendEvent(&result, &drag);
    QTest::mouseRelease(&result, Qt::LeftButton, {}, right);
    EXPECT_EQ(result.selectedText(), result.text());
    QTest::keyClick(&result, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "Площадь: кольца=3.14; сектора=3.14; в процентах=100%");

    // A screen reader reads it as text and sees the selection.
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(&result);
    ASSERT_NE(accessible, nullptr);
    QAccessibleTextInterface* text = accessible->textInterface();
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->characterCount(), result.text().size());
    EXPECT_EQ(text->text(0, 7), "Площадь");
    ASSERT_EQ(text->selectionCount(), 1);
    text->setSelection(0, 16, 20);
    EXPECT_EQ(result.selectedText(), "3.14");
    EXPECT_EQ(result.palette().color(QPalette::WindowText), QColor(255, 0, 0)); // still red
}

TEST_F(DesktopTest, QtsOwnTextsAreRussian) {
    const std::unique_ptr<QMenu> menu(box("Text1").createStandardContextMenu());
    QStringList entries;
    for (const QAction* action : menu->actions()) {
        if (!action->isSeparator()) {
            entries << action->text().section('\t', 0, 0).remove('&');
        }
    }
    EXPECT_EQ(entries, QStringList({"Отменить действие", "Повторить действие", "Вырезать", "Копировать", "Вставить",
                                    "Удалить", "Выделить всё"}));
    // The message boxes' button takes its text from the same translation.
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), "Отмена");
}

TEST(Program, StartsAsBeforeWithoutTheTranslation) {
    RecordingMessageBox box;
    runtime::ProjectDescriptor project = app::projectDescriptor();
    project.language = "none"; // no such translation
    {
        const runtime::Program program(project, box);
        EXPECT_TRUE(program.form().native().window().isVisible());
        EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), "Cancel");
    }
    QCoreApplication::processEvents();
    EXPECT_TRUE(QApplication::topLevelWidgets().isEmpty());
}

TEST_F(DesktopTest, TheWindowIsAnnouncedAsAWindowWithItsTitle) {
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(&window());
    ASSERT_NE(accessible, nullptr);
    EXPECT_EQ(accessible->role(), QAccessible::Window);
    EXPECT_EQ(accessible->text(QAccessible::Name), "Form1");
}

// The label's menu, opened by the mouse or the Menu key, in Qt's words for the text boxes' menu.
TEST_F(DesktopTest, TheResultLineHasACopyMenu) {
    QTest::mouseClick(&button("Command2"), Qt::LeftButton);
    QLabel& result = label("Label4");
    const auto openMenu = [&result](QContextMenuEvent::Reason reason) -> QMenu* {
        const QPoint at(5, 5);
        QContextMenuEvent event(reason, at, result.mapToGlobal(at));
        QApplication::sendEvent(&result, &event);
        return qobject_cast<QMenu*>(QApplication::activePopupWidget());
    };
    const auto entry = [](QMenu& menu, const QString& text) -> QAction* {
        for (QAction* action : menu.actions()) {
            if (action->text().remove('&') == text) {
                return action;
            }
        }
        return nullptr;
    };
    for (const auto reason : {QContextMenuEvent::Mouse, QContextMenuEvent::Keyboard}) {
        QGuiApplication::clipboard()->clear();
        result.setSelection(0, 0);
        QMenu* menu = openMenu(reason);
        ASSERT_NE(menu, nullptr) << reason;
        QAction* copy = entry(*menu, "Копировать");
        QAction* all = entry(*menu, "Выделить всё");
        ASSERT_TRUE(copy != nullptr && all != nullptr) << reason;
        EXPECT_FALSE(copy->isEnabled()); // nothing selected yet
        all->trigger();
        menu->close();
        EXPECT_EQ(result.selectedText(), result.text());
        menu = openMenu(reason);
        ASSERT_NE(menu, nullptr);
        copy = entry(*menu, "Копировать");
        ASSERT_TRUE(copy != nullptr && copy->isEnabled());
        copy->trigger();
        menu->close();
        EXPECT_EQ(QGuiApplication::clipboard()->text(), "Площадь: кольца=3.14; сектора=3.14; в процентах=100%");
    }
    QCoreApplication::processEvents();
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
}

// A paste of a megabyte and more: the box keeps all of it, its cursor stops blinking while it has the focus
// (each repaint lays the whole line out again), and a click on a button leaves the focus in the box.
TEST_F(DesktopTest, ALongTextKeepsItsBoxQuiet) {
    const int flashTime = QApplication::cursorFlashTime();
    ASSERT_GT(flashTime, 0);
    QLineEdit& angle = box("Text3");
    angle.setFocus();
    angle.selectAll();
    const QString megabyte(1'000'000, QLatin1Char('7'));
    QGuiApplication::clipboard()->setText(megabyte);
    QTest::keyClick(&angle, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(angle.text(), megabyte);
    EXPECT_EQ(QApplication::cursorFlashTime(), 0);
    QTest::mouseClick(&button("Command2"), Qt::LeftButton);
    EXPECT_EQ(QApplication::focusWidget(), &angle);
    ASSERT_EQ(m_box.shown.size(), 1U);
    EXPECT_EQ(m_box.shown[0].prompt, "Угол сектора: число слишком велико");

    // A box with a short text blinks again, and buttons take the focus on a click again.
    box("Text1").setFocus();
    EXPECT_EQ(QApplication::cursorFlashTime(), flashTime);
    QTest::mouseClick(&button("Command2"), Qt::LeftButton);
    EXPECT_EQ(QApplication::focusWidget(), &control("Command2"));
    angle.setFocus();
    EXPECT_EQ(QApplication::cursorFlashTime(), 0);
    angle.setText("360");
    EXPECT_EQ(QApplication::cursorFlashTime(), flashTime);
}

// A screen reader holds interfaces of the window and its controls when the window goes; Qt must keep none
// of ours for a widget that is gone, and a new window gets fresh ones (AddressSanitizer would see a stale one).
TEST(Accessibility, TheWindowGoesWhileAReaderHoldsItsInterfaces) {
    QAccessible::setActive(true); // as when a screen reader is connected: every change is announced
    for (int round = 0; round < 3; ++round) {
        RecordingMessageBox box;
        const runtime::ProjectDescriptor project = app::projectDescriptor();
        auto program = std::make_unique<runtime::Program>(project, box);
        QWidget& window = program->form().native().window();
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(&window);
        ASSERT_NE(accessible, nullptr);
        EXPECT_EQ(accessible->role(), QAccessible::Window);
        EXPECT_EQ(accessible->text(QAccessible::Name), "Form1");
        for (int i = 0; i < accessible->childCount(); ++i) {
            (void)accessible->child(i)->text(QAccessible::Name);
        }
        auto& result = dynamic_cast<QLabel&>(program->form().native().control("Label4"));
        QAccessibleInterface* line = QAccessible::queryAccessibleInterface(&result);
        ASSERT_NE(line, nullptr);
        ASSERT_NE(line->textInterface(), nullptr);
        EXPECT_EQ(line->textInterface()->characterCount(), result.text().size());
        program.reset();
        QCoreApplication::processEvents();
    }
    QAccessible::setActive(false);
    // Only the windows the runtime builds are announced as windows.
    QWidget plain;
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(&plain);
    ASSERT_NE(accessible, nullptr);
    EXPECT_NE(accessible->role(), QAccessible::Window);
}

TEST(Program, RefusesABadDescriptionOrBinding) {
    for (const auto& c : badProjects()) {
        RecordingMessageBox box;
        EXPECT_EQ(refusalOf(c, box), faultAbout(c.atFault)) << c.what;
        QCoreApplication::processEvents();
        EXPECT_TRUE(QApplication::topLevelWidgets().isEmpty()) << c.what << " left a window behind";
    }
}

} // namespace
} // namespace ringcalc::testing
