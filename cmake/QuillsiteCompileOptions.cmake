# SPDX-FileCopyrightText: 2026 The Quillsite Team
# SPDX-License-Identifier: GPL-3.0-or-later

# Strict string handling so that encodings never convert silently, and warnings on.
add_library(quillsite_options INTERFACE)
target_compile_definitions(quillsite_options INTERFACE
    QT_NO_CAST_FROM_ASCII
    QT_NO_CAST_TO_ASCII
    QT_NO_URL_CAST_FROM_STRING
    QT_USE_QSTRINGBUILDER
    QT_NO_FOREACH)
target_compile_options(quillsite_options INTERFACE -Wall -Wextra -Wpedantic)
target_include_directories(quillsite_options INTERFACE
    ${PROJECT_SOURCE_DIR}/src
    ${CMAKE_BINARY_DIR}/generated)
