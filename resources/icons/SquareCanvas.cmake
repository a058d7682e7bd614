# SPDX-FileCopyrightText: 2026 The Quorlin developers
# SPDX-License-Identifier: MIT
# Writes SVG artwork onto a square canvas as wide as its larger side, the
# drawing centred on it and otherwise unchanged, as an icon theme wants its
# scalable icons.
#   cmake -D ARTWORK=<artwork.svg> -D OUTPUT=<square.svg> -P SquareCanvas.cmake
file(READ ${ARTWORK} svg)
string(REGEX MATCH "<svg[^>]*>" root "${svg}")
string(REGEX MATCH "[ \n]width=\"([0-9]+)\"" _ "${root}")
set(width ${CMAKE_MATCH_1})
string(REGEX MATCH "[ \n]height=\"([0-9]+)\"" _ "${root}")
set(height ${CMAKE_MATCH_1})
if(NOT width OR NOT height OR NOT root MATCHES "viewBox=\"0 0 ${width} ${height}\"")
    message(FATAL_ERROR "${ARTWORK}: the root element needs a whole-pixel width and height "
        "and the viewBox \"0 0 <width> <height>\"")
endif()

if(width GREATER height)
    set(side ${width})
else()
    set(side ${height})
endif()
# Whole-pixel offsets keep the artwork's pixel-aligned strokes crisp.
math(EXPR left "(${width} - ${side}) / 2")
math(EXPR top "(${height} - ${side}) / 2")
string(REGEX REPLACE "([ \n])width=\"${width}\"" "\\1width=\"${side}\"" square "${root}")
string(REGEX REPLACE "([ \n])height=\"${height}\"" "\\1height=\"${side}\"" square "${square}")
string(REPLACE "viewBox=\"0 0 ${width} ${height}\"" "viewBox=\"${left} ${top} ${side} ${side}\""
    square "${square}")
string(REPLACE "${root}" "${square}" svg "${svg}")
file(WRITE ${OUTPUT} "${svg}")
