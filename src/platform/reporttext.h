#pragma once

#include <memory>

#include <QString>
#include <QStringList>
#include <QStringView>

#include "platform/reportlayout.h"

namespace report {

// How wide a text prints and how far apart its lines are, in twips. The
// painter's fonts answer this for paper (platform/ui/reportpainter.h); the
// widget-free core has only an estimate, enough to lay out what tests read.
class TextMetrics
{
public:
    virtual ~TextMetrics() = default;
    // The width of one character (a code point, as a string of one or two
    // units) in the font.
    virtual double advance(const Font &font, QStringView character) const = 0;
    // The distance from one line's top to the next one's; a line's ink lies within it.
    virtual int lineHeight(const Font &font) const = 0;

    // The width of a text on one line: its characters' advances added up,
    // which is what the painter sets them at (it does not kern).
    virtual double width(const Font &font, QStringView text) const;
};

// An estimate from the font's size alone: an average Arial character, a
// line 1.15 times the size. Used where no painter is at hand.
std::shared_ptr<const TextMetrics> estimatedMetrics();

// The character a cut text ends with.
inline constexpr QChar CutMark = QChar(0x2026); // …

// A text broken into the lines it prints as in a box `width` twips wide: at
// blanks, after hyphens and at the writer's own line breaks, inside a word
// only where a part of it alone is wider than the box. At most `maxLines` lines (at least one): what
// does not fit then is cut, and the last line ends with "…".
QStringList fitText(const TextMetrics &metrics, const Font &font, const QString &text, double width, int maxLines);

} // namespace report
