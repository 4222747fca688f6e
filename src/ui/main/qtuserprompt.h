#pragma once

#include "userprompt.h"

// The user, asked through the desktop's own message boxes, input boxes and
// file dialogs. Each box belongs to whichever of our windows is active.
class QtUserPrompt final : public UserPrompt
{
public:
    void message(const QString &text, Icon icon = Icon::None) override;
    bool question(const QString &text, Icon icon, Answer preferred) override;
    std::optional<QString> input(const QString &prompt, const QString &title, const QString &defaultText) override;
    std::optional<QString> openFileName(const FileDialog &dialog) override;
    std::optional<QString> saveFileName(const FileDialog &dialog) override;
    void beep() override;
};
