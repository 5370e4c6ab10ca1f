#pragma once

#include <QLabel>
#include <QLineEdit>

// Names (of the shop, the cashier, a customer) are shown whole or visibly
// cut, and never make the window that shows them wider: a name longer than
// its place ends in "…" and shows whole as the tool tip. Its text stays the
// whole name.

// A label for a name: it wants the width of the whole name but makes do
// with a few letters.
class NameLabel : public QLabel
{
    Q_OBJECT

public:
    explicit NameLabel(QWidget *parent = nullptr);

    // Whether the name needs more room than the label has.
    bool isCut() const;

    QSize minimumSizeHint() const override;

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    QRect textArea() const;
};

// A box that shows a name it is not typed into (the cashier of a payment,
// the customer of a sale), cut as a label's while the box does not have the
// focus.
class NameBox : public QLineEdit
{
    Q_OBJECT

public:
    explicit NameBox(QWidget *parent = nullptr);

    bool isCut() const;

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    QRect textArea() const;
};
