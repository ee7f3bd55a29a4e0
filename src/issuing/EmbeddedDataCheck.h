#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QString>

namespace arc {

// The certificate data a signed PDF carries, checked without any data
// source: the signature intact with nothing added after it, one embedded
// file only, certificate.xml, inside the signed bytes, its content hash
// that of the values it holds, and the signing certificate it names the one
// that signed.
struct EmbeddedDataCheck {
    enum class Outcome {
        Sound,
        NotSigned,           // no signature at all
        ChangedAfterSigning, // the signature is broken or bytes were added after it
        NoData,              // no certificate.xml
        OtherFiles,          // another file beside it (an attachment anywhere), or in its place
        NotCovered,          // it lies outside the signed bytes
        Unreadable,          // the embedded files or the XML cannot be read
        HashMismatch,        // its values are not those its content hash stands for
        OtherSigner,         // it names another signing certificate than the one that signed
    };
    Outcome outcome = Outcome::Unreadable;
    QString detail;   // what is wrong, for the user
    QByteArray xml;   // as embedded, when it could be read
    QJsonObject json; // the same data, when sound

    bool sound() const { return outcome == Outcome::Sound; }

    static EmbeddedDataCheck of(const QByteArray &pdf);
};

} // namespace arc
