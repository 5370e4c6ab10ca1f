#include "platform/ui/namecolumns.h"

#include <algorithm>
#include <numeric>

#include <QEvent>
#include <QHeaderView>
#include <QHelpEvent>
#include <QStyledItemDelegate>
#include <QToolTip>
#include <QTreeView>

namespace {
constexpr int MostLinesOfAName = 2;

// Rows as tall as their names need once wrapped to their columns' widths,
// up to the most lines a name may take; the list's own painting wraps them
// between words and cuts the last line with "…".
class WrappedNameRows : public QStyledItemDelegate
{
public:
    WrappedNameRows(QTreeView *list, const QList<int> &nameColumns)
        : QStyledItemDelegate(list), m_list(list), m_nameColumns(nameColumns)
    {
    }

    // As wide as the name on one line, which is what the column would
    // like; as tall as the lines it takes in the column as it is.
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        QStyleOptionViewItem oneLine = option;
        oneLine.rect = QRect();
        QSize size = QStyledItemDelegate::sizeHint(oneLine, index);
        if (!m_nameColumns.contains(index.column()))
            return size;
        QStyleOptionViewItem inColumn = option;
        inColumn.rect = QRect(0, 0, m_list->header()->sectionSize(index.column()), size.height());
        inColumn.features |= QStyleOptionViewItem::WrapText;
        const int wrapped = QStyledItemDelegate::sizeHint(inColumn, index).height();
        QStyleOptionViewItem styled = option;
        initStyleOption(&styled, index);
        const int most = size.height() + (MostLinesOfAName - 1) * styled.fontMetrics.lineSpacing();
        size.setHeight(std::min(wrapped, most));
        return size;
    }

private:
    QTreeView *m_list;
    QList<int> m_nameColumns;
};

class NameColumnFitter : public QObject
{
public:
    NameColumnFitter(QTreeView *list, const QList<int> &nameColumns, NameFit fit)
        : QObject(list), m_list(list), m_nameColumns(nameColumns), m_fit(fit)
    {
        if (m_fit == NameFit::FirstWholeOnTwoLines) {
            m_list->setWordWrap(true);
            m_list->setUniformRowHeights(false);
            m_list->setItemDelegate(new WrappedNameRows(m_list, m_nameColumns));
        }
        m_list->header()->setStretchLastSection(false);
        m_list->header()->setSectionResizeMode(QHeaderView::Interactive);
        m_list->viewport()->installEventFilter(this);
        QAbstractItemModel *model = m_list->model();
        for (auto signal : {&QAbstractItemModel::rowsInserted, &QAbstractItemModel::rowsRemoved})
            connect(model, signal, this, &NameColumnFitter::fitSoon);
        connect(model, &QAbstractItemModel::modelReset, this, &NameColumnFitter::fitSoon);
        connect(model, &QAbstractItemModel::dataChanged, this, &NameColumnFitter::fitSoon);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Resize)
            fitSoon();
        else if (event->type() == QEvent::ToolTip)
            return showCutText(static_cast<QHelpEvent *>(event));
        return QObject::eventFilter(watched, event);
    }

private:
    // Lines often arrive many at a time: the widths are worked out once
    // they are all in.
    void fitSoon()
    {
        if (m_fitPending)
            return;
        m_fitPending = true;
        QMetaObject::invokeMethod(this, &NameColumnFitter::fit, Qt::QueuedConnection);
    }

    int widestEntry(int column) const
    {
        // Asked through the base class, where the call is public.
        const QAbstractItemView *view = m_list;
        return std::max(view->sizeHintForColumn(column), m_list->header()->sectionSizeHint(column));
    }

    void fit()
    {
        m_fitPending = false;
        QHeaderView *header = m_list->header();
        int left = m_list->viewport()->width();
        for (int column = 0; column < header->count(); ++column) {
            if (m_nameColumns.contains(column) || header->isSectionHidden(column))
                continue;
            const int width = widestEntry(column);
            header->resizeSection(column, width);
            left -= width;
        }
        QList<int> widths;
        if (m_fit == NameFit::FirstWholeOnTwoLines && !m_nameColumns.isEmpty()) {
            const QList<int> rest = m_nameColumns.mid(1);
            int restHeads = 0;
            for (int column : rest)
                restHeads += header->sectionSizeHint(column);
            const int firstHead = header->sectionSizeHint(m_nameColumns.first());
            const int first = std::max(firstHead, std::min(widestEntry(m_nameColumns.first()), left - restHeads));
            widths << first << share(rest, left - first);
        } else {
            widths = share(m_nameColumns, left);
        }
        for (qsizetype i = 0; i < m_nameColumns.size(); ++i)
            header->resizeSection(m_nameColumns[i], widths[i]);
        // The rows' heights follow the lines their names now take.
        if (m_fit == NameFit::FirstWholeOnTwoLines)
            m_list->doItemsLayout();
    }

    // Shares the room among the columns in proportion to their longest
    // names, each at least as wide as its column's head; what that costs
    // is taken from the others.
    QList<int> share(const QList<int> &columns, int room) const
    {
        const QHeaderView *header = m_list->header();
        QList<int> wanted;
        int totalWanted = 0;
        for (int column : columns) {
            wanted << std::max(1, widestEntry(column));
            totalWanted += wanted.last();
        }
        QList<int> widths;
        int given = 0;
        for (qsizetype i = 0; i < columns.size(); ++i) {
            const bool last = i + 1 == columns.size();
            const int share = last ? room - given : static_cast<int>(qint64(room) * wanted[i] / totalWanted);
            given += share;
            widths << std::max(share, header->sectionSizeHint(columns[i]));
        }
        int excess = std::accumulate(widths.begin(), widths.end(), 0) - room;
        for (qsizetype i = widths.size() - 1; i >= 0 && excess > 0; --i) {
            const int spare = std::min(excess, widths[i] - header->sectionSizeHint(columns[i]));
            widths[i] -= std::max(0, spare);
            excess -= std::max(0, spare);
        }
        return widths;
    }

    bool showCutText(QHelpEvent *help)
    {
        const QModelIndex index = m_list->indexAt(help->pos());
        const QString text = index.data(Qt::DisplayRole).toString();
        const QRect cell = m_list->visualRect(index);
        const QVariant font = index.data(Qt::FontRole);
        const QFontMetrics metrics(font.isValid() ? font.value<QFont>() : m_list->font());
        // The item's own margin on either side of its text.
        const int margin = 2 * (m_list->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, m_list) + 1);
        const QRect textArea(0, 0, cell.width() - margin, cell.height());
        const QSize needed = m_list->wordWrap() ? metrics.boundingRect(textArea, Qt::TextWordWrap, text).size()
                                                : QSize(metrics.horizontalAdvance(text), 0);
        if (index.isValid() && !index.data(Qt::ToolTipRole).isValid() &&
            (needed.width() > textArea.width() || needed.height() > textArea.height())) {
            QToolTip::showText(help->globalPos(), text, m_list->viewport(), cell);
            return true;
        }
        return false;
    }

    QTreeView *m_list;
    QList<int> m_nameColumns;
    NameFit m_fit;
    bool m_fitPending = false;
};
} // namespace

void fitNameColumns(QTreeView *list, const QList<int> &nameColumns, NameFit fit)
{
    new NameColumnFitter(list, nameColumns, fit);
}
