// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

#include "monitor/ChangeFormat.h"

#include "monitor/CsvFormat.h"
#include "monitor/VcdFormat.h"

std::unique_ptr<ChangeFormat> changeFormatFor(const QString& fileName)
{
    if (fileName.endsWith(QLatin1String(".vcd"), Qt::CaseInsensitive))
        return std::make_unique<VcdFormat>();
    if (fileName.endsWith(QLatin1String(".csv"), Qt::CaseInsensitive))
        return std::make_unique<CsvFormat>();
    return nullptr;
}
