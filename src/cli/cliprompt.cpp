#include "cliprompt.h"

#include "terminal.h"

void CliPrompt::say(const QString &text)
{
    m_said = text;
    // Message texts may hold line breaks of their own; each line gets the prefix.
    QString out;
    const QStringList lines = QString(text).remove(QLatin1Char('\r')).split(QLatin1Char('\n'));
    for (const QString &line : lines)
        out += m_prefix + line + QLatin1Char('\n');
    writeError(out);
}

void CliPrompt::message(const QString &text, Icon)
{
    // After an interrupt the operations end with their failure messages
    // ("not found", "aborted"); the program says itself what happened.
    if (interrupted())
        return;
    // Operations often show the status line they just set as a message too,
    // or as the heading of one; on a terminal once is enough.
    if (text == m_said)
        return;
    if (!m_said.isEmpty() && text.startsWith(m_said + QLatin1Char('\n')))
        say(text.mid(m_said.size() + 1).trimmed());
    else
        say(text);
}

bool CliPrompt::question(const QString &text, Icon, Answer)
{
    say(text + (m_yes ? QStringLiteral(" -> Yes (--yes)") : QStringLiteral(" -> No (no --yes given)")));
    return m_yes;
}

std::optional<QString> CliPrompt::input(const QString &prompt, const QString &, const QString &)
{
    say(prompt + QStringLiteral(" -> (no answer)"));
    return std::nullopt;
}

std::optional<QString> CliPrompt::secret(const QString &prompt)
{
    if (!m_canAskPassword)
        return std::nullopt;
    m_typed = readHiddenLine(prompt);
    return m_typed;
}
