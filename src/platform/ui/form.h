#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

// The base of every screen. A screen is created and loaded once through the
// screen registry (Screens::get), shown through Dialogs, and gets rid of
// itself with Screens::unload.
//
// Controls are members named as the shop's screens name them, with the same
// objectName, so that tests find them with findChild.
class Form : public QDialog
{
    Q_OBJECT

public:
    explicit Form(QWidget *parent = nullptr);

    // Runs once, when the screen is first asked for.
    virtual void Form_Load() {}
    // Asked before the screen is unloaded; false keeps it.
    virtual bool Form_QueryUnload() { return true; }

protected:
    // The close box unloads the screen, as "Ende" does, after asking
    // Form_QueryUnload; a window that is no registered screen just closes.
    void reject() override;
    // Escape does not close a screen: the shop's screens close with their
    // own buttons or the close box.
    void keyPressEvent(QKeyEvent *event) override;
    // Text boxes too narrow for their text show its start: a name, not its
    // last letters.
    void showEvent(QShowEvent *event) override;

    // Creates a child control with its objectName set.
    QPushButton *makeButton(const char *name, const QString &caption, QWidget *parent = nullptr);
    QLineEdit *makeTextBox(const char *name, QWidget *parent = nullptr);
    QLabel *makeLabel(const char *name, const QString &caption, QWidget *parent = nullptr);
    // A label or a box that shows a name (the shop's, a cashier's, a
    // customer's): a name too long for it is cut with "…" and shows whole
    // as the tool tip, so that it never widens the screen (nametext.h).
    QLabel *makeNameLabel(const char *name, QWidget *parent = nullptr);
    QLineEdit *makeNameBox(const char *name, QWidget *parent = nullptr);

    // Places a control at a position and size given in twips (1/1440 inch;
    // 15 twips to a pixel at 96 dpi).
    static void placeTwips(QWidget *control, int left, int top, int width, int height);
};
