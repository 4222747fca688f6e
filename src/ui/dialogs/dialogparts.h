#pragma once

#include <QString>

#include <functional>

class QDialog;
class QHBoxLayout;
class QLabel;
class QWidget;
class QLineEdit;
class UserPrompt;

// Pieces every settings dialog is made of.

// A box that cuts its text to limit characters whenever it grows longer, by
// typing, pasting or being set, and beeps once for the cut.
void limitLength(QLineEdit *box, int limit, UserPrompt &prompt);

// A caption named for tests; with a buddy, it is the buddy's shortcut target
// and accessible name.
QLabel *namedLabel(const char *name, const QString &text, QWidget *buddy, QWidget *parent);

// The dialog's last row: "OK" (cmdOK, the default button) runs onOK, "Cancel"
// (cmdCancel) rejects; both at the right.
QHBoxLayout *okCancelRow(QDialog *dialog, const std::function<void()> &onOK);
