#pragma once

#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QWidget>

#include "support/fixture.h"

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

    static void click(QWidget &form, const char *button) { control<QPushButton>(form, button)->click(); }

    static QString text(QWidget &form, const char *box) { return control<QLineEdit>(form, box)->text(); }

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

    // Which of the named buttons are enabled, as a string of 1 and 0.
    static QString enabledStates(QWidget &form, std::initializer_list<const char *> names)
    {
        QString states;
        for (const char *name : names)
            states += control<QWidget>(form, name)->isEnabled() ? u'1' : u'0';
        return states;
    }
};
