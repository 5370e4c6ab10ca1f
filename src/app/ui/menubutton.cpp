#include "app/ui/menubutton.h"

#include <QStyleOptionButton>
#include <QStylePainter>

MenuButton::MenuButton(const QString &caption, QWidget *parent) : QPushButton(caption, parent)
{
    setAutoDefault(false);
}

void MenuButton::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);

    constexpr int Padding = 4;
    painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    painter.drawText(rect().adjusted(Padding, Padding, -Padding, -Padding), Qt::AlignCenter | Qt::TextWordWrap, text());
}
