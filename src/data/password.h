// Operator passwords: stored as salted hashes, never as plain text.
#pragma once

#include <QString>

// A salted hash of `plain` (Argon2 through libsodium, interactive limits), as stored in
// jxc_admin.a_pwd. Each call gives a different text for the same password.
QString hashPassword(const QString& plain);

// Whether `plain` is the password whose hash is `stored`. A stored text that is not such a
// hash (empty, a plain-text password of an old database) never verifies.
bool verifyPassword(const QString& plain, const QString& stored);
