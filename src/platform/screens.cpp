#include "platform/screens.h"

#include <QCoreApplication>
#include <QEvent>
#include <QVariant>

Screens &Screens::instance()
{
    static Screens registry;
    return registry;
}

QObject *Screens::find(std::type_index key) const
{
    const auto it = m_entries.find(key);
    return it == m_entries.end() ? nullptr : it->second.form.data();
}

void Screens::store(std::type_index key, QObject *form, std::function<bool()> queryUnload)
{
    m_entries[key] = Entry{form, std::move(queryUnload)};
}

bool Screens::unload(std::type_index key)
{
    const auto it = m_entries.find(key);
    if (it == m_entries.end() || !it->second.form)
        return true;
    if (it->second.queryUnload && !it->second.queryUnload())
        return false;
    QPointer<QObject> form = it->second.form;
    m_entries.erase(it);
    // Hiding ends a modal wait on the screen at once; the object goes when
    // its own handlers have returned.
    form->setProperty("visible", QVariant(false));
    form->deleteLater();
    return true;
}

void Screens::unloadAll()
{
    std::map<std::type_index, Entry> entries;
    entries.swap(m_entries);
    for (auto &[key, entry] : entries)
        delete entry.form.data();
}

bool Screens::unload(QObject *form)
{
    for (const auto &[key, entry] : m_entries)
        if (entry.form == form)
            return unload(key);
    return true;
}

bool Screens::isLoaded(const QObject *form) const
{
    for (const auto &[key, entry] : m_entries)
        if (entry.form == form)
            return true;
    return false;
}
