#pragma once

#include "session.h"

#include <QMap>
#include <QString>

struct SetupRecord;

// The diagram lines whose setting the edited setup holds otherwise than the
// modem, each with the tip that tells the technician what the modem holds
// now, as "In the Merolan: " + its value. Passwords are never shown: their
// line says "Password changed". The e-mail line stands for every setting of
// the e-mail dialog and lists, one a line, those that differ. The role and
// the logger mode are not diagram lines: their own controls show them.
QMap<SetupView::Item, QString> changedLines(const SetupRecord &edit, const SetupRecord &modem);
