#include "platform/ui/form.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "platform/screens.h"
#include "platform/ui/nametext.h"
#include "platform/ui/wrappingbutton.h"

namespace {
// Tests and the printed layouts find a control by the name the form gives it.
template <class Control> Control *named(Control *control, const char *name)
{
    control->setObjectName(QString::fromLatin1(name));
    return control;
}

// Moves a text box back to the start of its text when the focus leaves it:
// a name picked from a box's list, or put in while the box had the focus,
// would otherwise go on showing its last letters. The text box of a list box
// takes the focus through the list box, so that is watched too.
class StartOfTextOnLeaving : public QObject
{
public:
    explicit StartOfTextOnLeaving(QLineEdit *box) : QObject(box), m_box(box)
    {
        box->installEventFilter(this);
        if (QWidget *proxy = box->focusProxy())
            proxy->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::FocusOut && !m_box->isModified())
            m_box->setCursorPosition(0);
        return false;
    }

private:
    QLineEdit *m_box;
};
} // namespace

Form::Form(QWidget *parent) : QDialog(parent) {}

void Form::reject()
{
    if (screens().isLoaded(this))
        screens().unload(this);
    else
        QDialog::reject();
}

void Form::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) {
        event->ignore();
        return;
    }
    QDialog::keyPressEvent(event);
}

void Form::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    static const char *const Watched = "showsStartOfText";
    for (QLineEdit *box : findChildren<QLineEdit *>()) {
        // What the user types stays where the cursor is (it marks the box
        // modified); a text the program puts in is shown from its start.
        const auto showStart = [box] {
            if (!box->hasFocus() && !box->isModified())
                box->setCursorPosition(0);
        };
        if (!box->property(Watched).toBool()) {
            box->setProperty(Watched, true);
            connect(box, &QLineEdit::textChanged, box, showStart);
            new StartOfTextOnLeaving(box);
        }
        showStart();
    }
}

QPushButton *Form::makeButton(const char *name, const QString &caption, QWidget *parent)
{
    return named(new WrappingButton(caption, parent ? parent : this), name);
}

QLineEdit *Form::makeTextBox(const char *name, QWidget *parent)
{
    return named(new QLineEdit(parent ? parent : this), name);
}

QLabel *Form::makeLabel(const char *name, const QString &caption, QWidget *parent)
{
    return named(new QLabel(caption, parent ? parent : this), name);
}

QLabel *Form::makeNameLabel(const char *name, QWidget *parent)
{
    return named(new NameLabel(parent ? parent : this), name);
}

QLineEdit *Form::makeNameBox(const char *name, QWidget *parent)
{
    return named(new NameBox(parent ? parent : this), name);
}

void Form::placeTwips(QWidget *control, int left, int top, int width, int height)
{
    constexpr int TwipsPerPixel = 15;
    control->setGeometry(left / TwipsPerPixel, top / TwipsPerPixel, width / TwipsPerPixel, height / TwipsPerPixel);
}
