#include "serversettings.h"

#include "dialogparts.h"
#include "userprompt.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>

ServerSettings::ServerSettings(const SetupRecord &edit, UserPrompt &prompt, QWidget *parent)
    : QDialog(parent), m_record(edit), m_prompt(prompt)
{
    setObjectName(QStringLiteral("ServerSettings"));
    setWindowTitle(tr("Tessarin settings"));

    auto *Label2 = new QLabel(tr("Host IP"), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    txtIP = new QLineEdit(this);
    txtIP->setObjectName(QStringLiteral("txtIP"));
    Label2->setBuddy(txtIP);
    // Room for a whole host name.
    txtIP->setMinimumWidth(fontMetrics().averageCharWidth() * 36);
    auto *Label1 = new QLabel(tr("Host Port Number"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    txtPort = new QLineEdit(this);
    txtPort->setObjectName(QStringLiteral("txtPort"));
    Label1->setBuddy(txtPort);
    connect(txtPort, &QLineEdit::textChanged, this, &ServerSettings::txtPortChange);

    QHBoxLayout *buttons = okCancelRow(this, [this] { cmdOKClick(); });
    auto *layout = new QFormLayout(this);
    layout->addRow(Label2, txtIP);
    layout->addRow(Label1, txtPort);
    layout->addRow(buttons);

    txtIP->setText(edit.HostIP);
    txtPort->setText(QString::number(edit.HostPort));
}

void ServerSettings::txtPortChange()
{
    // Clearing the box changes it again.
    if (m_correctingPort)
        return;
    const QString corrected = portBoxText(txtPort->text());
    if (corrected == txtPort->text())
        return;
    m_correctingPort = true;
    txtPort->setText(corrected);
    m_correctingPort = false;
}

void ServerSettings::cmdOKClick()
{
    // Only a port the modem can use leaves the dialog.
    const std::optional<qint32> port = hostPortOfText(txtPort->text());
    if (!port) {
        m_prompt.message(tr("Wrong Host Port Number!"));
        return;
    }
    m_record.HostIP = txtIP->text();
    m_record.HostPort = *port;
    m_captions = serverCaptions(txtIP->text(), *port);
    accept();
}
