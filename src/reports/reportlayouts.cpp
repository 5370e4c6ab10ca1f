#include "reports/reportlayouts.h"

namespace reports {

// Printable width of an A4 page inside its margins, in twips.
constexpr int PageWidth = 10400;

// clang-format off
report::Layout salesReportLayout()
{
    using enum report::Kind;
    return {.name = "SalesReport", .title = "Verkaufsbericht",
            .bands = {{"Section4", 1900}, {"Section2", 400}, {"Section1", 285}, {"Section5", 700}},
            .controls = {
        // Section   Control       Kind   Text or field          Left   Top  Width Height Notes              Font
        {"Section4", "Label1",     Label, "",                       0,    0, PageWidth, 420, "centred, can grow", "Arial 14 bold"},
        {"Section4", "Label2",     Label, "",                       0,  480, PageWidth, 285, "centred, can grow"},
        {"Section4", "Label3",     Label, "",                       0,  780, PageWidth, 285, "centred, can grow"},
        {"Section4", "lblTitle",   Label, "Verkaufsbericht",        0, 1200, 5000, 360, "",                 "Arial 12 bold"},
        {"Section4", "lblPeriod",  Label, "",                    5200, 1200, 5200, 360, "right-aligned"},
        {"Section2", "hdNo",       Label, "R.Nr.",                  0,    0, 1200, 285, "",                 "Arial 8.25 bold"},
        {"Section2", "hdDate",     Label, "Datum",               1300,    0, 1400, 285, "",                 "Arial 8.25 bold"},
        {"Section2", "hdDriver",   Label, "Fahrer",              2800,    0, 2600, 285, "",                 "Arial 8.25 bold"},
        {"Section2", "hdTotal",    Label, "Gesamt",              5500,    0, 1600, 285, "right-aligned",    "Arial 8.25 bold"},
        {"Section2", "hdMwst1",    Label, "MwSt 19 %",           7200,    0, 1500, 285, "right-aligned",    "Arial 8.25 bold"},
        {"Section2", "hdMwst2",    Label, "MwSt 7 %",            8800,    0, 1500, 285, "right-aligned",    "Arial 8.25 bold"},
        {"Section2", "Line1",      Line,  "",                       0,  330, PageWidth,   0},
        {"Section1", "txtNo",      Field, "ID",                     0,    0, 1200, 285},
        {"Section1", "txtDate",    Field, "Date",                1300,    0, 1400, 285},
        {"Section1", "txtDriver",  Field, "CashierID",           2800,    0, 2600, 285, "can grow"},
        {"Section1", "txtTotal",   Field, "Total",               5500,    0, 1600, 285, "right-aligned"},
        {"Section1", "txtMwst1",   Field, "Mwst1",               7200,    0, 1500, 285, "right-aligned"},
        {"Section1", "txtMwst2",   Field, "Mwst2",               8800,    0, 1500, 285, "right-aligned"},
        {"Section5", "Line2",      Line,  "",                       0,   60, PageWidth,   0},
        {"Section5", "lblSum",     Label, "Summe",                  0,  150, 2700, 285, "",                 "Arial 8.25 bold"},
        {"Section5", "lblCount",   Label, "",                    2800,  150, 2600, 285},
        {"Section5", "lblTotal",   Label, "",                    5500,  150, 1600, 285, "right-aligned",    "Arial 8.25 bold"},
        {"Section5", "lblMwst1",   Label, "",                    7200,  150, 1500, 285, "right-aligned",    "Arial 8.25 bold"},
        {"Section5", "lblMwst2",   Label, "",                    8800,  150, 1500, 285, "right-aligned",    "Arial 8.25 bold"},
    }};
}

report::Layout orderReportLayout()
{
    using enum report::Kind;
    return {.name = "OrderReport", .title = "Bestellungen",
            .bands = {{"Section4", 1900}, {"Section2", 400}, {"Section1", 285}, {"Section5", 700}},
            .controls = {
        // Section   Control       Kind   Text or field          Left   Top  Width Height Notes              Font
        {"Section4", "Label1",     Label, "",                       0,    0, PageWidth, 420, "centred, can grow", "Arial 14 bold"},
        {"Section4", "Label2",     Label, "",                       0,  480, PageWidth, 285, "centred, can grow"},
        {"Section4", "Label3",     Label, "",                       0,  780, PageWidth, 285, "centred, can grow"},
        {"Section4", "lblTitle",   Label, "Bestellungen",           0, 1200, 5000, 360, "",                 "Arial 12 bold"},
        {"Section4", "lblPeriod",  Label, "",                    5200, 1200, 5200, 360, "right-aligned"},
        {"Section2", "hdNo",       Label, "Lief.-Nr.",              0,    0, 1600, 285, "",                 "Arial 8.25 bold"},
        {"Section2", "hdDate",     Label, "Datum",               1800,    0, 1600, 285, "",                 "Arial 8.25 bold"},
        {"Section2", "hdTotal",    Label, "Betrag",              3600,    0, 2000, 285, "right-aligned",    "Arial 8.25 bold"},
        {"Section2", "Line1",      Line,  "",                       0,  330, 5600,   0},
        {"Section1", "txtNo",      Field, "ID",                     0,    0, 1600, 285},
        {"Section1", "txtDate",    Field, "Date",                1800,    0, 1600, 285},
        {"Section1", "txtTotal",   Field, "Total",               3600,    0, 2000, 285, "right-aligned"},
        {"Section5", "Line2",      Line,  "",                       0,   60, 5600,   0},
        {"Section5", "lblSum",     Label, "Summe",                  0,  150, 1600, 285, "",                 "Arial 8.25 bold"},
        {"Section5", "lblCount",   Label, "",                    1800,  150, 1600, 285},
        {"Section5", "lblTotal",   Label, "",                    3600,  150, 2000, 285, "right-aligned",    "Arial 8.25 bold"},
    }};
}

report::Layout productInventoryLayout()
{
    using enum report::Kind;
    return {.name = "ProductInventory", .title = "Produkt Bericht",
            .bands = {{"Section4", 1700}, {"Section2", 400}, {"Section1", 285}},
            .controls = {
        // Section   Control       Kind   Text or field          Left   Top  Width Height Notes              Font
        {"Section4", "label13",    Label, "",                       0,    0, PageWidth, 420, "centred, can grow", "Arial 14 bold"},
        {"Section4", "label14",    Label, "",                       0,  480, PageWidth, 285, "centred, can grow"},
        {"Section4", "label15",    Label, "",                       0,  780, PageWidth, 285, "centred, can grow"},
        {"Section4", "lblTitle",   Label, "Lagerbestand",           0, 1200, 5000, 360, "",                 "Arial 12 bold"},
        {"Section2", "hdId",       Label, "#",                      0,    0,  700, 285, "",                 "Arial 8.25 bold"},
        {"Section2", "hdCategory", Label, "Kategorie",            750,    0, 1300, 285, "",                 "Arial 8.25 bold"},
        {"Section2", "hdDesc",     Label, "Beschreibung",        2100,    0, 2300, 285, "",                 "Arial 8.25 bold"},
        {"Section2", "hdSize",     Label, "Größe",               4450,    0,  700, 285, "",                 "Arial 8.25 bold"},
        {"Section2", "hdOrdered",  Label, "Best.",               5200,    0, 1000, 285, "right-aligned",    "Arial 8.25 bold"},
        {"Section2", "hdOnHand",   Label, "Vorh.",               6250,    0, 1050, 285, "right-aligned",    "Arial 8.25 bold"},
        {"Section2", "hdSold",     Label, "Verk.",               7350,    0, 1000, 285, "right-aligned",    "Arial 8.25 bold"},
        {"Section2", "hdOrderPr",  Label, "EK",                  8400,    0,  950, 285, "right-aligned",    "Arial 8.25 bold"},
        {"Section2", "hdSalesPr",  Label, "VK",                  9400,    0, 1000, 285, "right-aligned",    "Arial 8.25 bold"},
        {"Section2", "Line1",      Line,  "",                       0,  330, PageWidth,   0},
        {"Section1", "txtId",      Field, "Productid",              0,    0,  700, 285},
        {"Section1", "txtCategory",Field, "Category",             750,    0, 1300, 285, "can grow"},
        {"Section1", "txtDesc",    Field, "Description",         2100,    0, 2300, 285, "can grow"},
        {"Section1", "txtSize",    Field, "Size",                4450,    0,  700, 285, "can grow"},
        // The running sums of a weighed product grow with the years
        // ("-74432,741"): their columns take what a year at a busy counter
        // needs, so that a figure is never cut.
        {"Section1", "txtOrdered", Field, "Qtyorder",            5200,    0, 1000, 285, "right-aligned"},
        {"Section1", "txtOnHand",  Field, "Quantity",            6250,    0, 1050, 285, "right-aligned"},
        {"Section1", "txtSold",    Field, "qtysold",             7350,    0, 1000, 285, "right-aligned"},
        {"Section1", "txtOrderPr", Field, "orderPrice",          8400,    0,  950, 285, "right-aligned"},
        {"Section1", "txtSalesPr", Field, "SalesPrice",          9400,    0, 1000, 285, "right-aligned"},
    }};
}

report::Layout creditReportLayout()
{
    using enum report::Kind;
    return {.name = "CreditReport", .title = "Lieferungen",
            .bands = {{"Section4", 1700}, {"Section2", 400}, {"Section1", 285}},
            .controls = {
        // Section   Control       Kind   Text or field          Left   Top  Width Height Notes              Font
        {"Section4", "label1",     Label, "",                       0,    0, PageWidth, 420, "centred, can grow", "Arial 14 bold"},
        {"Section4", "label2",     Label, "",                       0,  480, PageWidth, 285, "centred, can grow"},
        {"Section4", "label3",     Label, "",                       0,  780, PageWidth, 285, "centred, can grow"},
        {"Section4", "lblTitle",   Label, "Offene Beträge der Kunden", 0, 1200, 6000, 360, "",              "Arial 12 bold"},
        {"Section2", "hdId",       Label, "Kd.-Nr.",                0,    0,  900, 285, "",                 "Arial 8.25 bold"},
        {"Section2", "hdName",     Label, "Name",                1000,    0, 2800, 285, "",                 "Arial 8.25 bold"},
        {"Section2", "hdAddress",  Label, "Adresse",             3900,    0, 2800, 285, "",                 "Arial 8.25 bold"},
        {"Section2", "hdPhone",    Label, "Telefon",             6800,    0, 1900, 285, "",                 "Arial 8.25 bold"},
        {"Section2", "hdTotal",    Label, "Betrag",              8800,    0, 1600, 285, "right-aligned",    "Arial 8.25 bold"},
        {"Section2", "Line1",      Line,  "",                       0,  330, PageWidth,   0},
        {"Section1", "txtId",      Field, "CustomerID",             0,    0,  900, 285},
        {"Section1", "txtName",    Field, "CustomerName",        1000,    0, 2800, 285, "can grow"},
        {"Section1", "txtAddress", Field, "Address",             3900,    0, 2800, 285, "can grow"},
        {"Section1", "txtPhone",   Field, "ContactNumber",       6800,    0, 1900, 285, "can grow"},
        {"Section1", "txtTotal",   Field, "Total",               8800,    0, 1600, 285, "right-aligned"},
    }};
}

report::Layout cashierReportLayout()
{
    using enum report::Kind;
    return {.name = "KasaBerReport", .title = "Mitarbeiter Abschlussbericht",
            .bands = {{"Section4", 2200}, {"Section2", 400}, {"Section1", 285}, {"Section5", 700}},
            .controls = {
        // Section   Control       Kind   Text or field          Left   Top  Width Height Notes              Font
        {"Section4", "Label1",     Label, "",                       0,    0, PageWidth, 420, "centred, can grow", "Arial 14 bold"},
        {"Section4", "Label2",     Label, "",                       0,  480, PageWidth, 285, "centred, can grow"},
        {"Section4", "Label3",     Label, "",                       0,  780, PageWidth, 285, "centred, can grow"},
        {"Section4", "lblTitle",   Label, "Mitarbeiter Abschlussbericht", 0, 1200, 5800, 360, "",           "Arial 12 bold"},
        {"Section4", "lblPeriod",  Label, "",                    5900, 1200, 4500, 360, "right-aligned"},
        {"Section4", "lblUser",    Label, "",                       0, 1650, PageWidth, 285, "can grow"},
        {"Section2", "hdNo",       Label, "R.Nr.",                  0,    0, 1200, 285, "",                 "Arial 8.25 bold"},
        {"Section2", "hdDate",     Label, "Datum",               1300,    0, 1400, 285, "",                 "Arial 8.25 bold"},
        {"Section2", "hdTotal",    Label, "Gesamt",              2800,    0, 1600, 285, "right-aligned",    "Arial 8.25 bold"},
        {"Section2", "hdMwst1",    Label, "MwSt 19 %",           4500,    0, 1500, 285, "right-aligned",    "Arial 8.25 bold"},
        {"Section2", "hdMwst2",    Label, "MwSt 7 %",            6100,    0, 1500, 285, "right-aligned",    "Arial 8.25 bold"},
        {"Section2", "Line1",      Line,  "",                       0,  330, 7600,   0},
        {"Section1", "txtNo",      Field, "ID",                     0,    0, 1200, 285},
        {"Section1", "txtDate",    Field, "Date",                1300,    0, 1400, 285},
        {"Section1", "txtTotal",   Field, "Total",               2800,    0, 1600, 285, "right-aligned"},
        {"Section1", "txtMwst1",   Field, "Mwst1",               4500,    0, 1500, 285, "right-aligned"},
        {"Section1", "txtMwst2",   Field, "Mwst2",               6100,    0, 1500, 285, "right-aligned"},
        {"Section5", "Line2",      Line,  "",                       0,   60, 7600,   0},
        {"Section5", "lblSum",     Label, "Summe",                  0,  150, 1200, 285, "",                 "Arial 8.25 bold"},
        {"Section5", "lblCount",   Label, "",                    1300,  150, 1400, 285},
        {"Section5", "lblTotal",   Label, "",                    2800,  150, 1600, 285, "right-aligned",    "Arial 8.25 bold"},
        {"Section5", "lblMwst1",   Label, "",                    4500,  150, 1500, 285, "right-aligned",    "Arial 8.25 bold"},
        {"Section5", "lblMwst2",   Label, "",                    6100,  150, 1500, 285, "right-aligned",    "Arial 8.25 bold"},
    }};
}
// clang-format on

} // namespace reports
