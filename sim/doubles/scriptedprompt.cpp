#include "scriptedprompt.h"

void ScriptedPrompt::message(const QString &text, Icon icon)
{
    m_shown.append({Shown::Message, text, icon, {}, {}});
}

bool ScriptedPrompt::question(const QString &text, Icon icon, Answer preferred)
{
    m_shown.append({Shown::Question, text, icon, {}, {}, preferred});
    if (m_questions.empty()) {
        m_unexpected << QStringLiteral("question: ") + text;
        return false;
    }
    const bool yes = m_questions.front();
    m_questions.pop_front();
    return yes;
}

std::optional<QString> ScriptedPrompt::input(const QString &prompt, const QString &title, const QString &defaultText)
{
    m_shown.append({Shown::Input, prompt, Icon::None, title, defaultText});
    if (m_inputs.empty()) {
        m_unexpected << QStringLiteral("input: ") + prompt;
        return std::nullopt;
    }
    // Taken apart, as the file answers are.
    const bool given = m_inputs.front().has_value();
    const QString answer = m_inputs.front().value_or(QString());
    m_inputs.pop_front();
    if (!given)
        return std::nullopt;
    return answer;
}

std::optional<QString> ScriptedPrompt::nextFile(Shown::Kind kind, const FileDialog &dialog)
{
    m_shown.append({kind, dialog.title, Icon::None, {}, dialog.initialName});
    m_dialogs.append(dialog);
    if (m_files.empty()) {
        m_unexpected << (kind == Shown::OpenFile ? QStringLiteral("open file: ") : QStringLiteral("save file: "))
                            + dialog.title;
        return std::nullopt;
    }
    // Taken apart rather than copied: GCC's optimiser sees an optional
    // QString's copy as reading uninitialised memory.
    const bool chosen = m_files.front().has_value();
    const QString path = m_files.front().value_or(QString());
    m_files.pop_front();
    if (!chosen)
        return std::nullopt;
    return path;
}

std::optional<QString> ScriptedPrompt::openFileName(const FileDialog &dialog)
{
    return nextFile(Shown::OpenFile, dialog);
}

std::optional<QString> ScriptedPrompt::saveFileName(const FileDialog &dialog)
{
    return nextFile(Shown::SaveFile, dialog);
}

QStringList ScriptedPrompt::messages() const
{
    QStringList texts;
    for (const Shown &s : m_shown)
        if (s.kind == Shown::Message)
            texts << s.text;
    return texts;
}

QStringList ScriptedPrompt::questions() const
{
    QStringList texts;
    for (const Shown &s : m_shown)
        if (s.kind == Shown::Question)
            texts << s.text;
    return texts;
}

void ScriptedPrompt::clear()
{
    m_questions.clear();
    m_inputs.clear();
    m_files.clear();
    m_shown.clear();
    m_dialogs.clear();
    m_unexpected.clear();
    m_beeps = 0;
}
