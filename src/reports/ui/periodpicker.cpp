#include "reports/ui/periodpicker.h"

#include <QDate>
#include <QDateEdit>

#include "platform/clock.h"

QDateEdit *makeDatePicker(const char *name, QWidget *parent)
{
    auto *picker = new QDateEdit(currentClock().now().date(), parent);
    picker->setObjectName(QString::fromLatin1(name));
    picker->setCalendarPopup(true);
    picker->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
    return picker;
}
