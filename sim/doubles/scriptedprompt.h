#pragma once

#include "userprompt.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <deque>
#include <optional>

// The user, scripted: hands out the next prepared answer of the asked kind
// and records every text shown. A prompt that the script did not prepare is a
// test failure (recorded in unexpected(), and answered No / empty / cancel).
class ScriptedPrompt final : public UserPrompt
{
public:
    struct Shown
    {
        enum Kind { Message, Question, Input, OpenFile, SaveFile } kind;
        QString text; // message or question text, input prompt, dialog title
        Icon icon = Icon::None;
        QString title; // input box title
        QString defaultText;
        Answer preferred = Answer::Yes; // a question's default button
    };

    void answerQuestion(bool yes) { m_questions.push_back(yes); }
    // No value means the user cancels the input box.
    void answerInput(std::optional<QString> text) { m_inputs.push_back(std::move(text)); }
    // No value means the user cancels the dialog.
    void answerFile(std::optional<QString> path) { m_files.push_back(std::move(path)); }

    void message(const QString &text, Icon icon) override;
    bool question(const QString &text, Icon icon, Answer preferred) override;
    std::optional<QString> input(const QString &prompt, const QString &title, const QString &defaultText) override;
    std::optional<QString> openFileName(const FileDialog &dialog) override;
    std::optional<QString> saveFileName(const FileDialog &dialog) override;
    void beep() override { ++m_beeps; }

    const QList<Shown> &shown() const { return m_shown; }
    QStringList messages() const;  // texts of the OK-only messages, in order
    QStringList questions() const; // texts of the Yes/No questions, in order
    QList<FileDialog> fileDialogs() const { return m_dialogs; }
    int beeps() const { return m_beeps; }
    // Prompts that had no scripted answer; a passing test leaves this empty.
    const QStringList &unexpected() const { return m_unexpected; }
    // Scripted answers nobody asked for.
    int unusedAnswers() const { return int(m_questions.size() + m_inputs.size() + m_files.size()); }
    void clear();

private:
    std::optional<QString> nextFile(Shown::Kind kind, const FileDialog &dialog);

    std::deque<bool> m_questions;
    std::deque<std::optional<QString>> m_inputs;
    std::deque<std::optional<QString>> m_files;
    QList<Shown> m_shown;
    QList<FileDialog> m_dialogs;
    QStringList m_unexpected;
    int m_beeps = 0;
};
