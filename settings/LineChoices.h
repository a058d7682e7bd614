// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

#pragma once

#include "platform/serial/OutputLine.h"

#include <array>
#include <optional>

class SettingsStore;

// The outputs each port opens with, in section "Lines" of the store
// ("Com1DTR=0"): "0" not asserted, anything else, a missing key included,
// asserted. The command line may choose a line for the run instead.
class LineChoices
{
public:
    explicit LineChoices(SettingsStore& store);

    OutputLevels forPort(int portNumber) const;
    // The user switched the line: stored, and from now on it stands for
    // the run as well.
    void choose(int portNumber, OutputLine line, bool asserted);
    // For every port of this run, not stored.
    void chooseForRun(OutputLine line, bool asserted);

private:
    SettingsStore& m_store;
    std::array<std::optional<bool>, OutputLines.size()> m_forRun;
};
