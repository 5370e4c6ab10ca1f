#include "platform/reporttext.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace report {

namespace {

// The length of the character that starts at `i`: two units for a
// character outside the basic plane, one otherwise.
qsizetype characterLength(QStringView text, qsizetype i)
{
    return text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate() ? 2 : 1;
}

class EstimatedMetrics : public TextMetrics
{
public:
    // Widths in ems of Arial's kinds of characters, a little on the wide side.
    double advance(const Font &font, QStringView character) const override
    {
        static const QString thin = QStringLiteral(" .,:;!|'iIjlft()[]/-");
        const QChar c = character.front();
        double ems = 0.56; // digits, most small letters
        if (thin.contains(c))
            ems = 0.3;
        else if (c == u'm' || c == u'w' || c == u'M' || c == u'W' || c == u'@')
            ems = 0.9;
        else if (c.isUpper())
            ems = 0.72;
        const bool narrow = font.family.contains(QLatin1String("Narrow"), Qt::CaseInsensitive);
        return font.points * 20.0 * ems * (font.bold ? 1.08 : 1.0) * (narrow ? 0.82 : 1.0);
    }
    int lineHeight(const Font &font) const override { return static_cast<int>(std::ceil(font.points * 20.0 * 1.15)); }
};

// The pieces a line may break after: words, and the parts of a word up to
// and including each of its hyphens ("Villingen-", "Schwenningen"). A
// piece that follows a hyphen joins the one before it without a blank.
struct Piece
{
    QString text;
    bool afterBlank;
};

std::vector<Piece> pieces(const QString &paragraph)
{
    std::vector<Piece> result;
    for (const QString &word : paragraph.split(u' ', Qt::SkipEmptyParts)) {
        qsizetype start = 0;
        for (qsizetype hyphen = word.indexOf(u'-'); hyphen >= 0; hyphen = word.indexOf(u'-', hyphen + 1)) {
            if (hyphen == 0 || hyphen + 1 == word.size())
                continue; // a lone or closing hyphen stays with its word
            result.push_back({word.mid(start, hyphen + 1 - start), start == 0});
            start = hyphen + 1;
        }
        result.push_back({word.mid(start), start == 0});
    }
    return result;
}

// Breaks one paragraph (no line breaks in it) into lines no wider than `width`.
void wrapParagraph(const TextMetrics &metrics, const Font &font, const QString &paragraph, double width,
                   QStringList &lines)
{
    const double blank = metrics.advance(font, u" ");
    QString line;
    double lineWidth = 0;
    for (const Piece &piece : pieces(paragraph)) {
        const double pieceWidth = metrics.width(font, piece.text);
        const double joinedWidth =
            line.isEmpty() ? pieceWidth : lineWidth + (piece.afterBlank ? blank : 0) + pieceWidth;
        if (joinedWidth <= width) {
            if (!line.isEmpty() && piece.afterBlank)
                line += u' ';
            line += piece.text;
            lineWidth = joinedWidth;
            continue;
        }
        if (!line.isEmpty())
            lines << line;
        line.clear();
        lineWidth = 0;
        // A piece wider than the box is broken where the box ends; each line
        // takes at least one character, however narrow the box.
        for (qsizetype i = 0; i < piece.text.size();) {
            const qsizetype length = characterLength(piece.text, i);
            const QStringView character = QStringView(piece.text).mid(i, length);
            const double characterWidth = metrics.advance(font, character);
            if (!line.isEmpty() && lineWidth + characterWidth > width) {
                lines << line;
                line.clear();
                lineWidth = 0;
            }
            line += character;
            lineWidth += characterWidth;
            i += length;
        }
    }
    lines << line;
}

// The line cut so that it ends with the cut mark inside the width.
QString cutLine(const TextMetrics &metrics, const Font &font, QString line, double width)
{
    while (!line.isEmpty() && metrics.width(font, QString(line + CutMark)) > width) {
        const qsizetype last = line.size() >= 2 && line.back().isLowSurrogate() ? 2 : 1;
        line.chop(last);
    }
    while (line.endsWith(u' '))
        line.chop(1);
    return line + CutMark;
}

} // namespace

double TextMetrics::width(const Font &font, QStringView text) const
{
    double total = 0;
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype length = characterLength(text, i);
        total += advance(font, text.mid(i, length));
        i += length;
    }
    return total;
}

std::shared_ptr<const TextMetrics> estimatedMetrics()
{
    static const auto metrics = std::make_shared<const EstimatedMetrics>();
    return metrics;
}

QStringList fitText(const TextMetrics &metrics, const Font &font, const QString &text, double width, int maxLines)
{
    maxLines = std::max(maxLines, 1);
    // Most texts fit their box as they are.
    if (!text.contains(u'\n') && !text.contains(u'\r') && metrics.width(font, text) <= width)
        return {text};
    QStringList lines;
    for (const QString &paragraph : QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")).split(u'\n'))
        wrapParagraph(metrics, font, paragraph, width, lines);
    if (lines.size() <= maxLines)
        return lines;
    // The last line takes as much of the rest as fits before the cut mark.
    QString last = lines[maxLines - 1];
    for (qsizetype i = maxLines; i < lines.size() && metrics.width(font, last) <= width; ++i)
        last += (last.endsWith(u'-') ? QString() : QStringLiteral(" ")) + lines[i];
    lines.resize(maxLines);
    lines.back() = cutLine(metrics, font, last, width);
    return lines;
}

} // namespace report
