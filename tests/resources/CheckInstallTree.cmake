# SPDX-FileCopyrightText: 2026 The Quorlin developers
# SPDX-License-Identifier: MIT
# Installs the build into a scratch prefix and checks that each installed
# file is where the desktop, the software centres and the program itself look
# for it: the launcher's Exec and Icon, the metainfo's launchable and the help
# at the place the executable finds it.
#
# Expects BUILD_DIR, PREFIX, BINDIR, DATADIR, APP_ID and HELP_FROM_BINDIR.
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
    RESULT_VARIABLE install_result)
if(NOT install_result EQUAL 0)
    message(FATAL_ERROR "cmake --install failed: ${install_result}")
endif()

set(missing)
macro(expect_file what path)
    if(NOT EXISTS ${path} OR IS_DIRECTORY ${path})
        list(APPEND missing "${what}: ${path}")
    endif()
endmacro()

# The value of `key` in a desktop entry, up to the first blank.
function(desktop_value file key out)
    file(STRINGS ${file} line REGEX "^${key}=")
    string(REGEX REPLACE "^${key}=([^ ]*).*" "\\1" value "${line}")
    set(${out} ${value} PARENT_SCOPE)
endfunction()

set(desktop_entry ${PREFIX}/${DATADIR}/applications/${APP_ID}.desktop)
set(metainfo ${PREFIX}/${DATADIR}/metainfo/${APP_ID}.metainfo.xml)
expect_file("desktop entry" ${desktop_entry})
expect_file("metainfo" ${metainfo})
expect_file("help" ${PREFIX}/${BINDIR}/${HELP_FROM_BINDIR})

if(EXISTS ${desktop_entry})
    desktop_value(${desktop_entry} Exec program)
    desktop_value(${desktop_entry} Icon icon)
    expect_file("program the desktop entry starts" ${PREFIX}/${BINDIR}/${program})
    expect_file("icon the desktop entry names"
        ${PREFIX}/${DATADIR}/icons/hicolor/scalable/apps/${icon}.svg)
endif()
if(EXISTS ${metainfo})
    file(READ ${metainfo} xml)
    string(REGEX MATCH "<launchable type=\"desktop-id\">([^<]*)</launchable>" _ "${xml}")
    expect_file("desktop entry the metainfo launches"
        ${PREFIX}/${DATADIR}/applications/${CMAKE_MATCH_1})
endif()

if(missing)
    list(JOIN missing "\n  " missing_text)
    message(FATAL_ERROR "Not installed where expected:\n  ${missing_text}")
endif()
