# SPDX-License-Identifier: GPL-3.0-or-later
# cmake -DBUILD_DIR=... -DPREFIX=... -DEXPECTED=installed-files.txt -DONDEMAND_FROM_PROGRAM=... -P checkinstall.cmake
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

# Where the installed program looks for its on-demand library.
set(ondemand ${PREFIX}/bin/${ONDEMAND_FROM_PROGRAM}/libtallyvane-ondemand.so)
if(NOT EXISTS ${ondemand})
  message(FATAL_ERROR "The installed program would not find its library at ${ondemand}")
endif()

foreach(program tallyvane tallyvane-calc)
  execute_process(COMMAND ${PREFIX}/bin/${program} --version
    RESULT_VARIABLE result OUTPUT_VARIABLE version)
  if(NOT result EQUAL 0 OR NOT version MATCHES "^${program} [0-9]")
    message(FATAL_ERROR "The installed ${program} --version answered ${result}: ${version}")
  endif()
endforeach()
execute_process(COMMAND ${PREFIX}/bin/tallyvane --help RESULT_VARIABLE result OUTPUT_VARIABLE help)
if(NOT result EQUAL 0 OR NOT help MATCHES "Usage: tallyvane \\[FILE\\]")
  message(FATAL_ERROR "The installed tallyvane --help answered ${result}: ${help}")
endif()
file(REMOVE_RECURSE ${PREFIX})
