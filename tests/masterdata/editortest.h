#pragma once

#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeView>
#include <QWidget>

#include "support/fixture.h"
#include "support/lists.h"

// Helpers for driving the editors as a user would: controls are found by
// their names, boxes are typed into, buttons clicked.
class EditorTest : public DatabaseTest
{
protected:
    template <class T = QPushButton> static T *control(QWidget &form, const char *name)
    {
        T *found = form.findChild<T *>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << "no control " << name << " on " << form.objectName().toStdString();
        return found;
    }

    template <class F> static F &shown(F &form)
    {
        form.show();
        return form;
    }

    static void click(QWidget &form, const char *button) { control<QPushButton>(form, button)->click(); }

    static QString text(QWidget &form, const char *box) { return control<QLineEdit>(form, box)->text(); }

    // The texts of the named boxes, joined by "|".
    static QString texts(QWidget &form, std::initializer_list<const char *> boxes)
    {
        QStringList shown;
        for (const char *box : boxes)
            shown << text(form, box);
        return shown.join(u'|');
    }

    // Replaces the box's text by typing, as the user would; a disabled box
    // takes nothing.
    static void type(QWidget &form, const char *box, const QString &typed)
    {
        QLineEdit *edit = control<QLineEdit>(form, box);
        edit->selectAll();
        if (typed.isEmpty())
            QTest::keyClick(edit, Qt::Key_Backspace);
        else
            QTest::keyClicks(edit, typed);
    }

    // Selects the list's line and clicks it with the mouse (twice when asked).
    static void clickLine(QTreeView *list, int row, bool twice = false)
    {
        const QModelIndex line = list->model()->index(row, 0);
        list->setCurrentIndex(line);
        const QPoint centre = list->visualRect(line).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, centre);
        if (twice)
            QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, centre);
    }

    // Which of the named controls are enabled, as a string of 1 and 0.
    static QString enabledStates(QWidget &form, std::initializer_list<const char *> names)
    {
        QString states;
        for (const char *name : names)
            states += control<QWidget>(form, name)->isEnabled() ? u'1' : u'0';
        return states;
    }

    // Checks that this was the one message shown since the last check (with
    // these buttons and title, when given), and forgets it for the next check.
    void expectMessage(const QString &text, int buttons = -1, const QString &title = {})
    {
        EXPECT_EQ(m_dialogs->messageTexts(), QStringList{text});
        if (!m_dialogs->messages().empty()) {
            const ScriptedDialogs::Message &shown = m_dialogs->messages().back();
            EXPECT_TRUE(buttons < 0 || shown.buttons == buttons) << text.toStdString() << ": " << shown.buttons;
            EXPECT_TRUE(title.isNull() || shown.title == title)
                << text.toStdString() << ": " << shown.title.toStdString();
        }
        m_dialogs->clearRecords();
    }
};
