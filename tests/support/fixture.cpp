#include "support/fixture.h"

#include <QCoreApplication>
#include <QEvent>

#include "platform/screens.h"
#include "shell/session.h"

void DatabaseTest::SetUp()
{
    DatabaseFixture::SetUp();
    if (HasFatalFailure())
        return;
    useDialogs(ScriptedDialogs::install());
    screens().unloadAll();
    session() = Session{};
}

void DatabaseTest::TearDown()
{
    screens().unloadAll();
    processEvents();
    // An answer nobody took means the question the test is about never came.
    if (m_dialogs) {
        EXPECT_EQ(m_dialogs->answersLeft(), 0u) << "Answers or window handlers were queued that nothing asked for";
    }
    DatabaseFixture::TearDown();
}

void DatabaseTest::useDialogs(ScriptedDialogs &scripted)
{
    m_dialogs = &scripted;
    // A question the test queued no answer for fails it: every test says what
    // the cashier answers.
    m_dialogs->reportUnansweredTo([](const QString &question) {
        ADD_FAILURE() << "No answer queued for the question \"" << question.toStdString() << '"';
    });
}

void DatabaseTest::processEvents()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}
