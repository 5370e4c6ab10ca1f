#include "platform/reportlayout.h"

#include <array>

#include <QRegularExpression>

namespace report {

namespace {

// twips of a length in millimetres, as the paper sizes are defined
constexpr int mm(double millimetres)
{
    return static_cast<int>(millimetres * 1440.0 / 25.4 + 0.5);
}

struct BandName
{
    const char *name;
    BandRole role;
};

// The bands keep the names the layouts have always used; their roles follow
// from the names. Listed in paper order.
constexpr std::array<BandName, 5> BandNames = {{
    {"Section4", BandRole::ReportHeader},
    {"Section2", BandRole::PageHeader},
    {"Section1", BandRole::Detail},
    {"Section3", BandRole::PageFooter},
    {"Section5", BandRole::ReportFooter},
}};

int bandIndex(const QString &section)
{
    for (size_t i = 0; i < BandNames.size(); ++i)
        if (section.compare(QLatin1String(BandNames[i].name), Qt::CaseInsensitive) == 0)
            return static_cast<int>(i);
    return -1;
}

// "&H000000FF" (blue, green, red bytes) or a plain name.
bool parseColour(const QString &note, unsigned *rgb)
{
    if (note == QLatin1String("red")) {
        *rgb = 0xFF0000;
        return true;
    }
    if (!note.startsWith(QLatin1String("&h")))
        return false;
    bool ok = false;
    const unsigned bgr = note.mid(2).toUInt(&ok, 16);
    if (!ok || bgr > 0xFFFFFF)
        return false;
    *rgb = ((bgr & 0xFF) << 16) | (bgr & 0xFF00) | ((bgr >> 16) & 0xFF);
    return true;
}

class Compiler
{
public:
    explicit Compiler(const Layout &layout) : m_layout(layout) {}

    Design run()
    {
        Design design{m_layout.name, m_layout.title, m_layout.page, {}};
        for (const BandName &band : BandNames)
            design.bands.push_back({QLatin1String(band.name), band.role, 0, {}});
        for (const BandRow &row : m_layout.bands) {
            const int index = bandIndex(row.section);
            if (index < 0 || row.height < 0)
                fail(QStringLiteral("band %1 of height %2").arg(row.section).arg(row.height));
            design.bands[index].height = row.height;
        }
        const Font base = parseFontOrFail(m_layout.baseFont, QStringLiteral("base font"));
        for (const ControlRow &row : m_layout.controls) {
            const int index = bandIndex(row.section);
            if (index < 0)
                fail(QStringLiteral("%1.%2: unknown band").arg(row.section, row.control));
            std::vector<Control> &controls = design.bands[index].controls;
            for (const Control &existing : controls)
                if (existing.name.compare(row.control, Qt::CaseInsensitive) == 0)
                    fail(QStringLiteral("%1.%2: named twice").arg(row.section, row.control));
            controls.push_back(control(row, base));
        }
        return design;
    }

private:
    Control control(const ControlRow &row, const Font &base) const
    {
        const QString where = row.section + u'.' + row.control;
        if (row.control.isEmpty() || row.width < 0 || row.height < 0)
            fail(where + QStringLiteral(": needs a name and a size"));
        Control control;
        control.name = row.control;
        control.kind = row.kind;
        (row.kind == Kind::Field ? control.field : control.text) = row.textOrField;
        if (row.kind == Kind::Field && row.textOrField.isEmpty())
            fail(where + QStringLiteral(": a field needs a column"));
        control.left = row.left;
        control.top = row.top;
        control.width = row.width;
        control.height = row.height;
        control.font = row.font.isEmpty() ? base : parseFontOrFail(row.font, where);
        applyNotes(row.notes, where, control);
        return control;
    }

    void applyNotes(const QString &notes, const QString &where, Control &control) const
    {
        static const QRegularExpression formatNote(QStringLiteral("^format \\((.+)\\)$"));
        for (const QString &raw : notes.split(u',', Qt::SkipEmptyParts)) {
            const QString note = raw.trimmed().toLower();
            if (note == QLatin1String("centred"))
                control.align = Align::Centre;
            else if (note == QLatin1String("right-aligned"))
                control.align = Align::Right;
            else if (note == QLatin1String("hidden"))
                control.visible = false;
            else if (note == QLatin1String("can grow"))
                control.canGrow = true;
            else if (parseColour(note, &control.rgb))
                continue;
            else if (const auto match = formatNote.match(note); match.hasMatch())
                control.format = format(match.captured(1), where);
            else
                fail(where + QStringLiteral(": unknown note \"%1\"").arg(raw.trimmed()));
        }
    }

    QString format(const QString &key, const QString &where) const
    {
        for (const auto &[name, pattern] : m_layout.formats)
            if (name.compare(key, Qt::CaseInsensitive) == 0)
                return pattern;
        fail(where + QStringLiteral(": unknown format (%1)").arg(key));
    }

    Font parseFontOrFail(const QString &text, const QString &where) const
    {
        const Font font = parseFont(text);
        if (font.family.isEmpty() || font.points <= 0)
            fail(where + QStringLiteral(": unreadable font \"%1\"").arg(text));
        return font;
    }

    [[noreturn]] void fail(const QString &what) const
    {
        throw Error(QStringLiteral("Layout %1: %2").arg(m_layout.name, what).toStdString());
    }

    const Layout &m_layout;
};

} // namespace

PageSetup PageSetup::a4()
{
    return {Paper::A4, mm(210), mm(297), 720};
}
PageSetup PageSetup::a5()
{
    return {Paper::A5, mm(148), mm(210), 720};
}
PageSetup PageSetup::tillRoll80mm()
{
    return {Paper::TillRoll80mm, mm(80), 0, 283};
}

Font parseFont(const QString &text)
{
    Font font;
    font.family.clear();
    font.points = 0;
    QStringList family;
    for (const QString &word : text.split(u' ', Qt::SkipEmptyParts)) {
        bool isNumber = false;
        const double points = word.toDouble(&isNumber);
        const bool sizeRead = font.points > 0;
        const bool bold = word.compare(QLatin1String("bold"), Qt::CaseInsensitive) == 0;
        const bool italic = word.compare(QLatin1String("italic"), Qt::CaseInsensitive) == 0;
        if (!sizeRead && isNumber)
            font.points = points;
        else if (!sizeRead && !bold && !italic)
            family << word;
        else if (sizeRead && (bold || italic))
            (bold ? font.bold : font.italic) = true;
        else
            return Font{{}, 0, false, false}; // family, size, then styles
    }
    font.family = family.join(u' ');
    return font;
}

Design compile(const Layout &layout)
{
    return Compiler(layout).run();
}

} // namespace report
