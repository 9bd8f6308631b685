# The window suites: the real program built through the runtime on Qt's offscreen platform.
find_package(Qt6 6.4 REQUIRED COMPONENTS Test)

add_executable(ui_tests ui_main.cpp window_fixture.h window_test.cpp message_box_test.cpp desktop_test.cpp)
target_link_libraries(ui_tests PRIVATE ringcalc_app Qt6::Test GTest::gtest ringcalc_options)
gtest_discover_tests(ui_tests DISCOVERY_TIMEOUT 60)
# The font is chosen at the screen's font resolution: at 144 dpi with Qt's scaling off, places stay in
# pixels while a point takes more of them.
add_test(NAME window_font_144dpi COMMAND ui_tests --gtest_filter=WindowFont.*)
set_tests_properties(window_font_144dpi PROPERTIES
                     ENVIRONMENT "QT_QPA_PLATFORM=offscreen;QT_FONT_DPI=144;QT_ENABLE_HIGHDPI_SCALING=0")

# The real executable under a real X server, with a session bus of its own that ends with it (else D-Bus
# autolaunch would leave a bus behind).
find_program(XVFB_RUN xvfb-run REQUIRED)
find_program(DBUS_RUN_SESSION dbus-run-session REQUIRED)
add_test(NAME real_window COMMAND ${XVFB_RUN} -a -s "-screen 0 1024x768x24" ${DBUS_RUN_SESSION} --
                                  ${CMAKE_CURRENT_SOURCE_DIR}/real_window_test.sh $<TARGET_FILE:ringcalc>)
set_tests_properties(real_window PROPERTIES TIMEOUT 60 ENVIRONMENT "QT_QPA_PLATFORM=xcb")

# The icon group, the version record, and what cmake --install puts on the desktop.
add_test(NAME packaging COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/packaging_test.sh ${PROJECT_SOURCE_DIR} ${PROJECT_BINARY_DIR})
set_tests_properties(packaging PROPERTIES TIMEOUT 120)

# The real executable as a native Wayland client of a headless Weston; skipped where Weston cannot start.
add_test(NAME wayland_window COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/wayland_window_test.sh $<TARGET_FILE:ringcalc>)
set_tests_properties(wayland_window PROPERTIES TIMEOUT 60 SKIP_RETURN_CODE 77)
# Under the sanitizers: Mesa's EGL driver, which Qt's Wayland EGL integration loads where it is installed,
# keeps an allocation of its DRI driver to the end of the process and unloads that driver before the leak
# check. Only the slow unwinder follows such a stack back into the EGL library still loaded, which the leak
# suppressions name; the fast one stops in the unloaded driver and leaves nothing to match.
set_property(TEST wayland_window PROPERTY ENVIRONMENT_MODIFICATION "ASAN_OPTIONS=string_append::fast_unwind_on_malloc=0")

# Starting and ending off the usual road: no window platform, a window that cannot be built, signals.
add_executable(bad_start bad_start.cpp)
target_link_libraries(bad_start PRIVATE ringcalc_runtime_qt ringcalc_options)
add_test(NAME start COMMAND ${XVFB_RUN} -a -s "-screen 0 1024x768x24" ${DBUS_RUN_SESSION} --
                            ${CMAKE_CURRENT_SOURCE_DIR}/start_test.sh
                            $<TARGET_FILE:ringcalc> $<TARGET_FILE:bad_start>)
set_tests_properties(start PROPERTIES TIMEOUT 90 ENVIRONMENT "QT_QPA_PLATFORM=xcb")
