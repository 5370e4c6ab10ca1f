#pragma once

#include <QAbstractItemView>
#include <QStringList>

// A line of a list as the list shows it: the texts of its first columns
// (every column when no count is given).
inline QStringList lineTexts(const QAbstractItemView *list, int row, int columns = -1)
{
    const QAbstractItemModel *model = list->model();
    QStringList texts;
    for (int column = 0; column < (columns < 0 ? model->columnCount() : columns); ++column)
        texts << model->index(row, column).data().toString();
    return texts;
}

// Every line of the list, each as its texts joined by the separator.
inline QStringList listLines(const QAbstractItemView *list, int columns = -1, const QString &separator = "|")
{
    QStringList lines;
    for (int row = 0; row < list->model()->rowCount(); ++row)
        lines << lineTexts(list, row, columns).join(separator);
    return lines;
}
