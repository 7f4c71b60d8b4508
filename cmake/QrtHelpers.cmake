# Warnings and sanitizers, applied per target through this interface library.
add_library(qrt_build_flags INTERFACE)
target_compile_options(qrt_build_flags INTERFACE -Wall -Wextra -Wpedantic)
target_compile_definitions(qrt_build_flags INTERFACE QT_NO_KEYWORDS QT_USE_QSTRINGBUILDER)
if(QRT_FUZZ)
    if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
        message(FATAL_ERROR "QRT_FUZZ needs clang (libFuzzer)")
    endif()
    # -O1: the runs a fuzzer needs take hours at -O0.
    target_compile_options(qrt_build_flags INTERFACE -O1 -fsanitize=fuzzer-no-link,address,undefined
                                                     -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
    target_link_options(qrt_build_flags INTERFACE -fsanitize=address,undefined)
endif()
if(QRT_SANITIZE)
    target_compile_options(qrt_build_flags INTERFACE -fsanitize=address,undefined -fno-omit-frame-pointer
                                                     -fno-sanitize-recover=undefined)
    target_link_options(qrt_build_flags INTERFACE -fsanitize=address,undefined)
endif()

# add_qrt_test(name SOURCES a.cpp b.cpp [LIBS extra...])
# One test executable per subject, run by ctest with the application folder of the build.
function(add_qrt_test name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
    target_link_libraries(${name} PRIVATE qrt_comm qrt_testsupport Qt6::Test qrt_build_flags ${ARG_LIBS})
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen;QRT_APP_DIR=${QRT_APP_DIR};QRT_SOURCE_DIR=${PROJECT_SOURCE_DIR}"
        TIMEOUT 300) # a test waits for events, never for a time: a busy machine only makes it slower
endfunction()

# qrt_layer(target folder...)
# Gives a layer library an include root that holds only its own source folders, so a
# header of a layer above cannot be included from below: the root is a folder of links
# in the build tree, and the targets above see it through target_link_libraries.
function(qrt_layer target)
    set(root ${CMAKE_BINARY_DIR}/layers/${target})
    file(MAKE_DIRECTORY ${root})
    foreach(folder ${ARGN})
        if(NOT EXISTS ${root}/${folder})
            file(CREATE_LINK ${PROJECT_SOURCE_DIR}/src/${folder} ${root}/${folder} RESULT linked SYMBOLIC)
            if(NOT linked EQUAL 0)
                # Without links (some Windows set-ups) the layers still build, unchecked.
                message(WARNING "Cannot link ${folder} into ${root} (${linked}); layer includes are not checked")
                set(root ${PROJECT_SOURCE_DIR}/src)
                break()
            endif()
        endif()
    endforeach()
    target_include_directories(${target} PUBLIC ${root})
endfunction()
