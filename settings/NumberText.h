// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

#pragma once

#include <optional>
#include <QString>

// The text forms of the numbers in the settings store: plain decimal, a
// leading "-" for negatives, no decimal point for whole numbers. Parsing
// never throws; text that is no number of the wanted kind gives nullopt.
namespace NumberText {

QString fromNumber(double value);

std::optional<double> toDouble(const QString& text);
// A finite number within the range of a single-precision float.
std::optional<float> toSingle(const QString& text);
// A whole number within -32768..32767 ("1.0" counts, "1.5" does not).
std::optional<qint16> toInt16(const QString& text);

} // namespace NumberText
