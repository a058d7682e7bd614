// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QString>
#include <QtGlobal>
#include <span>

// The machine-wide registry, read a value at a time: open a key, query one of
// its values, close the key. Every call answers with a status code of the
// platform's kind: Success or the reason it failed.
class Registry
{
public:
    // An open key, or one of the predefined roots.
    using Key = qintptr;
    using Status = long;

    // The machine-wide root, as the platform numbers it (sign-extended on
    // 64-bit Windows like the predefined handle itself).
    static constexpr Key LocalMachine = static_cast<qint32>(0x80000002u);

    // Query only: read values, enumerate subkeys, notify, read the security
    // descriptor. Writing is never asked for, so ordinary accounts qualify.
    static constexpr quint32 KeyRead = 0x20019;

    static constexpr Status Success = 0;
    static constexpr Status FileNotFound = 2;
    static constexpr Status AccessDenied = 5;
    static constexpr Status InvalidHandle = 6;
    static constexpr Status MoreData = 234;

    // Value types that carry text and a 32-bit number.
    static constexpr quint32 RegSz = 1;
    static constexpr quint32 RegDword = 4;

    virtual ~Registry() = default;

    // Opens `path` below `root`; on Success `key` is the open key.
    virtual Status openKey(Key root, const QString& path, quint32 options, quint32 access,
                           Key& key) = 0;
    // Copies the value's bytes to the start of `data`, its type to `type` and
    // its length in bytes to `byteCount`. A value longer than `data` fails
    // with MoreData and copies nothing.
    virtual Status queryValue(Key key, const QString& name, quint32& type, std::span<char> data,
                              quint32& byteCount) = 0;
    virtual Status closeKey(Key key) = 0;
};
