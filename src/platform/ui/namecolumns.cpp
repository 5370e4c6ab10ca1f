#include "platform/ui/namecolumns.h"

#include <algorithm>
#include <numeric>

#include <QEvent>
#include <QHeaderView>
#include <QHelpEvent>
#include <QToolTip>
#include <QTreeView>

namespace {
class NameColumnFitter : public QObject
{
public:
    NameColumnFitter(QTreeView *list, const QList<int> &nameColumns)
        : QObject(list), m_list(list), m_nameColumns(nameColumns)
    {
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
        QList<int> wanted;
        int totalWanted = 0;
        for (int column : m_nameColumns) {
            wanted << std::max(1, widestEntry(column));
            totalWanted += wanted.last();
        }
        // Shares in proportion to the longest names, each at least as wide
        // as its column's head; what that costs is taken from the others.
        QList<int> widths;
        int given = 0;
        for (qsizetype i = 0; i < m_nameColumns.size(); ++i) {
            const bool last = i + 1 == m_nameColumns.size();
            const int share = last ? left - given : static_cast<int>(qint64(left) * wanted[i] / totalWanted);
            given += share;
            widths << std::max(share, header->sectionSizeHint(m_nameColumns[i]));
        }
        int excess = std::accumulate(widths.begin(), widths.end(), 0) - left;
        for (qsizetype i = widths.size() - 1; i >= 0 && excess > 0; --i) {
            const int spare = std::min(excess, widths[i] - header->sectionSizeHint(m_nameColumns[i]));
            widths[i] -= std::max(0, spare);
            excess -= std::max(0, spare);
        }
        for (qsizetype i = 0; i < m_nameColumns.size(); ++i)
            header->resizeSection(m_nameColumns[i], widths[i]);
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
        if (index.isValid() && !index.data(Qt::ToolTipRole).isValid() &&
            metrics.horizontalAdvance(text) + margin > cell.width()) {
            QToolTip::showText(help->globalPos(), text, m_list->viewport(), cell);
            return true;
        }
        return false;
    }

    QTreeView *m_list;
    QList<int> m_nameColumns;
    bool m_fitPending = false;
};
} // namespace

void fitNameColumns(QTreeView *list, const QList<int> &nameColumns)
{
    new NameColumnFitter(list, nameColumns);
}
