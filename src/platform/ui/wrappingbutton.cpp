#include "platform/ui/wrappingbutton.h"

#include <QStyleOptionButton>
#include <QStylePainter>
#include <QTextLayout>

namespace {
constexpr int WrapFlags = Qt::AlignCenter | Qt::TextWordWrap;
} // namespace

WrappingButton::WrappingButton(const QString &caption, QWidget *parent) : QPushButton(caption, parent)
{
    setAutoDefault(false);
}

QString WrappingButton::shownText() const
{
    // "&&" shows one ampersand; a single "&" marks the shortcut letter.
    QString shown = text();
    shown.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    shown.remove(u'&');
    shown.replace(u'\x01', u'&');
    shown.remove(u'\r');
    return shown;
}

QRect WrappingButton::captionRect() const
{
    QStyleOptionButton option;
    initStyleOption(&option);
    return style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
}

void WrappingButton::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);

    painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    const QRect area = captionRect();
    const QString caption = shownText();
    const QRect wrapped = fontMetrics().boundingRect(area, WrapFlags, caption);
    if (wrapped.width() <= area.width() && wrapped.height() <= area.height())
        painter.drawText(area, WrapFlags, caption);
    else
        painter.drawText(area, Qt::AlignCenter, elidedLines(caption, area).join(u'\n'));
}

// Lines that fill the area from the top, broken between words where possible
// and inside a word that is wider than the button; the last line that fits
// takes the rest of the caption, cut at its end.
QStringList WrappingButton::elidedLines(const QString &text, const QRect &area) const
{
    const QFontMetrics metrics = fontMetrics();
    const int maxLines = std::max(1, area.height() / metrics.lineSpacing());
    QStringList lines;
    QStringList rests; // from each line's start to the caption's end
    const QStringList paragraphs = text.split(u'\n');
    for (qsizetype p = 0; p < paragraphs.size(); ++p) {
        const QString &paragraph = paragraphs[p];
        const QString following = paragraphs.mid(p + 1).join(u' ');
        QTextLayout layout(paragraph, font());
        QTextOption option;
        option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        layout.setTextOption(option);
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(area.width());
            lines << paragraph.mid(line.textStart(), line.textLength()).trimmed();
            rests << (paragraph.mid(line.textStart()) + u' ' + following).simplified();
        }
        layout.endLayout();
    }
    if (lines.size() <= maxLines)
        return lines;
    lines = lines.mid(0, maxLines);
    lines.last() = metrics.elidedText(rests[maxLines - 1], Qt::ElideRight, area.width());
    return lines;
}
