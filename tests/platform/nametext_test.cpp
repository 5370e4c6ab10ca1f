#include <gtest/gtest.h>

#include <QImage>
#include <QLabel>
#include <QLineEdit>

#include "platform/ui/nametext.h"

namespace {
const QString LongName = QStringLiteral("Jürgen Schäfer-Müllenhoff Söhne GbR");

QImage shown(QWidget &control)
{
    return control.grab().toImage();
}

// The start of the name that the plain control, showing it followed by a
// visible "…", shows exactly as the name's control shows the whole name;
// empty when there is none.
template <typename Plain> QString cutAs(QWidget &nameControl, Plain &plain)
{
    const QImage image = shown(nameControl);
    for (qsizetype letters = LongName.size() - 1; letters > 0; --letters) {
        plain.setText(LongName.left(letters));
        const QImage withoutEllipsis = shown(plain);
        plain.setText(LongName.left(letters) + u'…');
        const QImage cut = shown(plain);
        if (cut == image && cut != withoutEllipsis)
            return LongName.left(letters);
    }
    return {};
}
} // namespace

// A name too long for its label or box shows as its start and "…", just as
// that text would show on its own, while the control keeps the whole name;
// a name that fits shows as it is.
TEST(NameText, ALongNameEndsInAnEllipsis)
{
    NameBox box;
    QLineEdit plainBox;
    NameLabel label;
    QLabel plainLabel;
    for (QWidget *control : std::initializer_list<QWidget *>{&box, &plainBox, &label, &plainLabel})
        control->resize(150, 30);
    for (QLineEdit *each : {static_cast<QLineEdit *>(&box), &plainBox})
        each->setReadOnly(true);

    box.setText(LongName);
    box.setCursorPosition(0);
    label.setText(LongName);
    EXPECT_TRUE(box.isCut());
    EXPECT_TRUE(label.isCut());
    EXPECT_EQ(box.text(), LongName);
    EXPECT_EQ(label.text(), LongName);
    EXPECT_GT(cutAs(box, plainBox).size(), 3);
    EXPECT_GT(cutAs(label, plainLabel).size(), 3);
    // However long the name, the label makes do with a few letters.
    EXPECT_LT(label.minimumSizeHint().width(), 100);

    box.setText(QStringLiteral("Jürgen"));
    plainBox.setText(QStringLiteral("Jürgen"));
    label.setText(QStringLiteral("Jürgen"));
    plainLabel.setText(QStringLiteral("Jürgen"));
    EXPECT_FALSE(box.isCut());
    EXPECT_FALSE(label.isCut());
    EXPECT_EQ(shown(box), shown(plainBox));
    EXPECT_EQ(shown(label), shown(plainLabel));
}
