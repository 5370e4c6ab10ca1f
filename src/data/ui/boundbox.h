#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

class QLineEdit;
class DataControl;

// Binds a text box to one column of a data control's current row: the box
// shows the column of whichever row is current, whoever moved it, and what is
// typed goes into the row, to be stored by update() or when the row is left.
// Without a column the box shows nothing of the row.
class BoundBox : public QObject
{
    Q_OBJECT

public:
    BoundBox(QLineEdit *box, DataControl &control, const QString &column);

    // Shows the current row's value again, dropping what is typed but not
    // yet in the row.
    void show();

private:
    void typed(const QString &text);

    QPointer<QLineEdit> m_box;
    DataControl &m_control;
    QString m_column;
    bool m_writing = false;
};
