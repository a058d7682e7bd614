// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QDirIterator>
#include <QFileInfo>
#include <QString>

// glib names a struct member "signals", which Qt's keyword would rewrite.
#undef signals
#include <umockdev.h>
#define signals Q_SIGNALS

// A umockdev device tree of the test's own, which the system's device
// listings see in place of the machine's: the test program must run under
// umockdev-wrapper. Devices come from the descriptions in support/umockdev.
class MockDeviceTree
{
public:
    MockDeviceTree() : m_tree(umockdev_testbed_new()) {}
    ~MockDeviceTree() { g_object_unref(m_tree); }
    MockDeviceTree(const MockDeviceTree&) = delete;
    MockDeviceTree& operator=(const MockDeviceTree&) = delete;

    // Adds the devices described in support/umockdev/<name>.umockdev; false
    // with the reason in `error` when the description does not load.
    bool add(const QString& name, QString& error)
    {
        const QByteArray file =
            QStringLiteral(QUORLIN_UMOCKDEV_DIR "/%1.umockdev").arg(name).toLocal8Bit();
        GError* failure = nullptr;
        if (umockdev_testbed_add_from_file(m_tree, file.constData(), &failure))
            return true;
        error = QString::fromUtf8(failure->message);
        g_error_free(failure);
        return false;
    }
    // Takes a device out with everything below it, as pulling out a USB
    // device does, and tells udev's listeners; `device` is its path under
    // /sys. umockdev tells no removal itself, nor one of a device no longer
    // in the tree: each is told before the tree loses it, which the
    // listeners hear only once this has returned to their event loop.
    void remove(const QString& device)
    {
        gchar* sysDir = umockdev_testbed_get_sys_dir(m_tree);
        const QString sys = QString::fromLocal8Bit(sysDir);
        g_free(sysDir);
        QDirIterator records(sys + device.mid(QStringLiteral("/sys").size()),
                             {QStringLiteral("uevent")}, QDir::Files, QDirIterator::Subdirectories);
        while (records.hasNext()) {
            const QString below = QFileInfo(records.next()).path().mid(sys.size());
            umockdev_testbed_uevent(m_tree, ("/sys" + below).toLocal8Bit().constData(), "remove");
        }
        umockdev_testbed_remove_device(m_tree, device.toLocal8Bit().constData());
    }

private:
    UMockdevTestbed* m_tree;
};
