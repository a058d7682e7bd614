// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

#include "settings/LineChoices.h"

#include "settings/SettingsStore.h"

namespace {

const QString Section = QStringLiteral("Lines");

QString keyFor(int portNumber, OutputLine line)
{
    return QStringLiteral("Com%1%2").arg(portNumber).arg(shortNameOf(line));
}

std::size_t indexOf(OutputLine line)
{
    return static_cast<std::size_t>(line);
}

} // namespace

LineChoices::LineChoices(SettingsStore& store) : m_store(store) {}

OutputLevels LineChoices::forPort(int portNumber) const
{
    OutputLevels levels;
    for (const OutputLineNames& output : OutputLines) {
        const std::optional<bool>& forRun = m_forRun[indexOf(output.line)];
        levels.of(output.line) =
            forRun ? *forRun : m_store.read(Section, keyFor(portNumber, output.line)) != "0";
    }
    return levels;
}

void LineChoices::choose(int portNumber, OutputLine line, bool asserted)
{
    m_forRun[indexOf(line)].reset();
    m_store.write(Section, keyFor(portNumber, line),
                  asserted ? QStringLiteral("1") : QStringLiteral("0"));
}

void LineChoices::chooseForRun(OutputLine line, bool asserted)
{
    m_forRun[indexOf(line)] = asserted;
}
