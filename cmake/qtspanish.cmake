# SPDX-FileCopyrightText: The Quorlin developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Qt's own Spanish, built into the program so that it never depends on a translations package at
# run time: the build machine's qtbase_es.qm cut down to the texts that Quorlin's window can show.
#
# include(qtspanish) defines quorlin_add_qt_spanish(<target>). Run as a script
# (cmake -DLCONVERT=... -DINPUT=... -DOUTPUT=... -DCONTEXTS=a,b -DWORK=... -P qtspanish.cmake),
# it writes the cut-down catalogue.

# The toolkit's texts that reach the player, by the translation context that Qt looks them up in:
# the error report's button (QPlatformTheme), the context menus of the faces field (QLineEdit),
# of the result box (QWidgetTextControl) and of its scroll bar (QScrollBar), the key names in
# those menus and in the controls' accessible shortcuts (QShortcut), the lists' accessible texts
# (QComboBox), the role and action names that screen readers speak (QSpiAccessibleBridge,
# QAccessibleActionInterface), and the layout direction (QGuiApplication).
set(QUORLIN_QT_SPANISH_CONTEXTS
    QPlatformTheme QLineEdit QWidgetTextControl QScrollBar QShortcut QComboBox
    QSpiAccessibleBridge QAccessibleActionInterface QGuiApplication)

if(CMAKE_SCRIPT_MODE_FILE)
    cmake_policy(VERSION 3.25)
    execute_process(COMMAND "${LCONVERT}" -i "${INPUT}" -o "${WORK}/all.ts"
        COMMAND_ERROR_IS_FATAL ANY)
    file(READ "${WORK}/all.ts" all)
    string(REPLACE "," ";" wanted "${CONTEXTS}")

    # lconvert writes one <context> element after another, each with its <name> first.
    string(FIND "${all}" "<context>" start)
    if(start EQUAL -1)
        message(FATAL_ERROR "${INPUT} holds no translation context")
    endif()
    string(SUBSTRING "${all}" 0 ${start} kept)
    string(SUBSTRING "${all}" ${start} -1 rest)
    set(found "")
    while(NOT start EQUAL -1)
        string(FIND "${rest}" "</context>" end)
        if(end EQUAL -1)
            message(FATAL_ERROR "${INPUT}: a translation context does not end")
        endif()
        math(EXPR end "${end} + 10")
        string(SUBSTRING "${rest}" 0 ${end} context)
        string(SUBSTRING "${rest}" ${end} -1 rest)
        string(REGEX MATCH "<name>([^<]*)</name>" name "${context}")
        if(CMAKE_MATCH_1 IN_LIST wanted)
            string(APPEND kept "${context}\n")
            list(APPEND found "${CMAKE_MATCH_1}")
        endif()
        string(FIND "${rest}" "<context>" start)
        if(NOT start EQUAL -1)
            string(SUBSTRING "${rest}" ${start} -1 rest)
        endif()
    endwhile()
    string(APPEND kept "</TS>\n")

    # A context that Qt has renamed would silently bring English back: stop the build instead.
    foreach(context IN LISTS wanted)
        if(NOT context IN_LIST found)
            message(FATAL_ERROR "${INPUT} has no context ${context}: the window would show "
                "its texts in English. Update QUORLIN_QT_SPANISH_CONTEXTS in qtspanish.cmake.")
        endif()
    endforeach()
    file(WRITE "${WORK}/kept.ts" "${kept}")
    execute_process(COMMAND "${LCONVERT}" -i "${WORK}/kept.ts" -o "${OUTPUT}"
        COMMAND_ERROR_IS_FATAL ANY)
    return()
endif()

set(QUORLIN_QT_SPANISH "${QT6_INSTALL_PREFIX}/${QT6_INSTALL_TRANSLATIONS}/qtbase_es.qm"
    CACHE FILEPATH "Qt's Spanish catalogue, from which Quorlin's own is cut")
# lconvert runs on the build machine: a cross build finds it beside the host's Qt.
find_program(QUORLIN_LCONVERT NAMES lconvert lconvert-qt6
    HINTS "${QT6_INSTALL_PREFIX}/${QT6_INSTALL_BINS}" "${QT_HOST_PATH}/${QT6_HOST_INFO_BINDIR}"
    PATHS /usr/lib/qt6/bin
    DOC "Qt's lconvert, which cuts Quorlin's Spanish catalogue out of Qt's")
set(QUORLIN_QT_SPANISH_SCRIPT "${CMAKE_CURRENT_LIST_FILE}")

# quorlin_add_qt_spanish(<target>): builds the cut-down catalogue and puts it into <target>'s
# resources, uncompressed so that the translator reads it where it lies, as
# :/translations/qtbase_es.qm.
function(quorlin_add_qt_spanish target)
    if(NOT EXISTS "${QUORLIN_QT_SPANISH}")
        message(FATAL_ERROR "Qt's Spanish translation is missing: ${QUORLIN_QT_SPANISH}\n"
            "Install qt6-translations-l10n, or set QUORLIN_QT_SPANISH to a qtbase_es.qm.")
    endif()
    if(NOT QUORLIN_LCONVERT)
        message(FATAL_ERROR "Qt's lconvert is missing: install qt6-l10n-tools, or set "
            "QUORLIN_LCONVERT to it.")
    endif()
    set(work "${CMAKE_CURRENT_BINARY_DIR}/qt-spanish")
    set(catalogue "${work}/qtbase_es.qm")
    string(REPLACE ";" "," contexts "${QUORLIN_QT_SPANISH_CONTEXTS}")
    file(MAKE_DIRECTORY "${work}")
    add_custom_command(OUTPUT "${catalogue}"
        COMMAND "${CMAKE_COMMAND}" "-DLCONVERT=${QUORLIN_LCONVERT}"
            "-DINPUT=${QUORLIN_QT_SPANISH}" "-DOUTPUT=${catalogue}" "-DCONTEXTS=${contexts}"
            "-DWORK=${work}" -P "${QUORLIN_QT_SPANISH_SCRIPT}"
        DEPENDS "${QUORLIN_QT_SPANISH}" "${QUORLIN_QT_SPANISH_SCRIPT}"
        COMMENT "Cutting Quorlin's Spanish catalogue out of ${QUORLIN_QT_SPANISH}"
        VERBATIM)
    set_source_files_properties("${catalogue}" PROPERTIES QT_RESOURCE_ALIAS qtbase_es.qm)
    qt_add_resources(${target} qt_spanish
        PREFIX /translations FILES "${catalogue}" OPTIONS --no-compress)
endfunction()
