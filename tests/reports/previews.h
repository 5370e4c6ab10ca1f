#pragma once

#include <QApplication>
#include <QStringList>
#include <QWidget>

#include "platform/reportpages.h"
#include "platform/ui/reportpreview.h"

// The print previews the screens leave open, found by the layout's name.
namespace previews {

// What the open previews of a layout print, all pages; empty when none is open.
inline QStringList lines(const QString &layoutName)
{
    QStringList printed;
    for (QWidget *window : QApplication::topLevelWidgets())
        if (auto *preview = qobject_cast<ReportPreview *>(window);
            preview && preview->isVisible() && preview->objectName() == layoutName)
            for (const report::Page &page : preview->pages())
                printed << report::textLines(page);
    return printed;
}

inline void closeAll()
{
    for (QWidget *window : QApplication::topLevelWidgets())
        if (qobject_cast<ReportPreview *>(window))
            window->close();
}

} // namespace previews
