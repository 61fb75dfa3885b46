# SPDX-License-Identifier: GPL-3.0-or-later
# tallyvane_add_test(NAME <name> SOURCES <files...> LIBS <targets...> [GUI])
# Builds one GoogleTest executable and registers it with CTest. GUI tests get a
# main that creates a QApplication and run on the offscreen platform.
function(tallyvane_add_test)
  cmake_parse_arguments(ARG "GUI" "NAME" "SOURCES;LIBS" ${ARGN})
  add_executable(${ARG_NAME} ${ARG_SOURCES})
  set_target_properties(${ARG_NAME} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  if(ARG_GUI)
    target_link_libraries(${ARG_NAME} PRIVATE ${ARG_LIBS} tallyvane_test_qtmain GTest::gtest
      tallyvane_ondemand_code tallyvane_ondemand_linked)
  else()
    target_link_libraries(${ARG_NAME} PRIVATE ${ARG_LIBS} GTest::gtest_main GTest::gtest)
  endif()
  add_test(NAME ${ARG_NAME} COMMAND ${ARG_NAME})
  set_tests_properties(${ARG_NAME} PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;TALLYVANE_TEST_DATA=${PROJECT_SOURCE_DIR}/data;XDG_CONFIG_HOME=${CMAKE_BINARY_DIR}/tests/config/${ARG_NAME}"
    TIMEOUT 300)
endfunction()
