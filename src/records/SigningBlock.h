#pragma once

#include <QString>
#include <optional>

namespace arc {

// Block 13 releases new parts, block 14 maintenance work; the status of
// the first item line decides which of the two a certificate is signed in.
enum class SigningBlock { Block13, Block14 };

// Statuses chosen from the list are upper case; the status is compared as
// the caller gives it.
SigningBlock signingBlockFor(const QString &status);
inline bool selectsBlock13(const QString &status) { return signingBlockFor(status) == SigningBlock::Block13; }

// What a sign-in writes into the signing block: the signatory's name and
// the date, in block 13 the approval number too.
struct SignInFill {
    SigningBlock block = SigningBlock::Block13;
    QString name, number, date;
    bool operator==(const SignInFill &) const = default;
};

// The fill for a signatory signing in over a certificate whose first item
// has `firstStatus` (any case). A signatory without an approval number
// fills in nothing, and signs without an electronic signature.
std::optional<SignInFill> signInFill(const QString &name, const QString &approvalNumber, const QString &firstStatus,
                                     const QString &today);

} // namespace arc
