#include "data/passwords.h"

#include <sodium.h>

namespace passwords {

namespace {
bool g_fast = false;

bool ready()
{
    static const bool initialised = sodium_init() >= 0;
    return initialised;
}

unsigned long long opsLimit()
{
    return g_fast ? crypto_pwhash_OPSLIMIT_MIN : crypto_pwhash_OPSLIMIT_INTERACTIVE;
}
size_t memLimit()
{
    return g_fast ? crypto_pwhash_MEMLIMIT_MIN : crypto_pwhash_MEMLIMIT_INTERACTIVE;
}
} // namespace

QString hash(const QString &password)
{
    if (!ready())
        return {};
    const QByteArray utf8 = password.toUtf8();
    char out[crypto_pwhash_STRBYTES];
    if (crypto_pwhash_str(out, utf8.constData(), static_cast<unsigned long long>(utf8.size()), opsLimit(),
                          memLimit()) != 0)
        return {};
    return QString::fromLatin1(out);
}

bool verify(const QString &storedHash, const QString &typed)
{
    if (!ready() || storedHash.isEmpty())
        return false;
    const QByteArray stored = storedHash.toLatin1();
    const QByteArray utf8 = typed.toUtf8();
    return crypto_pwhash_str_verify(stored.constData(), utf8.constData(),
                                    static_cast<unsigned long long>(utf8.size())) == 0;
}

void useFastHashingForTests()
{
    g_fast = true;
}

} // namespace passwords
