// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

#pragma once

#include "platform/Registry.h"

#include <QStringList>

// The machine's registry. This platform has none, so it stands in for the
// one entry the program reads: the system-information tool's own path, which
// it answers with the first of the desktops' system-information programs
// found on the executable search path. Every other key is not there.
class SystemRegistry : public Registry
{
public:
    // The programs asked for, in order of preference.
    static const QStringList InfoTools;

    Status openKey(Key root, const QString& path, quint32 options, quint32 access,
                   Key& key) override;
    Status queryValue(Key key, const QString& name, quint32& type, std::span<char> data,
                      quint32& byteCount) override;
    Status closeKey(Key key) override;
};
