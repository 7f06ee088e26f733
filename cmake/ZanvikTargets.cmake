# Helpers that give every target of the project the same language level, warnings and
# sanitizers, so that no target can be built without them.

set(ZANVIK_WARNING_FLAGS
    -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor -Woverloaded-virtual
    -Wcast-align -Wnull-dereference -Wdouble-promotion -Wformat=2 -Wimplicit-fallthrough
    -Wmissing-declarations
    # The window tables are designated initializers that leave the fields a row does not name
    # at their defaults on purpose; gcc warns about each of those, clang does not.
    -Wno-missing-field-initializers)

function(zanvik_apply_settings target)
    target_compile_features(${target} PUBLIC cxx_std_20)
    target_compile_options(${target} PRIVATE ${ZANVIK_WARNING_FLAGS})
    if(ZANVIK_WARNINGS_AS_ERRORS)
        target_compile_options(${target} PRIVATE -Werror)
    endif()
endfunction()

# zanvik_library(name [QT] SOURCES ... [LIBS ...]): one library per subsystem. QT turns on moc
# and rcc for libraries that use Qt; the others are built without them.
function(zanvik_library name)
    cmake_parse_arguments(ARG "QT" "" "SOURCES;LIBS" ${ARGN})
    add_library(${name} STATIC ${ARG_SOURCES})
    set_target_properties(${name} PROPERTIES AUTOMOC ${ARG_QT} AUTORCC ${ARG_QT})
    target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
    target_link_libraries(${name} PUBLIC ${ARG_LIBS})
    zanvik_apply_settings(${name})
endfunction()

# The project's test environment with the given NAME=value entries taking precedence.
function(zanvik_merge_environment out overrides)
    set(result ${overrides})
    foreach(entry IN LISTS ZANVIK_TEST_ENV)
        string(REGEX MATCH "^[^=]+" key "${entry}")
        set(overridden FALSE)
        foreach(override IN LISTS overrides)
            if(override MATCHES "^${key}=")
                set(overridden TRUE)
            endif()
        endforeach()
        if(NOT overridden)
            list(APPEND result "${entry}")
        endif()
    endforeach()
    set(${out} "${result}" PARENT_SCOPE)
endfunction()

# zanvik_test(name [QT] SOURCES ... [LIBS ...] [ENV ...] [LABELS ...] [TIMEOUT s]): a GoogleTest
# executable registered with CTest as one test. ENV entries override the project's defaults.
function(zanvik_test name)
    cmake_parse_arguments(ARG "QT" "TIMEOUT" "SOURCES;LIBS;ENV;LABELS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    set_target_properties(${name} PROPERTIES AUTOMOC ${ARG_QT} AUTORCC ${ARG_QT})
    target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gtest_main GTest::gmock)
    zanvik_apply_settings(${name})
    add_test(NAME ${name} COMMAND ${name})
    if(NOT ARG_TIMEOUT)
        set(ARG_TIMEOUT 300)
    endif()
    zanvik_merge_environment(environment "${ARG_ENV}")
    set_tests_properties(${name} PROPERTIES TIMEOUT ${ARG_TIMEOUT}
                         ENVIRONMENT "${environment}" LABELS "${ARG_LABELS}")
endfunction()

# zanvik_benchmark(name SOURCES ... [LIBS ...]): a Google Benchmark executable (not a test).
function(zanvik_benchmark name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE ${ARG_LIBS} benchmark::benchmark)
    zanvik_apply_settings(${name})
endfunction()

# Libraries that parse bytes from the network or the disk get coverage instrumentation in the
# fuzzing build, so that libFuzzer sees inside them.
function(zanvik_fuzz_instrument target)
    if(ZANVIK_FUZZ)
        target_compile_options(${target} PRIVATE -fsanitize=fuzzer-no-link)
    endif()
endfunction()

# zanvik_fuzzer(name SOURCES ... LIBS ... SEEDS dir [SECONDS n]): a libFuzzer target. CTest runs
# it for a bounded time over a copy of its seed folder; a longer run is one command (README).
function(zanvik_fuzzer name)
    cmake_parse_arguments(ARG "" "SEEDS;SECONDS" "SOURCES;LIBS" ${ARGN})
    if(NOT ZANVIK_FUZZ)
        return()
    endif()
    if(NOT ARG_SECONDS)
        set(ARG_SECONDS ${ZANVIK_FUZZ_SECONDS})
    endif()
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE ${ARG_LIBS})
    target_compile_options(${name} PRIVATE -fsanitize=fuzzer)
    target_link_options(${name} PRIVATE -fsanitize=fuzzer)
    zanvik_apply_settings(${name})
    set(work ${CMAKE_CURRENT_BINARY_DIR}/${name}-corpus)
    add_test(NAME ${name}
             COMMAND ${CMAKE_COMMAND} -DFUZZER=$<TARGET_FILE:${name}> -DSEEDS=${ARG_SEEDS}
                     -DWORK=${work} -DSECONDS=${ARG_SECONDS}
                     -P ${PROJECT_SOURCE_DIR}/cmake/RunFuzzer.cmake)
    math(EXPR limit "${ARG_SECONDS} + 120")
    zanvik_merge_environment(environment "")
    set_tests_properties(${name} PROPERTIES TIMEOUT ${limit} LABELS fuzz
                         ENVIRONMENT "${environment}")
endfunction()

# zanvik_e2e_test(name SCRIPT script [ARGS ...] [RESOURCES ...]): a whole-program test script run
# under its own Xvfb screen of 1024 × 768. Such tests take turns on the X server start-up and on
# any fixed RESOURCES they name (for instance the image server's port). Exit code 77 means
# skipped (say why), for instance when that port is taken by a program that is not ours.
function(zanvik_e2e_test name)
    cmake_parse_arguments(ARG "" "SCRIPT" "ARGS;RESOURCES" ${ARGN})
    find_program(XVFB_RUN xvfb-run)
    find_program(XDOTOOL xdotool)
    find_program(XCLIP xclip)
    if(NOT (XVFB_RUN AND XDOTOOL AND XCLIP))
        message(WARNING "xvfb-run, xdotool or xclip missing: ${name} is left out")
        return()
    endif()
    add_test(NAME ${name}
             COMMAND ${XVFB_RUN} -a -s "-screen 0 1024x768x24" ${ARG_SCRIPT} ${ARG_ARGS})
    # libxkbcommon-x11 (under the xcb platform) reads past a string end with strndup, which
    # strict string checks report; everything else stays checked.
    zanvik_merge_environment(environment
        "ASAN_OPTIONS=detect_leaks=1:strict_string_checks=0:abort_on_error=0;ZANVIK_E2E_HELPERS=${PROJECT_SOURCE_DIR}/tests/e2e/xsession.sh")
    set_tests_properties(${name} PROPERTIES TIMEOUT 180 LABELS e2e SKIP_RETURN_CODE 77
                         RESOURCE_LOCK "xvfb;${ARG_RESOURCES}" ENVIRONMENT "${environment}")
endfunction()
