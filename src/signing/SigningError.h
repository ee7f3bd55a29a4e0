#pragma once

#include <QString>
#include <optional>
#include <utility>

namespace arc {

// Why a key, certificate or signature could not be made, opened or read.
enum class SigningFault {
    None,
    EmptyPassword,  // a key is never kept under an empty password
    WrongPassword,  // the passphrase or password does not open the key or file
    NotPkcs12,      // the file brought in is not a PKCS#12 file
    NoKeyInFile,    // the PKCS#12 file holds no key with a certificate for it
    Expired,        // the certificate's validity has ended
    NotYetValid,    // the certificate's validity has not begun
    Damaged,        // stored key or certificate bytes cannot be read
    UnsupportedPdf, // the PDF is not laid out as this program writes them
    Unsuitable,     // the key or certificate is of a kind that may not sign
    NotTheSignatory, // the certificate names someone else
    Failed,         // OpenSSL refused an operation; the detail says which
    NoTimeStamp,    // the time-stamp service gave no token that checks
    // Keys on tokens (smart cards, USB keys).
    ModuleUnusable, // the file is no PKCS#11 module
    TokenMissing,   // the token is not inserted, or was removed
    WrongPin,       // the token refused the PIN
    PinLocked,      // the token is locked after wrong PINs
    Cancelled,      // the signatory did not give the PIN
};

struct SigningError {
    SigningFault fault = SigningFault::None;
    QString message; // for the user, in plain words
};

// A value, or why there is none.
template <typename T> class SigningResult {
public:
    SigningResult(T value) : m_value(std::move(value)) {}
    SigningResult(SigningError error) : m_error(std::move(error)) {}

    bool ok() const { return m_value.has_value(); }
    SigningFault fault() const { return m_error.fault; }
    const SigningError &error() const { return m_error; }
    T &value() { return *m_value; }
    const T &value() const { return *m_value; }
    T *operator->() { return &*m_value; }
    const T *operator->() const { return &*m_value; }

private:
    std::optional<T> m_value;
    SigningError m_error;
};

// OpenSSL's reason for the last failure, for a Failed error's message.
SigningError openSslFailure(const QString &what);

} // namespace arc
