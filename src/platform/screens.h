#pragma once

#include <functional>
#include <map>
#include <typeindex>

#include <QPointer>
#include <QObject>

// Each screen of the program exists at most once per run. The first time any
// code asks for a screen, it is created and loaded (its Form_Load runs) without
// being shown; later requests get the same screen until it is unloaded.
// Showing it is the caller's business (see Dialogs).
//
// A screen class T needs a default constructor, Form_Load() and
// Form_QueryUnload() (false refuses the unload); every form has them through
// the Form base class.
class Screens
{
public:
    static Screens &instance();

    template <class T> T &get()
    {
        const std::type_index key(typeid(T));
        if (QObject *existing = find(key))
            return *static_cast<T *>(existing);
        T *form = new T();
        // Registered before loading, so that code run by Form_Load that asks
        // for the same screen gets this one.
        store(key, form, [form] { return form->Form_QueryUnload(); });
        form->Form_Load();
        return *form;
    }

    template <class T> bool isLoaded() const { return find(std::type_index(typeid(T))) != nullptr; }

    // Discards the screen and its controls if it agrees; the next request
    // creates and loads it afresh. Safe to call from the screen's own event
    // handlers: the object itself is deleted once control returns to the
    // event loop.
    template <class T> bool unload() { return unload(std::type_index(typeid(T))); }

    // The same for a screen known only by its object (its close box).
    bool unload(QObject *form);
    bool isLoaded(const QObject *form) const;

    // Discards every screen without asking (end of the program, tests).
    void unloadAll();

private:
    struct Entry
    {
        QPointer<QObject> form;
        std::function<bool()> queryUnload;
    };

    QObject *find(std::type_index key) const;
    void store(std::type_index key, QObject *form, std::function<bool()> queryUnload);
    bool unload(std::type_index key);

    std::map<std::type_index, Entry> m_entries;
};

inline Screens &screens()
{
    return Screens::instance();
}
