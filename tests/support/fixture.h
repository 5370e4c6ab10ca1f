#pragma once

#include "core/support/databasefixture.h"
#include "platform/ui/scripteddialogs.h"

// The screens' tests start as the widget-free ones do (a fresh database in a
// temporary working folder), with scripted dialogs in strict mode, no loaded
// screens and an empty session.
class DatabaseTest : public DatabaseFixture
{
protected:
    void SetUp() override;
    void TearDown() override;

    // Makes dialogs the test installed itself the ones it reads and answers,
    // in strict mode as the fixture's own.
    void useDialogs(ScriptedDialogs &scripted);

    // Lets posted events run, deleting unloaded screens among them.
    static void processEvents();

    ScriptedDialogs *m_dialogs = nullptr;
};
