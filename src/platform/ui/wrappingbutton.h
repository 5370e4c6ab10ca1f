#pragma once

#include <QPushButton>

// A button whose caption is never cut at both ends, as a plain button cuts a
// caption wider than itself: the caption wraps between words onto further
// lines, and only when the lines do not fit into the button is the last one
// cut at its end with "…". A line break in the caption is kept (a product
// button shows its number on a line of its own).
class WrappingButton : public QPushButton
{
    Q_OBJECT

public:
    explicit WrappingButton(const QString &caption, QWidget *parent = nullptr);

    // The caption as shown, without the marks of keyboard shortcuts.
    QString shownText() const;
    // The area inside the frame that the caption may use.
    QRect captionRect() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QStringList elidedLines(const QString &text, const QRect &area) const;
};
