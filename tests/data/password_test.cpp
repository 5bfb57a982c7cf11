// Operator passwords: stored hashes, verified case-sensitively; other stored texts never verify.
#include "data/password.h"

#include <gtest/gtest.h>

TEST(Password, HashVerifiesOnlyItsOwnPassword)
{
    const QString stored = hashPassword(QStringLiteral("Abc12"));
    EXPECT_TRUE(verifyPassword(QStringLiteral("Abc12"), stored));
    EXPECT_FALSE(verifyPassword(QStringLiteral("abc12"), stored));  // case counts
    EXPECT_FALSE(verifyPassword(QStringLiteral("Abc12 "), stored));
    EXPECT_FALSE(verifyPassword(QString(), stored));
    EXPECT_NE(hashPassword(QStringLiteral("Abc12")), stored);  // salted

    const QString chinese = hashPassword(QStringLiteral("密码"));
    EXPECT_TRUE(verifyPassword(QStringLiteral("密码"), chinese));
    EXPECT_TRUE(verifyPassword(QString(), hashPassword(QString())));
}

TEST(Password, StoredTextThatIsNoHashNeverVerifies)
{
    const QString cases[] = {QString(), QStringLiteral("Abc12"), QStringLiteral("$argon2id$broken"),
                             QString(200, QLatin1Char('$'))};
    for (const QString& stored : cases) {
        EXPECT_FALSE(verifyPassword(stored, stored)) << qPrintable(stored);
        EXPECT_FALSE(verifyPassword(QString(), stored)) << qPrintable(stored);
    }
}
