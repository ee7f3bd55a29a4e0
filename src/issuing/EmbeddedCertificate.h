#pragma once

#include "Database.h"
#include "SigningError.h"

#include <QByteArray>
#include <QString>

namespace arc {

class CertificateContent;
class SigningKey;

// The certificate's data put into its page before the page is signed, as
// the file certificate.xml, so that the signature covers it.
namespace EmbeddedCertificate {

// `pdf` with the data of `content` embedded: the signatory, the
// fingerprint of `key`'s certificate and, for a correction, the number it
// corrects (read from `certificates`).
SigningResult<QByteArray> embed(Database &certificates, const QByteArray &pdf, const CertificateContent &content,
                                const QString &signatory, const SigningKey &key);

// The tracking number of the certificate `formIndex` corrects: as stored,
// or as its issue was logged when it is no longer stored; empty when it
// corrects none.
QString correctedNumber(Database &certificates, qint64 formIndex, DbStatus *status = nullptr);

} // namespace EmbeddedCertificate

} // namespace arc
