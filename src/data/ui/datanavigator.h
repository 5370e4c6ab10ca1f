#pragma once

#include <QWidget>

class DataControl;
class QPushButton;

// The arrow buttons of a data control: first, previous, next and last row.
// Moving before the first row stays on the first, moving after the last stays
// on the last, as a user expects from a record browser.
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
    void first();
    void previous();
    void next();
    void last();

    DataControl &m_control;
};
