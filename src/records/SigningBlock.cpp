#include "SigningBlock.h"

namespace arc {

SigningBlock signingBlockFor(const QString &status)
{
    return status == QLatin1String("NEW") || status == QLatin1String("PROTOTYPE") ? SigningBlock::Block13
                                                                                   : SigningBlock::Block14;
}

std::optional<SignInFill> signInFill(const QString &name, const QString &approvalNumber, const QString &firstStatus,
                                     const QString &today)
{
    if (approvalNumber.isEmpty())
        return std::nullopt;
    if (signingBlockFor(firstStatus.toUpper()) == SigningBlock::Block13)
        return SignInFill{SigningBlock::Block13, name, approvalNumber, today};
    // Block 14's certificate number is the organisation's, not the signatory's.
    return SignInFill{SigningBlock::Block14, name, QString(), today};
}

} // namespace arc
