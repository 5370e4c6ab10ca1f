#include "platform/ui/reportpainter.h"

#include <QPagedPaintDevice>
#include <QPainter>
#include <QPen>

namespace report {

namespace {

QRectF toDevice(const QPaintDevice &device, int left, int top, int width, int height)
{
    const double x = device.logicalDpiX() / 1440.0;
    const double y = device.logicalDpiY() / 1440.0;
    return QRectF(left * x, top * y, width * x, height * y);
}

Qt::Alignment alignment(Align align)
{
    switch (align) {
    case Align::Centre:
        return Qt::AlignHCenter;
    case Align::Right:
        return Qt::AlignRight;
    case Align::Left:
        break;
    }
    return Qt::AlignLeft;
}

// A thin rule, as the layouts' lines were drawn: about a quarter millimetre.
constexpr int LineWidthTwips = 14;

} // namespace

QString mappedFamily(const QString &layoutFamily)
{
    static const std::vector<std::pair<QString, QString>> families = {
        {QStringLiteral("Arial"), QStringLiteral("Liberation Sans")},
        {QStringLiteral("Arial Narrow"), QStringLiteral("Liberation Sans Narrow")},
        {QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans")},
        {QStringLiteral("Tahoma"), QStringLiteral("DejaVu Sans")},
        {QStringLiteral("Georgia"), QStringLiteral("Liberation Serif")},
        {QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif")},
        {QStringLiteral("Courier New"), QStringLiteral("Liberation Mono")},
    };
    for (const auto &[windows, free] : families)
        if (layoutFamily.compare(windows, Qt::CaseInsensitive) == 0)
            return free;
    return layoutFamily;
}

QFont qtFont(const Font &font)
{
    QFont result(mappedFamily(font.family));
    result.setPointSizeF(font.points);
    result.setBold(font.bold);
    result.setItalic(font.italic);
    // Text must keep the widths the layouts were measured with, whatever the
    // screen's hinting would like.
    result.setHintingPreference(QFont::PreferNoHinting);
    return result;
}

QPageLayout pageLayout(Paper paper, const Page &page)
{
    QPageSize size;
    switch (paper) {
    case Paper::A4:
        size = QPageSize(QPageSize::A4);
        break;
    case Paper::A5:
        size = QPageSize(QPageSize::A5);
        break;
    case Paper::TillRoll80mm:
        size = QPageSize(QSizeF(page.width / 1440.0 * 25.4, page.height / 1440.0 * 25.4), QPageSize::Millimeter,
                         QStringLiteral("Bon 80 mm"), QPageSize::ExactMatch);
        break;
    }
    // The layouts place everything themselves, margins included.
    return QPageLayout(size, QPageLayout::Portrait, QMarginsF(0, 0, 0, 0));
}

void paintPage(QPainter &painter, const Page &page)
{
    const QPaintDevice &device = *painter.device();
    for (const PrintedItem &item : page.items) {
        const QColor colour = QColor::fromRgb(item.rgb);
        if (item.kind == Kind::Line) {
            const QRectF line = toDevice(device, item.left, item.top, item.width, LineWidthTwips);
            painter.fillRect(line, colour);
            continue;
        }
        const QRectF box = toDevice(device, item.left, item.top, item.width, item.height);
        painter.save();
        painter.setClipRect(box);
        painter.setFont(qtFont(item.font));
        painter.setPen(colour);
        painter.drawText(box, alignment(item.align) | Qt::AlignTop | Qt::TextWordWrap, item.text);
        painter.restore();
    }
}

void paintPages(QPainter &painter, QPagedPaintDevice &device, const LaidOutPages &pages)
{
    for (int i = 0; i < pages.count(); ++i) {
        if (i > 0)
            device.newPage();
        paintPage(painter, pages.page(i));
    }
}

} // namespace report
