#pragma once

#include <deque>
#include <functional>
#include <vector>

#include <QString>
#include <QStringList>

#include "platform/ui/dialogs.h"

// Dialogs for tests: every message, prompt and window is recorded, and the
// answers come from queues that the test fills beforehand.
//
// Unanswered, a message box answers OK (or No / Cancel when it asks a
// question), an input box answers as if cancelled, and a modal window is shown
// without waiting and answers 0 (rejected). In strict mode a question nobody
// queued an answer for is also reported, so that a test says what it answers
// instead of relying on "No" or an empty text.
class ScriptedDialogs : public Dialogs
{
public:
    struct Message
    {
        QString text;
        int buttons = 0;
        QString title;
    };

    // Installs a fresh instance as the program's dialogs and returns it.
    static ScriptedDialogs &install();

    void answerMessage(int answer) { m_messageAnswers.push_back(answer); }
    void answerInput(const QString &text) { m_inputAnswers.push_back(text); }
    void answerFolder(const QString &path) { m_folderAnswers.push_back(path); }
    // The next modal window is handed to this function instead of waiting for
    // a user; what it returns is the window's result. The window is shown
    // while the function runs.
    void onModal(std::function<int(QDialog *)> handler) { m_modalHandlers.push_back(std::move(handler)); }
    // Answers and window handlers queued that nothing has taken yet.
    size_t answersLeft() const
    {
        return m_messageAnswers.size() + m_inputAnswers.size() + m_folderAnswers.size() + m_modalHandlers.size();
    }
    // Strict mode: called with the text of every question (a message box with
    // more than one button, an input or password box) that found no queued
    // answer, before it is answered as above.
    void reportUnansweredTo(std::function<void(const QString &question)> report)
    {
        m_reportUnanswered = std::move(report);
    }

    const std::vector<Message> &messages() const { return m_messages; }
    QStringList messageTexts() const;
    const QStringList &prompts() const { return m_prompts; }
    // The prompts that asked for a password, a subset of prompts().
    const QStringList &passwordPrompts() const { return m_passwordPrompts; }
    // objectName of every window shown, modal or not, in order.
    const QStringList &shownWindows() const { return m_shownWindows; }
    bool programEnded() const { return m_ended; }
    void clearRecords();

    int msgBox(const QString &text, int buttons, const QString &title) override;
    QString inputBox(const QString &prompt, const QString &title) override;
    // Answered from the same queue as inputBox.
    QString passwordBox(const QString &prompt, const QString &title) override;
    QString chooseFolder(const QString &title) override;
    int showModal(QDialog *window) override;
    void showModeless(QWidget *window) override;
    void endProgram() override { m_ended = true; }

private:
    std::deque<int> m_messageAnswers;
    std::deque<QString> m_inputAnswers;
    std::deque<QString> m_folderAnswers;
    std::deque<std::function<int(QDialog *)>> m_modalHandlers;
    std::function<void(const QString &)> m_reportUnanswered;
    std::vector<Message> m_messages;
    QStringList m_prompts;
    QStringList m_passwordPrompts;
    QStringList m_shownWindows;
    bool m_ended = false;
};
