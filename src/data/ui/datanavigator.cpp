#include "data/ui/datanavigator.h"

#include <QHBoxLayout>
#include <QPushButton>

#include "data/datacontrol.h"

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
}

void DataNavigator::first()
{
    m_control->moveFirst();
}

void DataNavigator::previous()
{
    if (!m_control->movePrevious() && m_control->bof())
        m_control->moveFirst();
}

void DataNavigator::next()
{
    if (!m_control->moveNext() && m_control->eof())
        m_control->moveLast();
}

void DataNavigator::last()
{
    m_control->moveLast();
}
