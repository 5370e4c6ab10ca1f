#include "till/ui/pagedbuttongrid.h"

#include <algorithm>

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QVBoxLayout>

#include "platform/ui/wrappingbutton.h"

namespace {
QString indexedName(const char *name, int index)
{
    return QStringLiteral("%1(%2)").arg(QString::fromLatin1(name)).arg(index);
}

QPushButton *makeNavigationButton(const char *name, const QString &caption, QWidget *parent)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(indexedName(name, 0));
    button->setAutoDefault(false);
    button->setFocusPolicy(Qt::NoFocus);
    button->setMinimumSize(140, 56);
    button->hide();
    return button;
}
} // namespace

PagedButtonGrid::PagedButtonGrid(const Names &names, int pages, int rows, int columns, QWidget *parent)
    : QWidget(parent), m_rows(rows), m_columns(columns), m_stack(new QStackedWidget(this))
{
    for (int p = 0; p < pages; ++p) {
        auto *frame = new QFrame(m_stack);
        frame->setObjectName(indexedName(names.frame, p));
        auto *grid = new QGridLayout(frame);
        grid->setContentsMargins(0, 0, 0, 0);
        grid->setSpacing(6);
        for (int i = 0; i < rows * columns; ++i) {
            const int index = p * rows * columns + i;
            auto *button = new WrappingButton(QString(), frame);
            button->setObjectName(indexedName(names.button, index));
            button->setFocusPolicy(Qt::NoFocus);
            // All columns equally wide, whatever the captions: a long name
            // wraps inside its button instead of widening its column.
            button->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Expanding);
            button->setMinimumSize(96, 64);
            // Hidden buttons keep their cell, so that a half-filled page keeps
            // its buttons where the cashier's hand expects them.
            QSizePolicy policy = button->sizePolicy();
            policy.setRetainSizeWhenHidden(true);
            button->setSizePolicy(policy);
            button->hide();
            grid->addWidget(button, i / columns, i % columns);
            connect(button, &QPushButton::clicked, this, [this, index] { emit buttonClicked(index); });
            m_buttons << button;
        }
        m_stack->addWidget(frame);
        m_frames << frame;
    }

    m_back = makeNavigationButton(names.back, QStringLiteral("Zurück"), this);
    m_next = makeNavigationButton(names.next, QStringLiteral("Weiter"), this);
    QSizePolicy keepPlace = m_back->sizePolicy();
    keepPlace.setRetainSizeWhenHidden(true);
    m_back->setSizePolicy(keepPlace);
    m_next->setSizePolicy(keepPlace);
    connect(m_next, &QPushButton::clicked, this, &PagedButtonGrid::nextPage);
    connect(m_back, &QPushButton::clicked, this, &PagedButtonGrid::previousPage);

    m_pageLabel = new QLineEdit(QStringLiteral("0"), this);
    m_pageLabel->setObjectName(QString::fromLatin1(names.pageLabel));
    m_pageLabel->hide();

    auto *navigation = new QHBoxLayout;
    navigation->addWidget(m_back);
    navigation->addStretch();
    navigation->addWidget(m_next);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_stack, 1);
    layout->addLayout(navigation);
}

void PagedButtonGrid::setCaptions(const QStringList &captions, bool offerNextPage)
{
    const int used = std::min(static_cast<int>(captions.size()), static_cast<int>(m_buttons.size()));
    for (int i = 0; i < m_buttons.size(); ++i) {
        // An ampersand in a name is shown as such, not as a shortcut mark.
        if (i < used)
            m_buttons[i]->setText(QString(captions[i]).replace(u'&', QStringLiteral("&&")));
        m_buttons[i]->setVisible(i < used);
    }
    showPage(0);
    m_next->setVisible(offerNextPage);
}

void PagedButtonGrid::nextPage()
{
    if (m_page + 1 >= pageCount())
        return;
    showPage(m_page + 1);
    m_next->setVisible(m_page + 1 < pageCount());
}

void PagedButtonGrid::previousPage()
{
    if (m_page == 0)
        return;
    showPage(m_page - 1);
    m_next->show();
}

void PagedButtonGrid::showPage(int page)
{
    m_page = page;
    m_stack->setCurrentIndex(page);
    m_pageLabel->setText(QString::number(page));
    m_back->setVisible(page > 0);
}
