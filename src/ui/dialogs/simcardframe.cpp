#include "simcardframe.h"

#include "dialogparts.h"
#include "settingsedit.h"
#include "userprompt.h"

#include <QComboBox>
#include <QFormLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

namespace {

QLineEdit *box(const QString &name, int limit, UserPrompt &prompt, QWidget *parent)
{
    auto *edit = new QLineEdit(parent);
    edit->setObjectName(name);
    limitLength(edit, limit, prompt);
    return edit;
}

} // namespace

SimCardFrame::SimCardFrame(const QList<Provider> &providers, UserPrompt &prompt, QWidget *parent)
    : QGroupBox(tr("SIM card settings (given by provider)"), parent), m_providers(providers), m_prompt(prompt)
{
    setObjectName(QStringLiteral("fraGPRS"));

    cboProvider = new QComboBox(this);
    cboProvider->setObjectName(QStringLiteral("cboProvider"));
    cboProvider->setEditable(true);
    // A typed name is a choice for this opening only, never a new list entry.
    cboProvider->setInsertPolicy(QComboBox::NoInsert);
    // Enter in the box chooses what it shows, once; it must not also press
    // the dialog's OK, nor let the box report the choice twice.
    cboProvider->lineEdit()->installEventFilter(this);
    cboProvider->addItems(providerNames(m_providers));
    cboProvider->setCurrentIndex(cboProvider->count() - 1); // "Other": the record names no provider
    txtAPN = box(QStringLiteral("txtAPN"), kApnLimit, prompt, this);
    txtGPRSUser = box(QStringLiteral("txtGPRSUser"), kGprsLoginLimit, prompt, this);
    txtGPRSPWD = box(QStringLiteral("txtGPRSPWD"), kGprsLoginLimit, prompt, this);
    // Room for the longest APN the modem takes.
    txtAPN->setMinimumWidth(fontMetrics().averageCharWidth() * (kApnLimit + 2));

    auto *form = new QFormLayout(this);
    form->addRow(namedLabel("lblProv", tr("Network Provider"), cboProvider, this), cboProvider);
    form->addRow(namedLabel("lblAPN", tr("APN (required)"), txtAPN, this), txtAPN);
    form->addRow(namedLabel("lblUser", tr("USER"), txtGPRSUser, this), txtGPRSUser);
    form->addRow(namedLabel("lblPWD", tr("PASSWORD"), txtGPRSPWD, this), txtGPRSPWD);

    // A pick from the list, not typing: a typed name is "any other text".
    connect(cboProvider, &QComboBox::activated, this, &SimCardFrame::providerClicked);
}

bool SimCardFrame::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == cboProvider->lineEdit() && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            providerClicked();
            return true;
        }
    }
    return QGroupBox::eventFilter(watched, event);
}

void SimCardFrame::setValues(const QString &apn, const QString &user, const QString &password)
{
    txtAPN->setText(apn);
    txtGPRSUser->setText(user);
    txtGPRSPWD->setText(password);
}

QString SimCardFrame::apn() const
{
    return txtAPN->text();
}

QString SimCardFrame::user() const
{
    return txtGPRSUser->text();
}

QString SimCardFrame::password() const
{
    return txtGPRSPWD->text();
}

void SimCardFrame::providerClicked()
{
    const Provider *provider = providerNamed(m_providers, cboProvider->currentText());
    for (QLineEdit *edit : {txtAPN, txtGPRSUser, txtGPRSPWD})
        edit->setEnabled(!provider);
    if (!provider)
        return;
    setValues(provider->apn, provider->user, provider->password);
    // A network without a mail server of its own has nothing to offer. Yes
    // replaces the server the user has, so Enter answers No.
    if (!provider->mailServer.isEmpty()
        && m_prompt.question(mailServerQuestion(provider->mailServer), UserPrompt::Icon::None, UserPrompt::Answer::No))
        emit mailServerAccepted(provider->mailServer);
}
