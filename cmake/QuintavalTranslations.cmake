# SPDX-License-Identifier: GPL-3.0-or-later
# Qt Linguist's tools, called directly: lrelease builds the catalogs the programs load, lupdate
# gathers the texts to translate from the sources.
#
# quintaval_translations(<target>
#     CATALOGS <file.ts...>     the catalogs, one per language (quintaval_fr.ts)
#     SOURCE_DIRS <dirs...>     the folders whose texts they translate
#     OUTPUT_DIR <dir>          where the .qm files go
#     INSTALL_DIR <dir>)        where they install
# adds <target> (built by default) for the .qm files, and update-translations, which refreshes the
# catalogs from the sources: new texts come in unfinished, texts gone from the sources go out.
set(quintaval_qt_tool_dirs "${QT6_INSTALL_PREFIX}/${QT6_INSTALL_BINS}" "${QT6_INSTALL_PREFIX}/${QT6_INSTALL_LIBEXECS}"
    /usr/lib/qt6/bin)
find_program(QUINTAVAL_LRELEASE NAMES lrelease-qt6 lrelease HINTS ${quintaval_qt_tool_dirs} REQUIRED)
find_program(QUINTAVAL_LUPDATE NAMES lupdate-qt6 lupdate HINTS ${quintaval_qt_tool_dirs} REQUIRED)

function(quintaval_translations target)
    cmake_parse_arguments(ARG "" "OUTPUT_DIR;INSTALL_DIR" "CATALOGS;SOURCE_DIRS" ${ARGN})
    set(compiled)
    set(sources)
    foreach(catalog IN LISTS ARG_CATALOGS)
        get_filename_component(name ${catalog} NAME_WE)
        get_filename_component(source ${catalog} ABSOLUTE)
        add_custom_command(OUTPUT ${ARG_OUTPUT_DIR}/${name}.qm
            COMMAND ${CMAKE_COMMAND} -E make_directory ${ARG_OUTPUT_DIR}
            COMMAND ${QUINTAVAL_LRELEASE} -silent -nounfinished ${source} -qm ${ARG_OUTPUT_DIR}/${name}.qm
            DEPENDS ${source}
            COMMENT "Building the catalog ${name}.qm"
            VERBATIM)
        list(APPEND compiled ${ARG_OUTPUT_DIR}/${name}.qm)
        list(APPEND sources ${source})
    endforeach()
    add_custom_target(${target} ALL DEPENDS ${compiled})
    install(FILES ${compiled} DESTINATION ${ARG_INSTALL_DIR})

    # Without line numbers, a catalog changes only when the texts do.
    add_custom_target(update-translations
        COMMAND ${QUINTAVAL_LUPDATE} -silent -locations none -no-obsolete -I ${PROJECT_SOURCE_DIR} ${ARG_SOURCE_DIRS}
            -ts ${sources}
        WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
        COMMENT "Updating the catalogs from the sources"
        VERBATIM)
endfunction()
