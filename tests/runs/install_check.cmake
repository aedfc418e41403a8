# Installs the build into a fresh prefix and checks what an assessor gets:
# bin/ holds the program and the batch runner, which runs it over many inputs;
# the tools that write key files and protection lines stay in the build tree;
# and the installed program finds its data.
# Run as: cmake -DBUILD_DIR=... -DPREFIX=... -DEXAMPLES=... -P install_check.cmake
file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${PREFIX}"
  RESULT_VARIABLE status OUTPUT_QUIET)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${status}")
endif()

file(GLOB installed RELATIVE "${PREFIX}/bin" "${PREFIX}/bin/*")
list(SORT installed)
if(NOT installed STREQUAL "tarvex;tarvex-batch")
  message(FATAL_ERROR "bin/ should hold tarvex and tarvex-batch only; it holds: ${installed}")
endif()

set(run "${PREFIX}/example-run")
file(MAKE_DIRECTORY "${run}")
file(COPY "${EXAMPLES}/england-office.inp" "${EXAMPLES}/england-office_inpkey.txt"
  DESTINATION "${run}")
execute_process(COMMAND "${PREFIX}/bin/tarvex" /F england-office.inp
  WORKING_DIRECTORY "${run}" RESULT_VARIABLE status OUTPUT_QUIET)
if(NOT status EQUAL 0 OR NOT EXISTS "${run}/england-office[epc].pdf")
  message(FATAL_ERROR "the installed program did not run the example: status ${status}")
endif()
file(REMOVE_RECURSE "${PREFIX}")
