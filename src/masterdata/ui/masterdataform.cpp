#include "masterdata/ui/masterdataform.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "data/datacontrol.h"
#include "data/ui/boundbox.h"
#include "data/ui/datanavigator.h"
#include "platform/ui/dialogs.h"

MasterDataForm::MasterDataForm(const QString &formName, const QString &caption, const QString &heading,
                               const QString &subHeading, KeyColumn key)
    : m_key(std::move(key))
{
    setObjectName(formName);
    setWindowTitle(caption);

    auto *columns = new QHBoxLayout(this);
    m_buttons = new QVBoxLayout;
    m_content = new QVBoxLayout;
    columns->addLayout(m_buttons);
    columns->addLayout(m_content, 1);

    QLabel *title = makeLabel("lblHeading", heading);
    QFont bigger = title->font();
    bigger.setPointSize(bigger.pointSize() + 6);
    bigger.setBold(true);
    title->setFont(bigger);
    m_content->addWidget(title);
    m_content->addWidget(makeLabel("lblSubHeading", subHeading));
}

void MasterDataForm::Form_Load()
{
    control().refresh();
}

QGroupBox *MasterDataForm::makeFrame(const char *name, bool enabled)
{
    m_frame = new QGroupBox(this);
    m_frame->setObjectName(QString::fromLatin1(name));
    m_frame->setEnabled(enabled);
    m_frameLayout = new QFormLayout(m_frame);
    m_content->addWidget(m_frame);
    auto *navigator = new DataNavigator(control(), this);
    navigator->setObjectName(QStringLiteral("navigator"));
    m_content->addWidget(navigator);
    m_content->addStretch();
    return m_frame;
}

QLineEdit *MasterDataForm::addBoundBox(const char *name, const QString &label, const QString &column)
{
    QLineEdit *box = makeTextBox(name, m_frame);
    new BoundBox(box, control(), column);
    m_frameLayout->addRow(makeLabel((QByteArray("lbl") + name).constData(), label, m_frame), box);
    return box;
}

QPushButton *MasterDataForm::addButton(const char *name, const QString &caption)
{
    QPushButton *button = makeButton(name, caption);
    m_buttons->addWidget(button);
    return button;
}

void MasterDataForm::findRow(const QString &prompt, const QString &column)
{
    const QString wanted = dialogs().inputBox(prompt);
    control().refresh();
    control()->find({column, wanted});
}

bool MasterDataForm::saveRow()
{
    QString error;
    if (storeKeyedRow(control().recordset(), m_key, &error))
        return true;
    dialogs().msgBox(error, mb::vbExclamation);
    // With no row current there was nothing to store, and the user knows.
    return !control()->isDirty();
}

void MasterDataForm::enable(std::initializer_list<QWidget *> controls, bool enabled)
{
    for (QWidget *control : controls)
        control->setEnabled(enabled);
}
