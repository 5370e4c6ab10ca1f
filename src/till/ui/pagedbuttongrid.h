#pragma once

#include <QList>
#include <QStringList>
#include <QWidget>

class QFrame;
class QLineEdit;
class QPushButton;
class QStackedWidget;

// A fixed number of pages of touch buttons, one page shown at a time, with
// "Zurück" and "Weiter". The buttons are filled in order from a list of
// captions; the ones left over are hidden. Whoever fills the pages decides
// whether the first page offers "Weiter"; once offered it leads on page by
// page to the last page, whether or not the pages ahead hold buttons, and
// "Zurück" is offered on every page but the first.
//
// The controls carry the object names the till uses, with the index in
// brackets: frames "kategoryfrm(0)" ..., buttons "caButton(0)" ..., the
// paging buttons "catNav(0)" and "catNavBack(0)".
class PagedButtonGrid : public QWidget
{
    Q_OBJECT

public:
    struct Names
    {
        const char *frame;     // "kategoryfrm"
        const char *button;    // "caButton"
        const char *next;      // "catNav"
        const char *back;      // "catNavBack"
        const char *pageLabel; // "ktn_label"
    };

    PagedButtonGrid(const Names &names, int pages, int rows, int columns, QWidget *parent = nullptr);

    // Puts the captions on the first buttons (further captions get no
    // button), hides the others and shows the first page, with "Weiter"
    // when offerNextPage. A caption may hold a line break.
    void setCaptions(const QStringList &captions, bool offerNextPage);

    int pageCount() const { return static_cast<int>(m_frames.size()); }
    int buttonsPerPage() const { return m_rows * m_columns; }

    void nextPage();
    void previousPage();

    const QList<QFrame *> &frames() const { return m_frames; }
    const QList<QPushButton *> &buttons() const { return m_buttons; }
    QPushButton *nextButton() const { return m_next; }
    QPushButton *backButton() const { return m_back; }
    // The number of the page shown, "0" to "3"; kept out of the cashier's sight.
    QLineEdit *pageLabel() const { return m_pageLabel; }

signals:
    void buttonClicked(int index);

private:
    void showPage(int page);

    int m_rows;
    int m_columns;
    int m_page = 0;
    QStackedWidget *m_stack;
    QList<QFrame *> m_frames;
    QList<QPushButton *> m_buttons;
    QPushButton *m_next;
    QPushButton *m_back;
    QLineEdit *m_pageLabel;
};
