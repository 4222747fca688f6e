#pragma once

#include <QString>
#include <optional>

// Where udev keeps a link named after each USB serial adapter (maker, model,
// serial): the name stays when the adapter comes back as another ttyUSBn.
inline const QString kStablePortFolder = QStringLiteral("/dev/serial/by-id");

// The device path of a port name as the system lists it ("ttyUSB0" is
// /dev/ttyUSB0 on Linux); a path, or a Windows name, as it is.
QString portDevicePath(const QString &port);

// The link in folder that leads to port's device now, as folder/name; empty
// when none does (always on Windows, which has no such folder).
QString stablePortName(const QString &port, const QString &folder = kStablePortFolder);

// The device a port name stands for now: a link followed to its device, any
// other name (or a link to nothing) as it is.
QString linkedDevice(const QString &name);

// Whether a program holds the device, found without opening it (an open
// raises DTR, which some adapters and modems act on): a lock file of a
// running program, or a descriptor of it in a process one may look at. No
// value when that cannot be told: another user's processes hide theirs.
std::optional<bool> portInUse(const QString &device);
