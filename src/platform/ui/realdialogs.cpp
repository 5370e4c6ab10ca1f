#include "platform/ui/realdialogs.h"

#include <vector>

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFileDialog>
#include <QFileIconProvider>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QStandardPaths>

namespace {
std::unique_ptr<Dialogs> &installed()
{
    static std::unique_ptr<Dialogs> current = std::make_unique<RealDialogs>();
    return current;
}

QMessageBox::Icon iconOf(int buttons)
{
    switch (buttons & 0x70) {
    case mb::vbCritical:
        return QMessageBox::Critical;
    case mb::vbQuestion:
        return QMessageBox::Question;
    case mb::vbExclamation:
        return QMessageBox::Warning;
    case mb::vbInformation:
        return QMessageBox::Information;
    default:
        return QMessageBox::NoIcon;
    }
}
} // namespace

Dialogs &dialogs()
{
    return *installed();
}
void setDialogs(std::unique_ptr<Dialogs> replacement)
{
    installed() = std::move(replacement);
}

int RealDialogs::msgBox(const QString &text, int buttons, const QString &title)
{
    QMessageBox box(iconOf(buttons), title.isEmpty() ? AppTitle : title, text);
    struct Choice
    {
        QMessageBox::StandardButton button;
        const char *caption;
        int answer;
    };
    std::vector<Choice> choices;
    switch (buttons & 0x7) {
    case mb::vbOKCancel:
        choices = {{QMessageBox::Ok, "OK", mb::vbOK}, {QMessageBox::Cancel, "Abbrechen", mb::vbCancel}};
        break;
    case mb::vbYesNoCancel:
        choices = {{QMessageBox::Yes, "Ja", mb::vbYes},
                   {QMessageBox::No, "Nein", mb::vbNo},
                   {QMessageBox::Cancel, "Abbrechen", mb::vbCancel}};
        break;
    case mb::vbYesNo:
        choices = {{QMessageBox::Yes, "Ja", mb::vbYes}, {QMessageBox::No, "Nein", mb::vbNo}};
        break;
    default:
        choices = {{QMessageBox::Ok, "OK", mb::vbOK}};
    }
    for (const Choice &choice : choices)
        box.addButton(choice.button)->setText(QString::fromUtf8(choice.caption));
    const auto pressed = static_cast<QMessageBox::StandardButton>(box.exec());
    for (const Choice &choice : choices)
        if (choice.button == pressed)
            return choice.answer;
    return (buttons & 0x7) == mb::vbOKOnly ? mb::vbOK : mb::vbCancel;
}

namespace {
QString askText(const QString &prompt, const QString &title, QLineEdit::EchoMode echo)
{
    QInputDialog box(QApplication::activeWindow());
    box.setWindowTitle(title.isEmpty() ? AppTitle : title);
    box.setLabelText(prompt);
    box.setTextEchoMode(echo);
    // A star for every character, as in the login, whatever the style's own
    // mask character is.
    box.setStyleSheet(QStringLiteral("QLineEdit { lineedit-password-character: 42 }"));
    return box.exec() == QDialog::Accepted ? box.textValue() : QString();
}
} // namespace

QString RealDialogs::inputBox(const QString &prompt, const QString &title)
{
    return askText(prompt, title, QLineEdit::Normal);
}

QString RealDialogs::passwordBox(const QString &prompt, const QString &title)
{
    return askText(prompt, title, QLineEdit::Password);
}

namespace {
// Tells folders from files by the directory listing alone. The toolkit's own
// provider reads a file's first bytes to find its type and icon, and a
// close() of a database file in this process drops the locks SQLite holds on
// it: another program would then take the running till's log for its own and
// delete it.
class ListingOnlyIconProvider : public QFileIconProvider
{
public:
    using QFileIconProvider::icon;
    QIcon icon(const QFileInfo &info) const override { return icon(info.isDir() ? Folder : File); }
    QString type(const QFileInfo &info) const override
    {
        return info.isDir() ? QStringLiteral("Ordner") : QStringLiteral("Datei");
    }
};

// The folder a folder dialog starts in: never the working folder, where the
// database lives.
QString startFolder()
{
    const QDir working = QDir::current();
    for (const QString &candidate :
         {QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation), QDir::homePath()}) {
        if (!candidate.isEmpty() && QDir(candidate).exists() && QDir(candidate) != working)
            return candidate;
    }
    QDir parent = working;
    return parent.cdUp() ? parent.path() : QDir::rootPath();
}
} // namespace

QString RealDialogs::chooseFolder(const QString &title)
{
    // The toolkit's own dialog, not the desktop's: only that one can be told
    // to show folders only and to read no file.
    QFileDialog dialog(QApplication::activeWindow(), title, startFolder());
    ListingOnlyIconProvider icons;
    dialog.setIconProvider(&icons);
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOptions(QFileDialog::ShowDirsOnly | QFileDialog::DontUseNativeDialog |
                      QFileDialog::DontUseCustomDirectoryIcons);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().front();
}

int RealDialogs::showModal(QDialog *window)
{
    return window->exec();
}

void RealDialogs::showModeless(QWidget *window)
{
    window->show();
    window->raise();
    window->activateWindow();
}

void RealDialogs::endProgram()
{
    // exit() leaves every running event loop, the modal ones included.
    QCoreApplication::exit(0);
}
