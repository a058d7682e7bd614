// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

#include "settings/NumberText.h"

#include <cmath>
#include <limits>
#include <QLocale>

namespace NumberText {

QString fromNumber(double value)
{
    if (value == 0.0) // also folds -0 into "0"
        return QStringLiteral("0");
    return QString::number(value, 'f', QLocale::FloatingPointShortest);
}

std::optional<double> toDouble(const QString& text)
{
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<float> toSingle(const QString& text)
{
    const auto value = toDouble(text);
    if (!value || std::abs(*value) > std::numeric_limits<float>::max())
        return std::nullopt;
    return static_cast<float>(*value);
}

std::optional<qint16> toInt16(const QString& text)
{
    const auto value = toDouble(text);
    if (!value || std::trunc(*value) != *value || *value < std::numeric_limits<qint16>::min() ||
        *value > std::numeric_limits<qint16>::max())
        return std::nullopt;
    return static_cast<qint16>(*value);
}

} // namespace NumberText
