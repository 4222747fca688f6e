#include "limitedtext.h"

#include "settingsedit.h"
#include "userprompt.h"

#include <QLineEdit>

void limitLength(QLineEdit *box, int limit, UserPrompt &prompt)
{
    QObject::connect(box, &QLineEdit::textChanged, box, [box, limit, &prompt](const QString &text) {
        if (const std::optional<QString> cut = cutToLimit(text, limit)) {
            box->setText(*cut);
            prompt.beep();
        }
    });
}
