#pragma once

#include <QDialog>

class QLabel;
class QPushButton;
class UserPrompt;
namespace platform {
class Platform;
}

// "Version 2.8  Build 25" from the four-part version "2.8.0.25".
QString versionCaption(const QString &fourPartVersion);

// The about box: the program's title, version and description, the maker's
// address, the licence agreement and the system-information tool. A double
// click on the picture lists the modules loaded into the program.
class frmAbout final : public QDialog
{
    Q_OBJECT
public:
    frmAbout(platform::Platform &system, UserPrompt &prompt, QWidget *parent = nullptr);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void Command1Click();
    void cmdSysInfoClick();

    platform::Platform &m_system;
    UserPrompt &m_prompt;
    QLabel *Image;
};
