// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

#include "platform/desktop/ScrollBarColour.h"

#include <windows.h>

QColor scrollBarColour()
{
    const COLORREF colour = GetSysColor(COLOR_SCROLLBAR);
    return QColor(GetRValue(colour), GetGValue(colour), GetBValue(colour));
}
