#pragma once

#include "setuprecord.h"

#include <QByteArray>
#include <QString>
#include <optional>

// The ".mrl" setup file: one SetupRecord from the first byte, fields in record
// order, little-endian, no header and no padding. Numbers are stored at their
// own width, texts as a 16-bit length and that many 8-bit characters, times as
// IEEE doubles. An empty record takes 82 bytes.

// The record's bytes. Refuses (empty result, *error set) a text that does not
// fit in the file: longer than 65535 characters, or with a character that has
// no 8-bit code.
QByteArray encodeSetup(const SetupRecord &record, QString *error);

// A fresh record from the start of bytes; bytes beyond the record are ignored,
// as older saves could leave them. A file that ends inside a field or holds a
// time that is not a number is refused with *error naming the field.
std::optional<SetupRecord> decodeSetup(const QByteArray &bytes, QString *error);

// The two forms of a setup file: the .mrl bytes above, or the JSON setup of
// setupjson.h.
enum class SetupForm { Mrl, Json };

// The form a file of this name is saved in: JSON for a name ending in ".json"
// (in any case), else .mrl.
SetupForm setupFormOfName(const QString &path);

// Replaces the file at path with the record as a whole, in form (by default
// the one of its name): the bytes go to a temporary file beside it first, so
// a failure never leaves a half-written or stale file (except in a folder
// that is not writable, where a writable file is written in place). A new
// file is readable by its owner only; an existing one keeps its permissions.
// A symbolic link at path is refused, never written through. *error gets the
// system's description of a failure, or names the field the form cannot hold.
bool saveSetupFile(const QString &path, const SetupRecord &record, QString *error,
                   std::optional<SetupForm> form = std::nullopt);

// The longest record is about 640 KiB; anything beyond 1 MiB is no setup file
// and is refused without being read whole. Only a regular file is opened: a
// folder, a device or a pipe is refused.
constexpr qint64 kMaxSetupFileBytes = qint64(1024) * 1024;

// A ".json" is read as JSON, a ".mrl" as .mrl bytes, any other by its
// content: JSON when its first byte that is not blank is "{". *form, when
// given, gets the form it was read in.
std::optional<SetupRecord> loadSetupFile(const QString &path, QString *error, SetupForm *form = nullptr);
