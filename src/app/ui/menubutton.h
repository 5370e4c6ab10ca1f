#pragma once

#include <QPushButton>

// A large button of the main menu whose caption wraps onto a second line
// when it is wider than the button ("Mitarbeiter Abschlussbericht").
class MenuButton : public QPushButton
{
    Q_OBJECT

public:
    MenuButton(const QString &caption, QWidget *parent);

protected:
    void paintEvent(QPaintEvent *event) override;
};
