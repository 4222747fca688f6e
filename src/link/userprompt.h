#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// Everything the program asks or tells the user goes through this, so the
// operations need no widgets and tests can script the answers.
class UserPrompt
{
public:
    enum class Icon { None, Information, Warning, Critical };
    // The answer Enter gives. A question whose Yes throws something away
    // prefers No, so that a hasty Enter keeps it.
    enum class Answer { Yes, No };

    struct FileDialog
    {
        QString title;
        QString initialName;
        QStringList filters;   // e.g. "MRL Files (*.mrl)", "All Files (*.*)"
        QString defaultSuffix; // without the dot
    };

    virtual ~UserPrompt() = default;

    // An OK-only message box with the application's title.
    virtual void message(const QString &text, Icon icon = Icon::None) = 0;
    // A Yes/No question; true for Yes.
    virtual bool question(const QString &text, Icon icon, Answer preferred) = 0;
    // A one-line input box; no value when the user cancels.
    virtual std::optional<QString> input(const QString &prompt, const QString &title, const QString &defaultText) = 0;
    // No value when the user cancels.
    virtual std::optional<QString> openFileName(const FileDialog &dialog) = 0;
    // Asks before overwriting an existing file.
    virtual std::optional<QString> saveFileName(const FileDialog &dialog) = 0;
    virtual void beep() = 0;
    // A password typed where nobody sees it, asked when the modem wants one
    // that the user has not given; no value when there is nobody to ask. The
    // window keeps to its password box, so by default nobody is asked.
    virtual std::optional<QString> secret(const QString & /*prompt*/) { return std::nullopt; }
};
