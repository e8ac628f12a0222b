# SPDX-FileCopyrightText: 2026 The Quillsite Team
# SPDX-License-Identifier: GPL-3.0-or-later

# The Debian package, made by CPack: `cpack --config build/CPackConfig.cmake`,
# or scripts/package.sh, which also checks it with lintian.
set(QUILLSITE_MAINTAINER "${QUILLSITE_MAKER} <quillsite@example.org>"
    CACHE STRING "Maintainer of the Debian package, as \"Name <address>\"")

# The copyright file and the changelog that every Debian package carries.
execute_process(COMMAND date --utc --rfc-email --date=${QUILLSITE_RELEASE_DATE}
    OUTPUT_VARIABLE release_date_rfc2822 OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
set(changelog ${CMAKE_BINARY_DIR}/generated/changelog)
configure_file(${PROJECT_SOURCE_DIR}/share/doc/changelog.in ${changelog} @ONLY)
find_program(GZIP gzip REQUIRED)
add_custom_command(OUTPUT ${changelog}.gz
    COMMAND ${GZIP} -9nkf ${changelog}
    DEPENDS ${changelog}
    COMMENT "Compressing the package's changelog")
add_custom_target(quillsite_changelog ALL DEPENDS ${changelog}.gz)
install(FILES ${PROJECT_SOURCE_DIR}/share/doc/copyright ${changelog}.gz
    DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/quillsite)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quillsite)
set(CPACK_PACKAGE_VENDOR "${QUILLSITE_MAKER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "website creation wizard")
set(CPACK_PACKAGE_DESCRIPTION
    "Quillsite builds a small static website without any HTML knowledge: pick a
design template, type the site's title and author, write your pages in an
editor that works like a word processor, and choose a folder. Quillsite writes
one HTML page for each page of the site, with a menu linking them all.
.
The package also holds quillsite-build, which builds a site from a template
on the command line.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${QUILLSITE_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION web)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${PROJECT_HOMEPAGE_URL}")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# Libraries come from the binaries; what Qt loads at run time does not show
# there: the window system and picture format plug-ins (WebP photos), and the
# web engine's helper and data.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "qt6-qpa-plugins, qt6-image-formats-plugins, libqt6webenginecore6-bin, libqt6webengine6-data")
# Qt's own texts (standard buttons) in the user's language, and git for
# publishing to a Git branch.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n, git")

include(CPack)
