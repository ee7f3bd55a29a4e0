#include "SigningError.h"

#include <openssl/err.h>

namespace arc {

SigningError openSslFailure(const QString &what)
{
    char reason[256] = {};
    const unsigned long code = ERR_peek_last_error();
    if (code != 0)
        ERR_error_string_n(code, reason, sizeof reason);
    ERR_clear_error();
    return {SigningFault::Failed,
            code != 0 ? QStringLiteral("%1 (%2)").arg(what, QString::fromUtf8(reason)) : what};
}

} // namespace arc
