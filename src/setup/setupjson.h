#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QList>
#include <QPair>
#include <optional>

struct SetupRecord;

// The setup as JSON: one member per field, named as the field; Baud is the
// rate (0: not known), OnTime and OffTime are arrays of three "hh:nn" texts.
// This object is also the ".json" setup file.

// The record's fields in record order, valued as in the JSON form.
QList<QPair<QString, QJsonValue>> setupFields(const SetupRecord &record);

QJsonObject setupToJson(const SetupRecord &record);

// The JSON setup file's bytes. Refuses (empty result, *error naming the
// field) what would not load back as the same record: a time "hh:nn" cannot
// hold exactly (seconds, a date part), a text the .mrl file cannot hold.
QByteArray encodeSetupJson(const SetupRecord &record, QString *error);

// A record from a JSON setup, strictly: an unknown member, a value of the
// wrong type or outside its field, a Baud that is no rate of the modem, a
// time other than "hh:nn", or a text the .mrl file cannot hold is refused with
// *error naming it. A missing member keeps the empty record's value.
std::optional<SetupRecord> setupFromJson(const QJsonObject &object, QString *error);
std::optional<SetupRecord> setupFromJson(const QByteArray &bytes, QString *error);

// One "FIELD=VALUE" of merolan-cli set applied to record, the value read as
// the JSON member would be: numbers whole, Baud as a rate, OnTime and OffTime
// as three comma-separated times, or "OnTime.2" for one device's. False, with
// *error naming the field, when the value or the field is refused.
bool assignSetupField(SetupRecord &record, const QString &assignment, QString *error);
