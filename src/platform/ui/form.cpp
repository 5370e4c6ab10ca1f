#include "platform/ui/form.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "app/screens.h"

Form::Form(QWidget *parent) : QDialog(parent) {}

void Form::reject()
{
    if (screens().isLoaded(this))
        screens().unload(this);
    else
        QDialog::reject();
}

void Form::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) {
        event->ignore();
        return;
    }
    QDialog::keyPressEvent(event);
}

QPushButton *Form::makeButton(const char *name, const QString &caption, QWidget *parent)
{
    auto *button = new QPushButton(caption, parent ? parent : this);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    return button;
}

QLineEdit *Form::makeTextBox(const char *name, QWidget *parent)
{
    auto *box = new QLineEdit(parent ? parent : this);
    box->setObjectName(QString::fromLatin1(name));
    return box;
}

QLabel *Form::makeLabel(const char *name, const QString &caption, QWidget *parent)
{
    auto *label = new QLabel(caption, parent ? parent : this);
    label->setObjectName(QString::fromLatin1(name));
    return label;
}

void Form::placeTwips(QWidget *control, int left, int top, int width, int height)
{
    constexpr int TwipsPerPixel = 15;
    control->setGeometry(left / TwipsPerPixel, top / TwipsPerPixel, width / TwipsPerPixel, height / TwipsPerPixel);
}
