# SPDX-FileCopyrightText: 2026 The Quillsite Team
# SPDX-License-Identifier: GPL-3.0-or-later

# quillsite_add_test(NAME tst_x SOURCES a.cpp ... LIBS lib ... LABEL unit|gui|e2e [TIMEOUT s])
#
# One Qt Test class per executable. Widgets run on the offscreen platform, the
# web engine without GPU and (as tests run as root) without its sandbox.
function(quillsite_add_test)
    cmake_parse_arguments(ARG "" "NAME;LABEL;TIMEOUT" "SOURCES;LIBS" ${ARGN})
    if(NOT ARG_LABEL MATCHES "^(unit|gui|e2e)$")
        message(FATAL_ERROR "quillsite_add_test(${ARG_NAME}): LABEL must be unit, gui or e2e")
    endif()
    if(NOT ARG_TIMEOUT)
        set(ARG_TIMEOUT 300)
    endif()
    add_executable(${ARG_NAME} ${ARG_SOURCES})
    target_link_libraries(${ARG_NAME} PRIVATE Qt6::Test quillsite_options ${ARG_LIBS})
    target_compile_definitions(${ARG_NAME} PRIVATE
        QUILLSITE_SOURCE_DIR="${PROJECT_SOURCE_DIR}"
        QUILLSITE_BIN_DIR="${CMAKE_RUNTIME_OUTPUT_DIRECTORY}")
    add_test(NAME ${ARG_NAME} COMMAND ${ARG_NAME})
    set_tests_properties(${ARG_NAME} PROPERTIES
        LABELS ${ARG_LABEL}
        TIMEOUT ${ARG_TIMEOUT}
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen;QTWEBENGINE_DISABLE_SANDBOX=1;QTWEBENGINE_CHROMIUM_FLAGS=--disable-gpu --renderer-process-limit=2 --enable-low-end-device-mode;QT_LOGGING_RULES=qt.webenginecontext.debug=false")
endfunction()
