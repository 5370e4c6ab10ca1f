#include "data/ui/boundbox.h"

#include <QLineEdit>

#include "data/datacontrol.h"

BoundBox::BoundBox(QLineEdit *box, DataControl &control, const QString &column)
    : QObject(box), m_box(box), m_control(control), m_column(column)
{
    connect(&control.recordset(), &Recordset::currentChanged, this, &BoundBox::show);
    connect(box, &QLineEdit::textEdited, this, &BoundBox::typed);
    show();
}

void BoundBox::show()
{
    if (m_writing || !m_box)
        return;
    m_box->setText(m_column.isEmpty() ? QString() : m_control.recordset().text(m_column));
}

void BoundBox::typed(const QString &text)
{
    if (m_column.isEmpty())
        return;
    // The row learns the text as typed; the box keeps showing it unformatted.
    m_writing = true;
    m_control.recordset().setText(m_column, text);
    m_writing = false;
}
