#pragma once

#include <QJsonObject>
#include <QList>
#include <QPair>

struct SetupRecord;

// The record's fields in record order, each named as the field.
QList<QPair<QString, QJsonValue>> setupFields(const SetupRecord &record);

// The record as a JSON object with one member per field, named as the field;
// OnTime and OffTime are arrays of three "hh:nn" texts.
QJsonObject setupToJson(const SetupRecord &record);
