#include "platform/ui/reportpainter.h"

#include <cmath>
#include <deque>

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

// How far a text may reach beyond its measured width: a twentieth of a millimetre.
constexpr int ClipSlack = 3;

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

// Measures with the painted fonts. A report of many thousand lines measures
// every text that can grow once to find its page breaks, so each font's
// advances are kept: in a table for the characters of Western European text,
// in a hash for the rest.
class FontMetrics : public TextMetrics
{
public:
    double advance(const Font &font, QStringView character) const override
    {
        return measuredFont(font).advance(character);
    }

    double width(const Font &font, QStringView text) const override
    {
        Measured &measured = measuredFont(font);
        double total = 0;
        for (qsizetype i = 0; i < text.size(); ++i) {
            const qsizetype length = text[i].isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
            total += measured.advance(text.mid(i, length));
            i += length - 1;
        }
        return total;
    }

    int lineHeight(const Font &font) const override
    {
        return static_cast<int>(std::ceil(measuredFont(font).metrics.lineSpacing()));
    }

private:
    // Up to the euro sign and the typographic punctuation.
    static constexpr char16_t TableSize = 0x2100;

    struct Measured
    {
        Font font;
        QFontMetricsF metrics;
        std::vector<double> table = std::vector<double>(TableSize, -1.0);
        QHash<QString, double> others = {};

        double advance(QStringView character)
        {
            if (character.size() == 1 && character[0].unicode() < TableSize) {
                double &known = table[character[0].unicode()];
                if (known < 0)
                    known = metrics.horizontalAdvance(character.toString());
                return known;
            }
            auto known = others.constFind(character.toString());
            if (known == others.constEnd())
                known = others.insert(character.toString(), metrics.horizontalAdvance(character.toString()));
            return *known;
        }
    };

    Measured &measuredFont(const Font &font) const
    {
        for (Measured &measured : m_fonts)
            if (measured.font.points == font.points && measured.font.bold == font.bold &&
                measured.font.italic == font.italic && measured.font.family == font.family)
                return measured;
        return m_fonts.emplace_back(Measured{font, QFontMetricsF(qtFont(font), &m_device)});
    }

    TwipsDevice m_device;
    // A layout has a handful of fonts; a list found by comparing is the quickest.
    mutable std::deque<Measured> m_fonts;
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
        painter.save();
        // Nothing prints outside the text's own place, whatever the device's
        // fonts make of a line; a device whose glyphs come out a hair wider
        // than measured may use the blank that separates texts.
        painter.setClipRect(toDevice(device, item.left - ClipSlack, item.top, item.width + 2 * ClipSlack,
                                     std::max(item.height, static_cast<int>(lines.size()) * item.lineHeight)));
        painter.setFont(qtFont(item.font));
        painter.setPen(colour);
        for (qsizetype i = 0; i < lines.size(); ++i) {
            const int top = item.top + static_cast<int>(i) * item.lineHeight;
            painter.drawText(toDevice(device, item.left, top, item.width, item.lineHeight),
                             alignment(item.align) | Qt::AlignTop | Qt::TextDontClip, lines[i]);
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
