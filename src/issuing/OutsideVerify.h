#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace arc {

// arc8130-verify with --ca: the command line, the files it names read as
// hostile (regular files of bounded size only), the report printed and
// the exit status chosen (AuthorityVerification's). A data source named
// as well is only read to say whether the PDF is the one it keeps; a page
// it did not issue, or one a correction superseded, then exits 1 or 4
// where the signature alone would exit 0.
class OutsideVerify {
public:
    // Null for a command line that is not FILE.pdf --ca PEM [--crl CRL] [SOURCE].
    static std::optional<OutsideVerify> parse(int argc, char **argv);
    int run() const;

    QByteArray pdf, authority, crl; // the names as given, byte for byte
    QString source;                 // empty for none
};

} // namespace arc
