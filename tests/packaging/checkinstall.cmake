# cmake -DBUILD_DIR=... -DPREFIX=... -DEXPECTED=installed-files.txt -P checkinstall.cmake
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
  RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${result}")
endif()

file(GLOB_RECURSE installed LIST_DIRECTORIES false RELATIVE ${PREFIX} ${PREFIX}/*)
list(SORT installed)
file(STRINGS ${EXPECTED} expected)
list(SORT expected)
if(NOT installed STREQUAL expected)
  set(missing ${expected})
  list(REMOVE_ITEM missing ${installed})
  set(unexpected ${installed})
  list(REMOVE_ITEM unexpected ${expected})
  list(JOIN missing "\n  " missing)
  list(JOIN unexpected "\n  " unexpected)
  message(FATAL_ERROR "Missing:\n  ${missing}\nNot expected:\n  ${unexpected}")
endif()

execute_process(COMMAND ${PREFIX}/bin/tallyvane-calc --version
  RESULT_VARIABLE result OUTPUT_VARIABLE version)
if(NOT result EQUAL 0 OR NOT version MATCHES "^tallyvane-calc [0-9]")
  message(FATAL_ERROR "The installed tallyvane-calc --version answered ${result}: ${version}")
endif()
file(REMOVE_RECURSE ${PREFIX})
