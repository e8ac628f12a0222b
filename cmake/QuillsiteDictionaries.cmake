# SPDX-FileCopyrightText: 2026 The Quillsite Team
# SPDX-License-Identifier: GPL-3.0-or-later

# Spelling dictionaries for the editor: Debian's Hunspell dictionaries (the hunspell-*
# packages), converted at build time into the web engine's format. They lie beside the
# built executables in qtwebengine_dictionaries, named by language (en-US.bdic), and are
# installed with the program's data.
set(QUILLSITE_HUNSPELL_DIR /usr/share/hunspell CACHE PATH
    "Folder holding the Hunspell dictionaries (.dic and .aff)")
set(QUILLSITE_DICTIONARIES en_US de_DE CACHE STRING
    "Hunspell dictionaries the editor checks spelling with")

find_package(Qt6 6.4 REQUIRED COMPONENTS WebEngineCoreTools)

set(quillsite_dictionary_dir ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/qtwebengine_dictionaries)
set(quillsite_bdic_files)
foreach(dictionary IN LISTS QUILLSITE_DICTIONARIES)
    set(source ${QUILLSITE_HUNSPELL_DIR}/${dictionary}.dic)
    if(NOT EXISTS ${source})
        message(WARNING "No spelling dictionary ${source}: the editor won't check that "
            "language (scripts/setup.sh installs the hunspell packages)")
        continue()
    endif()
    string(REPLACE "_" "-" language ${dictionary})
    set(output ${quillsite_dictionary_dir}/${language}.bdic)
    add_custom_command(OUTPUT ${output}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${quillsite_dictionary_dir}
        COMMAND Qt6::qwebengine_convert_dict ${source} ${output}
        DEPENDS ${source} ${QUILLSITE_HUNSPELL_DIR}/${dictionary}.aff
        COMMENT "Converting the ${language} spelling dictionary")
    list(APPEND quillsite_bdic_files ${output})
endforeach()
add_custom_target(quillsite_dictionaries ALL DEPENDS ${quillsite_bdic_files})
install(FILES ${quillsite_bdic_files}
    DESTINATION ${CMAKE_INSTALL_DATADIR}/quillsite/qtwebengine_dictionaries)
