# SPDX-FileCopyrightText: 2026 The Quillsite Team
# SPDX-License-Identifier: GPL-3.0-or-later
# The destinations reached over a network: SFTP through libssh, FTPS and FTP through libcurl
# (whose OpenSSL context the certificate check works in). OpenSSL also hashes the site's files.
find_package(PkgConfig REQUIRED)
pkg_check_modules(LIBSSH REQUIRED IMPORTED_TARGET libssh>=0.10)
pkg_check_modules(LIBCURL REQUIRED IMPORTED_TARGET libcurl)
find_package(OpenSSL REQUIRED)

target_sources(quillsite_publish PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/ftpdestination.cpp ${CMAKE_CURRENT_LIST_DIR}/ftpdestination.h
    ${CMAKE_CURRENT_LIST_DIR}/ftplisting.cpp ${CMAKE_CURRENT_LIST_DIR}/ftplisting.h
    ${CMAKE_CURRENT_LIST_DIR}/sftpchannel.cpp ${CMAKE_CURRENT_LIST_DIR}/sftpchannel.h
    ${CMAKE_CURRENT_LIST_DIR}/sftpdestination.cpp ${CMAKE_CURRENT_LIST_DIR}/sftpdestination.h
    ${CMAKE_CURRENT_LIST_DIR}/sshhosttrust.cpp ${CMAKE_CURRENT_LIST_DIR}/sshhosttrust.h
    ${CMAKE_CURRENT_LIST_DIR}/sshlogin.cpp ${CMAKE_CURRENT_LIST_DIR}/sshlogin.h)
target_link_libraries(quillsite_publish
    PUBLIC PkgConfig::LIBSSH PkgConfig::LIBCURL
    PRIVATE OpenSSL::SSL OpenSSL::Crypto)
