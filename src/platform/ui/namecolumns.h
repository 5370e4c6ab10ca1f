#pragma once

#include <QList>

class QTreeView;

// How the columns that hold names share the width the others leave.
enum class NameFit {
    // In proportion to their longest names, on one line; for long lists.
    Proportional,
    // The first name column first: it takes the width its longest name
    // needs, as far as the others keep the width of their heads, and a name
    // wider than its column wraps onto a second line of its row. For short
    // lists whose lines staff must tell apart at a glance (the till's order,
    // where "Pizza Margherita" and "Pizza Salami" must not both read
    // "Pizza …").
    FirstWholeOnTwoLines,
};

// Lays out a list's columns so that names stay readable: every other column
// (numbers, prices, sizes) is as wide as its widest entry, and the columns
// that hold names (descriptions, categories, customers) share the width left
// over. A name still too long for its column shows whole as a tool tip. The
// widths follow the list's size and its lines.
void fitNameColumns(QTreeView *list, const QList<int> &nameColumns, NameFit fit = NameFit::Proportional);
