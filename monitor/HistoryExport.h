// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

#pragma once

#include "monitor/LineHistory.h"

#include <QString>

// Writes all of `history` to `fileName` in the format its name asks for
// (changeFormatFor()), replacing the file only once all is written. Returns
// the system's reason when it could not; empty when it could.
QString exportHistory(const LineHistory& history, const QString& fileName);
