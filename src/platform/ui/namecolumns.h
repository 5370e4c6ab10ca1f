#pragma once

#include <QList>

class QTreeView;

// Lays out a list's columns so that names stay readable: every other column
// (numbers, prices, sizes) is as wide as its widest entry, and the columns
// that hold names (descriptions, categories, customers) share the width left
// over, in proportion to their longest names. A name still too long for its
// column shows whole as a tool tip. The widths follow the list's size and
// its lines.
void fitNameColumns(QTreeView *list, const QList<int> &nameColumns);
