#pragma once

#include <QByteArray>
#include <QString>

namespace arc {

class CertificateContent;

// A certificate's data as the XML file its issued PDF carries
// (docs/certificate.xsd): every block of its form by number and name, each
// item line's six columns, the form's name and edition, the approval
// numbers, the signatory, the signer certificate's fingerprint, the content
// hash and, for a correction, the number it corrects.
class CertificateXml {
public:
    static constexpr const char *kFileName = "certificate.xml";
    static constexpr const char *kNamespace = "urn:arc8130:certificate:1";

    struct Signing {
        QString signatory;
        QString signerSha256; // hex SHA-256 of the signer's certificate (DER); empty when not signed
        QString corrects;     // the tracking number a correction corrects; empty otherwise
    };

    // Empty when a value holds a character XML cannot carry (a control
    // character other than tab and line breaks).
    static QByteArray of(const CertificateContent &content, const Signing &signing);
};

} // namespace arc
