#include "data/password.h"

#include "data/database.h"

#include <sodium.h>

namespace {

void initSodium()
{
    static const bool ready = sodium_init() >= 0;
    if (!ready)
        throw DbError(QStringLiteral("无法初始化密码库"));
}

}  // namespace

QString hashPassword(const QString& plain)
{
    initSodium();
    const QByteArray utf8 = plain.toUtf8();
    char out[crypto_pwhash_STRBYTES];
    if (crypto_pwhash_str(out, utf8.constData(), quint64(utf8.size()), crypto_pwhash_OPSLIMIT_INTERACTIVE,
                          crypto_pwhash_MEMLIMIT_INTERACTIVE) != 0)
        throw DbError(QStringLiteral("内存不足，无法计算密码"));
    return QString::fromLatin1(out);
}

bool verifyPassword(const QString& plain, const QString& stored)
{
    const QByteArray hash = stored.toLatin1();
    if (hash.isEmpty() || hash.size() >= crypto_pwhash_STRBYTES || !stored.startsWith(QLatin1String("$argon2")))
        return false;
    initSodium();
    const QByteArray utf8 = plain.toUtf8();
    return crypto_pwhash_str_verify(hash.constData(), utf8.constData(), quint64(utf8.size())) == 0;
}
