#include "dialogparts.h"

#include "settingsedit.h"
#include "userprompt.h"

#include <QCoreApplication>
#include <QDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

void limitLength(QLineEdit *box, int limit, UserPrompt &prompt)
{
    QObject::connect(box, &QLineEdit::textChanged, box, [box, limit, &prompt](const QString &text) {
        if (const std::optional<QString> cut = cutToLimit(text, limit)) {
            box->setText(*cut);
            prompt.beep();
        }
    });
}

QLabel *namedLabel(const char *name, const QString &text, QWidget *buddy, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    if (buddy) {
        label->setBuddy(buddy);
        buddy->setAccessibleName(text);
    }
    return label;
}

QHBoxLayout *okCancelRow(QDialog *dialog, const std::function<void()> &onOK)
{
    auto *cmdOK = new QPushButton(QCoreApplication::translate("DialogParts", "OK"), dialog);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    auto *cmdCancel = new QPushButton(QCoreApplication::translate("DialogParts", "Cancel"), dialog);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    QObject::connect(cmdOK, &QPushButton::clicked, dialog, onOK);
    QObject::connect(cmdCancel, &QPushButton::clicked, dialog, &QDialog::reject);
    auto *row = new QHBoxLayout;
    row->addStretch(1);
    row->addWidget(cmdOK);
    row->addWidget(cmdCancel);
    return row;
}
