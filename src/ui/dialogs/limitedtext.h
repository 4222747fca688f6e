#pragma once

class QLineEdit;
class UserPrompt;

// A box that cuts its text to limit characters whenever it grows longer, by
// typing, pasting or being set, and beeps once for the cut.
void limitLength(QLineEdit *box, int limit, UserPrompt &prompt);
