#pragma once

#include "settingsedit.h"

#include <QDialog>

class QComboBox;

// The modem's serial rate, as an entry of the rate table. It edits a copy of
// the record, whose unknown rate the caller has already defaulted; after
// Accepted, record() and captions() hold what OK wrote.
class frmBaud final : public QDialog
{
    Q_OBJECT
public:
    frmBaud(const SetupRecord &edit, const QString &firmwareVersion, QWidget *parent = nullptr);

    const SetupRecord &record() const { return m_record; }
    // lblBaud
    const CaptionList &captions() const { return m_captions; }

private:
    void cmdOKClick();

    SetupRecord m_record;
    QComboBox *cboBaud = nullptr;
    CaptionList m_captions;
};
