#pragma once

#include "userprompt.h"

#include <QString>
#include <optional>

// The user of the command line: messages go to standard error as they come,
// questions are answered by the --yes option, and only a password the modem
// asks for is ever typed, on a terminal without echo.
class CliPrompt final : public UserPrompt
{
public:
    CliPrompt(QString prefix, bool answerYes, bool canAskPassword)
        : m_prefix(std::move(prefix)), m_yes(answerYes), m_canAskPassword(canAskPassword)
    {}

    void message(const QString &text, Icon icon) override;
    bool question(const QString &text, Icon icon, Answer preferred) override;
    std::optional<QString> input(const QString &prompt, const QString &title, const QString &defaultText) override;
    std::optional<QString> openFileName(const FileDialog &) override { return std::nullopt; }
    std::optional<QString> saveFileName(const FileDialog &) override { return std::nullopt; }
    void beep() override {}
    std::optional<QString> secret(const QString &prompt) override;

    // One line on standard error, with the port's prefix.
    void say(const QString &text);

    // The password last typed when the modem asked; the login keeps none of
    // it, and changing the password must name it again.
    std::optional<QString> typedSecret() const { return m_typed; }

private:
    QString m_said;
    std::optional<QString> m_typed;
    QString m_prefix;
    bool m_yes;
    bool m_canAskPassword;
};
