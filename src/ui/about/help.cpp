#include "help.h"

#include "platform.h"

#include <QAction>
#include <QDialog>
#include <QFileInfo>
#include <QWidget>

using platform::HelpLanguage;

HelpDesk::HelpDesk(platform::Platform &system, HelpLanguage language) : m_system(system), m_language(language) {}

HelpDesk::~HelpDesk()
{
    delete m_guide;
}

void HelpDesk::showForUser(QWidget *owner)
{
    show(owner, m_language);
}

QString HelpDesk::firstExisting(const std::string &relative) const
{
    for (const std::string &folder : m_system.programFolders()) {
        QString path = QString::fromLocal8Bit(folder + relative);
        if (QFileInfo::exists(path))
            return path;
    }
    return {};
}

void HelpDesk::show(QWidget *owner, HelpLanguage language)
{
    // The help file belongs in the program's folder; an installed program may
    // keep it with its other data. Where it is nowhere, the viewer is still
    // asked for it beside the program and answers in its own words.
    QString file = firstExisting(platform::helpFileName(language));
    if (file.isEmpty())
        file = QString::fromLocal8Bit(platform::helpFilePath(m_system.programDirectory(), language));
    if (m_system.showHelpFile(file.toLocal8Bit().toStdString(), std::uintptr_t(owner->window()->winId())))
        return;

    const QString guide =
        firstExisting(language == HelpLanguage::Greek ? "/help/el/index.html" : "/help/en/index.html");
    if (guide.isEmpty())
        return;
    // Owned by the main window, so that it neither outlives it nor keeps the
    // program running, and not by a dialog that closes before it.
    QWidget *home = owner->window();
    while (home->parentWidget())
        home = home->parentWidget()->window();
    if (!m_guide)
        m_guide = new HelpWindow(home);
    // A modal dialog blocks every window but its own: beside one, the guide
    // is the dialog's until it closes, then goes back, where it was.
    auto *dialog = qobject_cast<QDialog *>(owner->window());
    if (dialog && dialog != home && m_guide->parentWidget() != dialog) {
        const QRect where = m_guide->geometry();
        m_guide->setParent(dialog, Qt::Window);
        m_guide->setGeometry(where);
        QObject::connect(
            dialog, &QDialog::finished, m_guide,
            [guide = m_guide.data(), home] {
                const bool shown = guide->isVisible();
                const QRect at = guide->geometry();
                guide->setParent(home, Qt::Window);
                guide->setGeometry(at);
                guide->setVisible(shown);
            },
            Qt::SingleShotConnection);
    }
    m_guide->showGuide(guide);
}

void addHelpKey(QWidget *dialog, HelpDesk &help)
{
    auto *action = new QAction(dialog);
    action->setObjectName(QStringLiteral("helpKey"));
    QList<QKeySequence> keys;
    for (Qt::KeyboardModifiers held :
         {Qt::KeyboardModifiers(), Qt::KeyboardModifiers(Qt::ShiftModifier), Qt::KeyboardModifiers(Qt::ControlModifier),
          Qt::KeyboardModifiers(Qt::AltModifier), Qt::ShiftModifier | Qt::ControlModifier,
          Qt::ShiftModifier | Qt::AltModifier, Qt::ControlModifier | Qt::AltModifier,
          Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier})
        keys << QKeySequence(QKeyCombination(held, Qt::Key_F1));
    action->setShortcuts(keys);
    action->setShortcutContext(Qt::WindowShortcut);
    dialog->addAction(action);
    QObject::connect(action, &QAction::triggered, dialog,
                     [dialog, &help] { help.show(dialog, HelpLanguage::English); });
}
