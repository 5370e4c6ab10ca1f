#include "data/ui/datanavigator.h"

#include <QHBoxLayout>
#include <QPushButton>

#include "data/datacontrol.h"
#include "platform/ui/dialogs.h"

namespace {
QPushButton *arrowButton(QWidget *parent, const char *name, const QString &caption, const QString &hint)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setToolTip(hint);
    button->setAutoDefault(false);
    return button;
}
} // namespace

DataNavigator::DataNavigator(DataControl &control, QWidget *parent) : QWidget(parent), m_control(control)
{
    cmdFirst = arrowButton(this, "cmdFirst", QStringLiteral("|◀"), QStringLiteral("Erster Datensatz"));
    cmdPrevious = arrowButton(this, "cmdPrevious", QStringLiteral("◀"), QStringLiteral("Vorheriger Datensatz"));
    cmdNext = arrowButton(this, "cmdNext", QStringLiteral("▶"), QStringLiteral("Nächster Datensatz"));
    cmdLast = arrowButton(this, "cmdLast", QStringLiteral("▶|"), QStringLiteral("Letzter Datensatz"));
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    for (QPushButton *button : {cmdFirst, cmdPrevious, cmdNext, cmdLast})
        layout->addWidget(button);
    connect(cmdFirst, &QPushButton::clicked, this, &DataNavigator::first);
    connect(cmdPrevious, &QPushButton::clicked, this, &DataNavigator::previous);
    connect(cmdNext, &QPushButton::clicked, this, &DataNavigator::next);
    connect(cmdLast, &QPushButton::clicked, this, &DataNavigator::last);
    connect(&control.recordset(), &Recordset::currentChanged, this, &DataNavigator::updateButtons);
    updateButtons();
}

void DataNavigator::updateButtons()
{
    const bool adding = m_control->isNewRow();
    for (QPushButton *button : {cmdFirst, cmdPrevious, cmdNext, cmdLast})
        button->setEnabled(!adding);
}

void DataNavigator::move(bool (*step)(Recordset &))
{
    Recordset &rows = m_control.recordset();
    const bool edited = rows.isDirty();
    step(rows);
    if (edited && rows.isDirty())
        dialogs().msgBox(rows.lastError(), mb::vbExclamation);
}

void DataNavigator::first()
{
    move([](Recordset &rows) { return rows.moveFirst(); });
}

void DataNavigator::previous()
{
    move([](Recordset &rows) { return rows.movePrevious() || (rows.bof() && rows.moveFirst()); });
}

void DataNavigator::next()
{
    move([](Recordset &rows) { return rows.moveNext() || (rows.eof() && rows.moveLast()); });
}

void DataNavigator::last()
{
    move([](Recordset &rows) { return rows.moveLast(); });
}
