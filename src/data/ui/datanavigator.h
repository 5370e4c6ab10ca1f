#pragma once

#include <QWidget>

class DataControl;
class Recordset;
class QPushButton;

// The arrow buttons of a data control: first, previous, next and last row.
// Moving before the first row stays on the first, moving after the last stays
// on the last, as a user expects from a record browser. Leaving a row stores
// what was typed into it; when the database refuses, the user is told and the
// row stays current. While a new row is being added the arrows are off: it is
// stored by its screen's own button, with that button's checks.
class DataNavigator : public QWidget
{
    Q_OBJECT

public:
    DataNavigator(DataControl &control, QWidget *parent = nullptr);

    QPushButton *cmdFirst;
    QPushButton *cmdPrevious;
    QPushButton *cmdNext;
    QPushButton *cmdLast;

private:
    void move(bool (*step)(Recordset &));
    void updateButtons();
    void first();
    void previous();
    void next();
    void last();

    DataControl &m_control;
};
