#include "platform/printerchoice.h"

#include <QSettings>

namespace printerchoice {

namespace {
// Application "DorERIRE", section "DR_PRT", key "Check".
QString key()
{
    return QStringLiteral("DR_PRT/Check");
}
} // namespace

QString read()
{
    return QSettings(QStringLiteral("DorERIRE"), QStringLiteral("DorERIRE"))
        .value(key(), QStringLiteral("0"))
        .toString();
}

void write(const QString &value)
{
    QSettings settings(QStringLiteral("DorERIRE"), QStringLiteral("DorERIRE"));
    settings.setValue(key(), value);
    settings.sync();
}

} // namespace printerchoice
