#include <functional>

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialogButtonBox>
#include <QInputDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QTranslator>

#include "platform/ui/realdialogs.h"
#include "platform/ui/toolkittranslation.h"

namespace {
// Runs `answer` on the input box once it is open, as a user at the keyboard.
void whenInputBoxOpens(std::function<void(QInputDialog &)> answer)
{
    QTimer::singleShot(0, [answer] {
        auto *box = qobject_cast<QInputDialog *>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        answer(*box);
    });
}

QString cancelCaption(QInputDialog &box)
{
    auto *buttons = box.findChild<QDialogButtonBox *>();
    return buttons ? buttons->button(QDialogButtonBox::Cancel)->text() : QString();
}
} // namespace

TEST(RealDialogs, InputBoxesSpeakGermanAndPasswordsAreStarred)
{
    ASSERT_TRUE(installGermanToolkitTexts(*qApp)) << "qt6-translations-l10n is missing";
    RealDialogs real;

    QString cancel;
    QLineEdit::EchoMode plainEcho = QLineEdit::Password;
    whenInputBoxOpens([&](QInputDialog &box) {
        cancel = cancelCaption(box);
        plainEcho = box.findChild<QLineEdit *>()->echoMode();
        box.findChild<QLineEdit *>()->setText(QStringLiteral("4711"));
        box.reject();
    });
    EXPECT_EQ(real.inputBox(QStringLiteral("Bitte Artikel ID angeben..."), {}), QString());
    EXPECT_EQ(cancel, "Abbrechen");
    EXPECT_EQ(plainEcho, QLineEdit::Normal);

    QString shown;
    whenInputBoxOpens([&](QInputDialog &box) {
        auto *line = box.findChild<QLineEdit *>();
        line->setText(QStringLiteral("Geheim1"));
        shown = line->displayText();
        box.accept();
    });
    EXPECT_EQ(real.passwordBox(QStringLiteral("Bitte Passwort eingeben..."), {}), "Geheim1");
    EXPECT_EQ(shown, QString(7, u'*'));

    for (QTranslator *translator : qApp->findChildren<QTranslator *>())
        QCoreApplication::removeTranslator(translator);
}
