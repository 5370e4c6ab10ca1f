#pragma once

#include <stdexcept>
#include <utility>
#include <vector>

#include <QString>

// A printed layout (receipt, invoice, report) written down as data: a table of
// controls, one row per control, each in one of five bands, at a position in
// twips (1/1440 inch). See data/reportdocument.h for how a screen fills and shows
// one, and for an example of a layout table.
namespace report {

// A mistake in a layout or in a name that a screen asks for. These are faults
// of the program, never of the user's input, so they are raised loudly.
class Error : public std::logic_error
{
public:
    using std::logic_error::logic_error;
};

// What a control is: a label (fixed or program-set text), a field (a column
// of the current record) or a horizontal line.
enum class Kind { Label, Field, Line };

// The five bands, in the order in which they appear on paper.
enum class BandRole { ReportHeader, PageHeader, Detail, PageFooter, ReportFooter };

enum class Align { Left, Centre, Right };

enum class Paper { A4, A5, TillRoll80mm };

struct PageSetup
{
    Paper paper = Paper::A4;
    int width = 0;  // twips
    int height = 0; // twips; 0 means as long as the content (a till roll)
    int margin = 0; // twips, on every side

    static PageSetup a4();
    static PageSetup a5();
    // The receipt printer's roll: 80 mm wide, each receipt cut to its length.
    static PageSetup tillRoll80mm();
};

// One row of a layout table, written as the table reads.
struct ControlRow
{
    QString section; // "Section4"
    QString control; // "Label1"
    Kind kind = Kind::Label;
    QString textOrField; // a label's design text, a field's column; empty for a line
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0; // a line has none
    // Comma-separated: "centred", "right-aligned", "hidden", a colour ("red"
    // or "&H000000FF", blue-green-red), "format (a)" (a format of the layout),
    // "can grow" (a text that takes as many lines as it needs; see Control).
    QString notes = {};
    // "Verdana 11.25 bold"; empty: the layout's base font.
    QString font = {};
};

struct BandRow
{
    QString section; // "Section4", ...; a band left out has no height
    int height = 0;
};

struct Layout
{
    QString name;  // "ReceiptReport": the preview window's object name
    QString title; // "Receipt": the preview window's title
    PageSetup page = PageSetup::a4();
    QString baseFont = QStringLiteral("Arial 8.25");
    std::vector<std::pair<QString, QString>> formats = {}; // {"a", "#.##0,00 \"€\""}
    std::vector<BandRow> bands = {};
    std::vector<ControlRow> controls = {};
};

struct Font
{
    QString family = QStringLiteral("Arial"); // as the layout names it; the painter maps it
    double points = 8.25;
    bool bold = false;
    bool italic = false;
};

// A control as the runtime holds it: the row read and checked.
struct Control
{
    QString name;
    Kind kind = Kind::Label;
    QString text;  // labels: what prints (the design text until the program sets it)
    QString field; // fields: the column
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    Align align = Align::Left;
    bool visible = true;
    unsigned rgb = 0x000000; // 0xRRGGBB
    QString format;          // fields: a display format, see reportformat.h
    Font font;
    // A text that does not fit its box either takes the lines it needs, its
    // band growing and what lies below it in the band moving down (can
    // grow), or is cut at the box's edge with "…".
    bool canGrow = false;
};

struct Band
{
    QString name;
    BandRole role = BandRole::Detail;
    int height = 0;
    std::vector<Control> controls;
};

// The layout read and checked, with its five bands in paper order.
struct Design
{
    QString name;
    QString title;
    PageSetup page;
    std::vector<Band> bands;

    const Band &band(BandRole role) const { return bands[static_cast<size_t>(role)]; }
};

// Reads a layout table; raises report::Error naming the row at fault (an
// unknown band, note, format or font text, or a control named twice in a band).
Design compile(const Layout &layout);

// "Arial Narrow 9.75 bold" -> family "Arial Narrow", 9.75 pt, bold.
Font parseFont(const QString &text);

} // namespace report
