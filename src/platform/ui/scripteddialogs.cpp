#include "platform/ui/scripteddialogs.h"

#include <QDialog>
#include <QPointer>

ScriptedDialogs &ScriptedDialogs::install()
{
    auto scripted = std::make_unique<ScriptedDialogs>();
    ScriptedDialogs &ref = *scripted;
    setDialogs(std::move(scripted));
    return ref;
}

QStringList ScriptedDialogs::messageTexts() const
{
    QStringList texts;
    for (const Message &message : m_messages)
        texts << message.text;
    return texts;
}

void ScriptedDialogs::clearRecords()
{
    m_messages.clear();
    m_prompts.clear();
    m_passwordPrompts.clear();
    m_shownWindows.clear();
    m_ended = false;
}

int ScriptedDialogs::msgBox(const QString &text, int buttons, const QString &title)
{
    m_messages.push_back({text, buttons, title.isEmpty() ? AppTitle : title});
    if (!m_messageAnswers.empty()) {
        const int answer = m_messageAnswers.front();
        m_messageAnswers.pop_front();
        return answer;
    }
    const int buttonSet = buttons & 0x7;
    if (buttonSet != mb::vbOKOnly && m_reportUnanswered)
        m_reportUnanswered(text);
    switch (buttonSet) {
    case mb::vbYesNo:
        return mb::vbNo;
    case mb::vbYesNoCancel:
    case mb::vbOKCancel:
        return mb::vbCancel;
    default:
        return mb::vbOK;
    }
}

QString ScriptedDialogs::inputBox(const QString &prompt, const QString &)
{
    m_prompts << prompt;
    if (m_inputAnswers.empty()) {
        if (m_reportUnanswered)
            m_reportUnanswered(prompt);
        return {};
    }
    const QString answer = m_inputAnswers.front();
    m_inputAnswers.pop_front();
    return answer;
}

QString ScriptedDialogs::passwordBox(const QString &prompt, const QString &title)
{
    m_passwordPrompts << prompt;
    return inputBox(prompt, title);
}

QString ScriptedDialogs::chooseFolder(const QString &title)
{
    m_prompts << title;
    if (m_folderAnswers.empty())
        return {};
    const QString answer = m_folderAnswers.front();
    m_folderAnswers.pop_front();
    return answer;
}

int ScriptedDialogs::showModal(QDialog *window)
{
    m_shownWindows << window->objectName();
    window->show();
    if (m_modalHandlers.empty())
        return QDialog::Rejected;
    auto handler = std::move(m_modalHandlers.front());
    m_modalHandlers.pop_front();
    QPointer<QDialog> alive(window);
    const int result = handler(window);
    // A real modal window is closed when showModal returns.
    if (alive)
        alive->hide();
    return result;
}

void ScriptedDialogs::showModeless(QWidget *window)
{
    m_shownWindows << window->objectName();
    window->show();
}
