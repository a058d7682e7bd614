// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

#pragma once

#include "platform/Registry.h"

#include <algorithm>
#include <QByteArray>
#include <QList>
#include <QMap>
#include <QStringList>

// An in-memory machine-wide root as an ordinary account sees it: keys open
// for reading only, and asking for any write right is refused.
class FakeRegistry : public Registry
{
public:
    struct Value
    {
        quint32 type = RegSz;
        QByteArray data;
    };

    // Rights an ordinary account lacks below the machine-wide root.
    static constexpr quint32 WriteRights = 0x2 | 0x4 | 0x20 | 0x40000 | 0x80000;

    // A text value as the platform stores it, with its terminating zero.
    static Value text(const QString& s) { return {RegSz, s.toLocal8Bit().append('\0')}; }

    void set(const QString& keyPath, const QString& name, const Value& value)
    {
        keys[keyPath][name] = value;
    }

    Status openKey(Key root, const QString& path, quint32 options, quint32 access,
                   Key& key) override
    {
        opened.append(path);
        accessMasks.append(access);
        optionsAsked.append(options);
        if (root != LocalMachine || !keys.contains(path))
            return FileNotFound;
        if (access & WriteRights)
            return AccessDenied;
        key = m_nextKey++;
        m_open.insert(key, path);
        return Success;
    }

    Status queryValue(Key key, const QString& name, quint32& type, std::span<char> data,
                      quint32& byteCount) override
    {
        if (!m_open.contains(key))
            return InvalidHandle;
        const QString path = m_open.value(key);
        queried.append(path + '\\' + name);
        if (!keys.value(path).contains(name))
            return FileNotFound;
        const Value value = keys.value(path).value(name);
        type = value.type;
        byteCount = static_cast<quint32>(value.data.size());
        if (value.data.size() > static_cast<qsizetype>(data.size()))
            return MoreData;
        std::copy(value.data.begin(), value.data.end(), data.begin());
        return Success;
    }

    Status closeKey(Key key) override { return m_open.remove(key) ? Success : InvalidHandle; }

    bool anyKeyOpen() const { return !m_open.isEmpty(); }

    QMap<QString, QMap<QString, Value>> keys; // key path -> value name -> value
    QStringList opened;                       // key paths asked for, in order
    QStringList queried;                      // "key path\value name", in order
    QList<quint32> accessMasks;
    QList<quint32> optionsAsked;

private:
    QMap<Key, QString> m_open;
    Key m_nextKey = 0x100;
};
