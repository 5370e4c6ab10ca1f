#include "app/frmabout.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include "platform/screens.h"

namespace {
QFrame *makeLine(const char *name, QWidget *parent)
{
    auto *line = new QFrame(parent);
    line->setObjectName(QString::fromLatin1(name));
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}
} // namespace

FrmAbout::FrmAbout()
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("Über"));

    Frame1 = new QFrame(this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setFrameShape(QFrame::StyledPanel);
    Picture1 = makeLabel("Picture1", QString(), Frame1);
    Picture1->setPixmap(style()->standardIcon(QStyle::SP_ComputerIcon).pixmap(64, 64));
    Line1 = makeLine("Line1", Frame1);
    Label1 = makeLabel("Label1", QStringLiteral("TalVEX - LT DeZE v1.0"), Frame1);
    Line2 = makeLine("Line2", Frame1);
    abClose = makeButton("abClose", QStringLiteral("OK"));

    auto *frameLayout = new QVBoxLayout(Frame1);
    frameLayout->addWidget(Picture1, 0, Qt::AlignHCenter);
    frameLayout->addWidget(Line1);
    frameLayout->addWidget(Label1, 0, Qt::AlignHCenter);
    frameLayout->addWidget(Line2);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(abClose);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(Frame1);
    layout->addLayout(buttons);

    connect(abClose, &QPushButton::clicked, this, &FrmAbout::abClose_Click);
}

void FrmAbout::abClose_Click()
{
    screens().unload<FrmAbout>();
}

FrmAbout &frmAbout()
{
    return screens().get<FrmAbout>();
}
