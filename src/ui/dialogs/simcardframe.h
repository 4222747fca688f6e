#pragma once

#include "presets.h"

#include <QGroupBox>

class QComboBox;
class QLineEdit;
class UserPrompt;

// "SIM card settings (given by provider)": the network provider, the APN and
// the GPRS user and password, as the e-mail and GPRS dialogs both show them.
// The provider box shows "Other" when built. Choosing a listed network fills
// and locks the three boxes and asks whether its mail server should be used
// (when it has one); a Yes emits mailServerAccepted. Choosing any other text unlocks them.
// Over-long input is cut with a beep.
//
// Children: cboProvider, txtAPN, txtGPRSUser, txtGPRSPWD (object names), with
// their labels lblProv, lblAPN, lblUser, lblPWD as buddies.
class SimCardFrame final : public QGroupBox
{
    Q_OBJECT
public:
    SimCardFrame(const QList<Provider> &providers, UserPrompt &prompt, QWidget *parent = nullptr);

    void setValues(const QString &apn, const QString &user, const QString &password);
    QString apn() const;
    QString user() const;
    QString password() const;
    QLineEdit *apnBox() const { return txtAPN; }

signals:
    void mailServerAccepted(const QString &server);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void providerClicked();

    QList<Provider> m_providers;
    UserPrompt &m_prompt;
    QComboBox *cboProvider = nullptr;
    QLineEdit *txtAPN = nullptr;
    QLineEdit *txtGPRSUser = nullptr;
    QLineEdit *txtGPRSPWD = nullptr;
};
