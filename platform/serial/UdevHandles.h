// SPDX-FileCopyrightText: 2026 The Quorlin developers
// SPDX-License-Identifier: MIT

#pragma once

#include <libudev.h>
#include <memory>

// libudev's objects, each let go of with its own unref when its owner goes.
namespace UdevHandles {

template <typename T, T* (*unref)(T*)> struct Unref
{
    void operator()(T* object) const { unref(object); }
};

using Context = std::unique_ptr<udev, Unref<udev, udev_unref>>;
using Device = std::unique_ptr<udev_device, Unref<udev_device, udev_device_unref>>;
using Enumeration = std::unique_ptr<udev_enumerate, Unref<udev_enumerate, udev_enumerate_unref>>;
using Monitor = std::unique_ptr<udev_monitor, Unref<udev_monitor, udev_monitor_unref>>;

} // namespace UdevHandles
