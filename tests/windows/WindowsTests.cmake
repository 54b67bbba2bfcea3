# The C++ library's failures, with the program's build without exceptions.
add_executable(no_exceptions_tests ${PROJECT_SOURCE_DIR}/tests/common/no_exceptions_test.cpp)
target_link_libraries(no_exceptions_tests PRIVATE velmora_no_exceptions GTest::gtest_main)
velmora_gtest(no_exceptions_tests)

# Velmora.exe itself: what its file says, and its real window under Wine in an X server.
add_test(NAME exe_file
  COMMAND ${CMAKE_CURRENT_LIST_DIR}/exe_file_test.sh $<TARGET_FILE:velmora> ${CMAKE_OBJDUMP}
          ${CMAKE_SYSTEM_PROCESSOR} ${PROJECT_SOURCE_DIR}/resources/icon/velmora.ico)

add_test(NAME exe_hardening
  COMMAND ${CMAKE_CURRENT_LIST_DIR}/pe_hardening_test.py $<TARGET_FILE:velmora> ${CMAKE_OBJDUMP}
          ${CMAKE_SYSTEM_PROCESSOR})

find_program(XVFB_RUN xvfb-run REQUIRED)
add_test(NAME wine_smoke
  COMMAND ${XVFB_RUN} -a -s "-screen 0 1024x768x24"
          ${CMAKE_CURRENT_LIST_DIR}/wine_smoke_test.sh $<TARGET_FILE:velmora>
          ${CMAKE_CROSSCOMPILING_EMULATOR})
set_tests_properties(wine_smoke PROPERTIES FIXTURES_REQUIRED wine_prefix SKIP_RETURN_CODE 77
  ENVIRONMENT "${VELMORA_WINE_ENVIRONMENT}" TIMEOUT 240)

# A dark colour scheme; it changes the prefix's colours while it runs, so it runs alone.
add_test(NAME wine_dark_colors
  COMMAND ${XVFB_RUN} -a -s "-screen 0 1024x768x24"
          ${CMAKE_CURRENT_LIST_DIR}/wine_dark_colors_test.sh $<TARGET_FILE:velmora>
          ${CMAKE_CROSSCOMPILING_EMULATOR})
set_tests_properties(wine_dark_colors PROPERTIES FIXTURES_REQUIRED wine_prefix SKIP_RETURN_CODE 77
  RUN_SERIAL TRUE ENVIRONMENT "${VELMORA_WINE_ENVIRONMENT}" TIMEOUT 240)

# The Win32 backend with the main window on it, through real windows and messages.
set(win32_tests ${PROJECT_SOURCE_DIR}/tests/forms/win32)
add_executable(win32_form_tests ${win32_tests}/win32_form_fixture.h ${win32_tests}/keyboard_test.cpp
  ${win32_tests}/accessibility_test.cpp ${win32_tests}/failure_test.cpp)
target_link_libraries(win32_form_tests
  PRIVATE velmora_window velmora_forms_win32 GTest::gtest_main oleacc ole32 oleaut32 uuid)
target_link_options(win32_form_tests PRIVATE -flto-partition=one)
add_test(NAME win32_form_tests
  COMMAND ${XVFB_RUN} -a ${CMAKE_CROSSCOMPILING_EMULATOR} $<TARGET_FILE:win32_form_tests>)
set_tests_properties(win32_form_tests PROPERTIES FIXTURES_REQUIRED wine_prefix SKIP_RETURN_CODE 77
  ENVIRONMENT "${VELMORA_WINE_ENVIRONMENT}" TIMEOUT 120)

# Velmora.exe run from a Downloads folder full of planted DLLs: none of them runs.
add_library(planted SHARED ${CMAKE_CURRENT_LIST_DIR}/planted_dll.cpp)
set_target_properties(planted PROPERTIES PREFIX "")
add_executable(screen_reader_probe ${CMAKE_CURRENT_LIST_DIR}/screen_reader_probe.cpp)
add_test(NAME dll_planting
  COMMAND ${XVFB_RUN} -a -s "-screen 0 1024x768x24"
          ${CMAKE_CURRENT_LIST_DIR}/dll_planting_test.sh $<TARGET_FILE:velmora>
          $<TARGET_FILE:planted> $<TARGET_FILE:screen_reader_probe>
          ${CMAKE_CROSSCOMPILING_EMULATOR})
set_tests_properties(dll_planting PROPERTIES FIXTURES_REQUIRED wine_prefix SKIP_RETURN_CODE 77
  ENVIRONMENT "${VELMORA_WINE_ENVIRONMENT}" TIMEOUT 300)
