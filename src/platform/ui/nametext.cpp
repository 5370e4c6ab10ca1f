#include "platform/ui/nametext.h"

#include <QHelpEvent>
#include <QPainter>
#include <QStyleOptionFrame>
#include <QToolTip>

namespace {
// Shows the whole text as the tool tip when it is cut, unless the control
// was given a tool tip of its own. True when the event is handled.
bool showWholeWhenCut(QWidget *control, QEvent *event, bool cut, const QString &text)
{
    if (event->type() != QEvent::ToolTip || !control->toolTip().isEmpty())
        return false;
    if (cut)
        QToolTip::showText(static_cast<QHelpEvent *>(event)->globalPos(), text, control);
    else
        QToolTip::hideText();
    return true;
}
} // namespace

NameLabel::NameLabel(QWidget *parent) : QLabel(parent)
{
    setTextFormat(Qt::PlainText);
}

QRect NameLabel::textArea() const
{
    return contentsRect().adjusted(margin(), margin(), -margin(), -margin());
}

bool NameLabel::isCut() const
{
    return fontMetrics().horizontalAdvance(text()) > textArea().width();
}

QSize NameLabel::minimumSizeHint() const
{
    // A few letters and the "…" tell at least whose name it is.
    const int frame = 2 * (frameWidth() + margin());
    return {fontMetrics().horizontalAdvance(QStringLiteral("MMMM…")) + frame, QLabel::minimumSizeHint().height()};
}

bool NameLabel::event(QEvent *event)
{
    return showWholeWhenCut(this, event, isCut(), text()) || QLabel::event(event);
}

void NameLabel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    drawFrame(&painter);
    const QRect area = textArea();
    style()->drawItemText(&painter, area, int(alignment()), palette(), isEnabled(),
                          fontMetrics().elidedText(text(), Qt::ElideRight, area.width()), foregroundRole());
}

NameBox::NameBox(QWidget *parent) : QLineEdit(parent) {}

QRect NameBox::textArea() const
{
    QStyleOptionFrame panel;
    initStyleOption(&panel);
    // The box keeps this margin beside its text inside the frame.
    constexpr int BesideText = 2;
    return style()
        ->subElementRect(QStyle::SE_LineEditContents, &panel, this)
        .marginsRemoved(textMargins())
        .adjusted(BesideText, 0, -BesideText, 0);
}

bool NameBox::isCut() const
{
    return fontMetrics().horizontalAdvance(text()) > textArea().width();
}

bool NameBox::event(QEvent *event)
{
    return showWholeWhenCut(this, event, isCut(), text()) || QLineEdit::event(event);
}

void NameBox::paintEvent(QPaintEvent *event)
{
    // With the focus the box shows its text as a box does, to be scrolled
    // and selected.
    if (hasFocus() || !isCut()) {
        QLineEdit::paintEvent(event);
        return;
    }
    QPainter painter(this);
    QStyleOptionFrame panel;
    initStyleOption(&panel);
    style()->drawPrimitive(QStyle::PE_PanelLineEdit, &panel, &painter, this);
    const QRect area = textArea();
    painter.setPen(palette().color(QPalette::Text));
    painter.drawText(area, Qt::AlignVCenter | (alignment() & Qt::AlignHorizontal_Mask),
                     fontMetrics().elidedText(text(), Qt::ElideRight, area.width()));
}
