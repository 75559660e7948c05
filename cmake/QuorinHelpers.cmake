# Shared build settings and the one helper that registers a test.
# SPDX-License-Identifier: GPL-3.0-or-later

# Every target links this: the strict Qt settings and the warnings.
add_library(quorin_settings INTERFACE)
target_compile_definitions(quorin_settings INTERFACE
  QT_NO_CAST_FROM_ASCII
  QT_NO_CAST_TO_ASCII
  QT_NO_CONTEXTLESS_CONNECT
  QT_USE_QSTRINGBUILDER
  QT_NO_FOREACH
  QT_NO_URL_CAST_FROM_STRING
  QT_DISABLE_DEPRECATED_UP_TO=0x060400)
target_compile_options(quorin_settings INTERFACE -Wall -Wextra -Wpedantic)

if(QUORIN_SANITIZE)
  target_compile_options(quorin_settings INTERFACE
    -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  target_link_options(quorin_settings INTERFACE -fsanitize=address,undefined)
endif()
if(QUORIN_FUZZ)
  target_compile_options(quorin_settings INTERFACE
    -fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer)
  target_link_options(quorin_settings INTERFACE -fsanitize=address,undefined)
endif()

# The language every test runs in unless it says otherwise.
set(QUORIN_TEST_LANGUAGE "LANGUAGE=en;LC_ALL=C.UTF-8;LC_MESSAGES=;LANG=C.UTF-8")

# quorin_add_test(NAME <name> SOURCES <files...> LIBS <targets...> LABEL <unit|widget|e2e> [AREA <area>])
# One test program per unit, run offscreen, labelled for `ctest -L`; each links quorin_testing.
function(quorin_add_test)
  cmake_parse_arguments(T "" "NAME;LABEL;AREA" "SOURCES;LIBS" ${ARGN})
  if(NOT T_LABEL)
    set(T_LABEL unit)
  endif()
  add_executable(${T_NAME} ${T_SOURCES})
  target_link_libraries(${T_NAME} PRIVATE quorin_settings Qt6::Test quorin_testing ${T_LIBS})
  target_compile_definitions(${T_NAME} PRIVATE
    QUORIN_TEST_DATA="${PROJECT_SOURCE_DIR}/tests/data"
    QUORIN_SOURCE_DIR="${PROJECT_SOURCE_DIR}"
    QUORIN_BIN_DIR="${CMAKE_RUNTIME_OUTPUT_DIRECTORY}")
  set_target_properties(${T_NAME} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  add_test(NAME ${T_NAME} COMMAND ${T_NAME})
  set(labels ${T_LABEL})
  if(T_AREA)
    list(APPEND labels ${T_AREA})
  endif()
  # A runtime folder of its own: the programs' local write locks live there, and a
  # test that times its writers must not wait on another test's writers.
  set(runtime ${CMAKE_BINARY_DIR}/tests/runtime/${T_NAME})
  file(MAKE_DIRECTORY ${runtime})
  file(CHMOD ${runtime} DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE)
  # English whatever the machine's locale: the tests assert the English texts.
  set_tests_properties(${T_NAME} PROPERTIES
    LABELS "${labels}"
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;QT_LOGGING_RULES=qt.qpa.*=false;XDG_RUNTIME_DIR=${runtime};${QUORIN_TEST_LANGUAGE}")
endfunction()

# quorin_add_benchmark(NAME <name> SOURCES <files...> LIBS <targets...>)
# Benchmarks build their data with the tests' library, quorin_testing.
function(quorin_add_benchmark)
  cmake_parse_arguments(B "" "NAME" "SOURCES;LIBS" ${ARGN})
  add_executable(${B_NAME} ${B_SOURCES})
  target_link_libraries(${B_NAME} PRIVATE quorin_settings benchmark::benchmark quorin_testing ${B_LIBS})
endfunction()

# quorin_add_fuzzer(NAME <name> SOURCES <files...> LIBS <targets...>)
# A libFuzzer target; its seed corpus is fuzz/corpus/<name without fuzz_>.
function(quorin_add_fuzzer)
  cmake_parse_arguments(F "" "NAME" "SOURCES;LIBS" ${ARGN})
  add_executable(${F_NAME} ${F_SOURCES})
  target_link_libraries(${F_NAME} PRIVATE quorin_settings ${F_LIBS})
  target_link_options(${F_NAME} PRIVATE -fsanitize=fuzzer)
  add_dependencies(fuzz_all ${F_NAME})
endfunction()

# quorin_program_name(<target> <installed name>)
# A program is built and installed as <installed name> (quorin-teacher), and the build
# tree keeps a link under the target's own name (build/bin/teacher) for scripts and tests.
function(quorin_program_name target name)
  set_target_properties(${target} PROPERTIES OUTPUT_NAME ${name})
  # Relocations resolved at start and then made read-only, as Debian builds programs.
  target_link_options(${target} PRIVATE -Wl,-z,relro -Wl,-z,now)
  add_custom_command(TARGET ${target} POST_BUILD
    COMMAND ${CMAKE_COMMAND} -E rm -f $<TARGET_FILE_DIR:${target}>/${target}
    COMMAND ${CMAKE_COMMAND} -E create_symlink ${name} $<TARGET_FILE_DIR:${target}>/${target}
    VERBATIM)
endfunction()
