#pragma once

#include <QColor>
#include <QFont>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QWidget>

// The look the administration screens share.
namespace appearance {

// The blue of the menu and the administration screens.
inline const QColor ScreenBlue(0x7D, 0x9A, 0xE6);

inline void setBackColor(QWidget *widget, const QColor &color)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, color);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

inline void makeHeading(QLabel *label, int sizeFactor = 2)
{
    QFont font = label->font();
    font.setPointSize(font.pointSize() * sizeFactor);
    font.setBold(true);
    label->setFont(font);
}

// A password box shows a "*" for every character typed, whatever the
// style's own mask character is.
inline void maskWithStars(QLineEdit *box)
{
    box->setEchoMode(QLineEdit::Password);
    box->setStyleSheet(QStringLiteral("lineedit-password-character: 42"));
}

} // namespace appearance
