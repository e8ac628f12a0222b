# SPDX-FileCopyrightText: 2026 The Quillsite Team
# SPDX-License-Identifier: GPL-3.0-or-later
# The network destinations: the FTP listing reader alone, and the SFTP, FTPS and FTP
# destinations against an sshd and a vsftpd that the tests start on 127.0.0.1 themselves.
find_package(Qt6 6.4 REQUIRED COMPONENTS Network)

quillsite_add_test(NAME tst_ftplisting SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_ftplisting.cpp
    LIBS quillsite_publish LABEL unit)

# The servers and the throw-away user they let in, shared by the tests that need a server,
# a web server for the published folder, and a keyring in a D-Bus session of its own.
add_library(quillsite_testservers STATIC
    ${CMAKE_CURRENT_LIST_DIR}/ftpserver.cpp ${CMAKE_CURRENT_LIST_DIR}/ftpserver.h
    ${CMAKE_CURRENT_LIST_DIR}/httpserver.cpp ${CMAKE_CURRENT_LIST_DIR}/httpserver.h
    ${CMAKE_CURRENT_LIST_DIR}/keyringsession.cpp ${CMAKE_CURRENT_LIST_DIR}/keyringsession.h
    ${CMAKE_CURRENT_LIST_DIR}/publishservers.cpp ${CMAKE_CURRENT_LIST_DIR}/publishservers.h
    ${CMAKE_CURRENT_LIST_DIR}/serverprocess.cpp ${CMAKE_CURRENT_LIST_DIR}/serverprocess.h
    ${CMAKE_CURRENT_LIST_DIR}/sshserver.cpp ${CMAKE_CURRENT_LIST_DIR}/sshserver.h
    ${CMAKE_CURRENT_LIST_DIR}/testfiles.cpp ${CMAKE_CURRENT_LIST_DIR}/testfiles.h
    ${CMAKE_CURRENT_LIST_DIR}/throwawayuser.cpp ${CMAKE_CURRENT_LIST_DIR}/throwawayuser.h)
target_include_directories(quillsite_testservers PUBLIC ${CMAKE_CURRENT_LIST_DIR})
target_link_libraries(quillsite_testservers PUBLIC Qt6::Core Qt6::Network quillsite_options)

quillsite_add_test(NAME tst_networkdestinations
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_networkdestinations.cpp
    LIBS quillsite_publish quillsite_testservers LABEL e2e TIMEOUT 180)
# The killed publish runs the real program.
add_dependencies(tst_networkdestinations quillsite-publish)
# Serves what it published over HTTP, for --verify.
target_link_libraries(tst_quillsitepublish PRIVATE quillsite_testservers)
