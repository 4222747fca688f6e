#pragma once

#include "helpfiles.h"
#include "helpwindow.h"

#include <QPointer>
#include <QString>

class QWidget;
namespace platform {
class Platform;
}

// Opens the program's help for a window: the compiled help file in the
// system's viewer, or, where the system has no viewer for it, the same guide
// in a window of our own. Nothing is said when neither is there.
class HelpDesk
{
public:
    HelpDesk(platform::Platform &system, platform::HelpLanguage language);
    ~HelpDesk();

    // The program's language decides, for the main window.
    void showForUser(QWidget *owner);
    void show(QWidget *owner, platform::HelpLanguage language);

    HelpWindow *guideWindow() const { return m_guide; }

private:
    QString firstExisting(const std::string &relative) const;

    platform::Platform &m_system;
    platform::HelpLanguage m_language;
    QPointer<HelpWindow> m_guide;
};

// F1 anywhere in the dialog, with or without Shift, Ctrl or Alt, opens the
// English help.
void addHelpKey(QWidget *dialog, HelpDesk &help);
