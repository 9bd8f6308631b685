# The Win32 window suite, in-process under Wine on a virtual X server: at 96 dpi, and again at 144 dpi in a
# prefix of its own whose desktop says so.
add_executable(win32_window_tests win32_window_test.cpp window_cases.h)
# The suite reads the screen readers' view through the platform's accessibility library.
target_link_libraries(win32_window_tests PRIVATE ringcalc_app GTest::gtest_main oleacc ole32 oleaut32 ringcalc_options)
find_program(XVFB_RUN xvfb-run REQUIRED)
set(wine_run ${PROJECT_SOURCE_DIR}/tools/wine-run)
add_test(NAME win32_window COMMAND ${XVFB_RUN} -a -s "-screen 0 1600x1200x24" ${wine_run}
                                  $<TARGET_FILE:win32_window_tests>)
set_tests_properties(win32_window PROPERTIES TIMEOUT 180 ENVIRONMENT "RINGCALC_EXPECT_DPI=96")
add_test(NAME win32_window_144dpi COMMAND ${XVFB_RUN} -a -s "-screen 0 1600x1200x24"
                                          ${PROJECT_SOURCE_DIR}/tests/wine_dpi.sh 144 ${wine_run}
                                          $<TARGET_FILE:win32_window_tests>)
set_tests_properties(win32_window_144dpi PROPERTIES TIMEOUT 180 ENVIRONMENT "RINGCALC_EXPECT_DPI=144")

# The executable as it ships: size, imports, resources.
add_test(NAME windows_exe COMMAND ${PROJECT_SOURCE_DIR}/tests/windows_exe_test.sh $<TARGET_FILE:ringcalc>
                                  ${CMAKE_STRIP} ${CMAKE_OBJDUMP})

# The real .exe driven from outside under a window manager.
add_test(NAME real_exe COMMAND ${XVFB_RUN} -a -s "-screen 0 1024x768x24" ${PROJECT_SOURCE_DIR}/tests/real_exe_test.sh
                               ${wine_run} $<TARGET_FILE:ringcalc>)
set_tests_properties(real_exe PROPERTIES TIMEOUT 180)

# The installer: its tables; install, again, upgrade, downgrade refused, beside the other architecture's,
# uninstall, under Wine.
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
    set(arch win64)
else()
    set(arch win32)
endif()
add_test(NAME msi COMMAND ${XVFB_RUN} -a -s "-screen 0 1024x768x24" ${PROJECT_SOURCE_DIR}/tests/msi_test.sh
                          ${PROJECT_BINARY_DIR}/packaging/windows ${arch} ${RINGCALC_VERSION_TEXT} ${PROJECT_SOURCE_DIR})
set_tests_properties(msi PROPERTIES TIMEOUT 400)
