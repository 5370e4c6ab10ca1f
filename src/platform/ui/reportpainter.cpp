#include "platform/ui/reportpainter.h"

#include <cmath>

#include <QFontMetricsF>
#include <QHash>
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

// A device of one dot per twip, for measuring only: the fonts then answer
// in twips.
class TwipsDevice : public QPaintDevice
{
public:
    QPaintEngine *paintEngine() const override { return nullptr; }

protected:
    int metric(PaintDeviceMetric metric) const override
    {
        switch (metric) {
        case PdmDpiX:
        case PdmDpiY:
        case PdmPhysicalDpiX:
        case PdmPhysicalDpiY:
            return 1440;
        case PdmDevicePixelRatioScaled:
            return static_cast<int>(devicePixelRatioFScale());
        case PdmDepth:
            return 32;
        default:
            return 1;
        }
    }
};

class FontMetrics : public TextMetrics
{
public:
    double advance(const Font &font, QStringView character) const override
    {
        Measured &measured = measuredFont(font);
        auto known = measured.advances.constFind(character.toString());
        if (known == measured.advances.constEnd())
            known = measured.advances.insert(character.toString(),
                                             measured.metrics.horizontalAdvance(character.toString()));
        return *known;
    }

    int lineHeight(const Font &font) const override
    {
        return static_cast<int>(std::ceil(measuredFont(font).metrics.lineSpacing()));
    }

private:
    struct Measured
    {
        QFontMetricsF metrics;
        QHash<QString, double> advances;
    };

    Measured &measuredFont(const Font &font) const
    {
        const QString key =
            QStringLiteral("%1|%2|%3|%4").arg(font.family).arg(font.points).arg(font.bold).arg(font.italic);
        auto known = m_fonts.find(key);
        if (known == m_fonts.end())
            known = m_fonts.insert(key, Measured{QFontMetricsF(qtFont(font), &m_device), {}});
        return *known;
    }

    TwipsDevice m_device;
    mutable QHash<QString, Measured> m_fonts;
};

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
    result.setKerning(false);
    return result;
}

std::shared_ptr<const TextMetrics> paperMetrics()
{
    static const auto metrics = std::make_shared<const FontMetrics>();
    return metrics;
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
        const QStringList lines = item.text.split(u'\n');
        const int linesHeight = static_cast<int>(lines.size()) * item.lineHeight;
        painter.save();
        // Nothing prints outside the box, whatever the device's fonts make of a line.
        painter.setClipRect(toDevice(device, item.left, item.top, item.width, std::max(item.height, linesHeight)));
        painter.setFont(qtFont(item.font));
        painter.setPen(colour);
        for (qsizetype i = 0; i < lines.size(); ++i) {
            const int top = item.top + static_cast<int>(i) * item.lineHeight;
            painter.drawText(toDevice(device, item.left, top, item.width, item.lineHeight),
                             alignment(item.align) | Qt::AlignTop, lines[i]);
        }
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
