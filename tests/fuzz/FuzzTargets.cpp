#include "FuzzTargets.h"

#include "DeclaredSignature.h"
#include "MdbExport.h"
#include "PdfUpdate.h"
#include "PdfSignature.h"
#include "PdfStructure.h"
#include "ServerUri.h"
#include "ShopAuthority.h"
#include "SignatureReport.h"
#include "SigningKey.h"
#include "WrappedSignature.h"

#include <cstdio>
#include <cstdlib>

namespace fuzz {

namespace {

void require(bool promise, const char *what)
{
    if (!promise) {
        std::fprintf(stderr, "fuzz: broken promise: %s\n", what);
        std::abort();
    }
}

// Made once: keys are the slow part.
const arc::ShopAuthority &authority()
{
    static const arc::ShopAuthority made = std::move(arc::ShopAuthority::create({}, "fuzz").value());
    return made;
}

void pdfSignature(const QByteArray &input)
{
    const arc::DeclaredSignature d = arc::DeclaredSignature::of(input);
    if (d.state == arc::DeclaredSignature::State::Found)
        require(0 < d.gapStart && d.gapStart < d.gapEnd && d.gapEnd <= d.signedEnd && d.signedEnd <= input.size(),
                "a declared signature's ranges lie in the file");
    const arc::SignatureReport report = arc::SignatureReport::of(input, authority().certificate());
    require(!report.intact || d.state == arc::DeclaredSignature::State::Found, "only a declared signature is intact");
    require(!report.intact || report.isSigned, "an intact signature is a signature");
    if (const arc::SigningResult<arc::PdfStructure> s = arc::PdfStructure::read(input); s.ok())
        (void)s->object(s->page());
}

// A page as the program signs it, and what the tests forge of it.
QList<QByteArray> pdfSeeds()
{
    const QByteArray drawing = "BT /F1 10 Tf 40 700 Td (3. Form Tracking Number: 000123) Tj ET";
    const QList<QByteArray> objects = {
        "<< /Type /Catalog /Pages 2 0 R >>", "<< /Type /Pages /Kids [3 0 R] /Count 1 >>",
        "<< /Type /Page /Parent 2 0 R /MediaBox [0 0 612 792] /Contents 4 0 R /Resources << /Font << /F1 5 0 R >> >> >>",
        "<< /Length " + QByteArray::number(drawing.size()) + " >>\nstream\n" + drawing + "\nendstream",
        "<< /Type /Font /Subtype /Type1 /BaseFont /Helvetica >>"};
    QByteArray page = "%PDF-1.4\n";
    QByteArray xref = "xref\n0 6\n0000000000 65535 f \n";
    for (qsizetype i = 0; i < objects.size(); ++i) {
        xref += QByteArray::number(page.size()).rightJustified(10, '0') + " 00000 n \n";
        page += QByteArray::number(i + 1) + " 0 obj\n" + objects[i] + "\nendobj\n";
    }
    const qsizetype start = page.size();
    page += xref + "trailer\n<< /Size 6 /Root 1 0 R >>\nstartxref\n" + QByteArray::number(start) + "\n%%EOF\n";

    const arc::StoredSigningKey stored = arc::SigningKey::make(authority(), {"J. Smith", "ARC-1234"}, "pw").value();
    const arc::SigningKey key = std::move(arc::SigningKey::open(stored, "pw").value());
    const QByteArray signedPage = arc::PdfSignature::sign(page, key, QRectF(36, 200, 180, 40)).value();
    require(arc::SignatureReport::of(signedPage, authority().certificate()).intact, "the seed page is signed");
    const int next = arc::PdfStructure::read(signedPage)->size();
    const QByteArray unrelated = "<< /Producer (another tool) >>";
    return {page,
            signedPage,
            wrappedSignature(signedPage, "BT /F1 10 Tf 40 700 Td (000999) Tj ET"),
            withOverflowingRange(signedPage),
            signedPage + "\n% added later\n",
            withUpdate(signedPage, {{next, unrelated}}, UpdateSection::Stream),
            withUpdate(signedPage, {{next, unrelated}}, UpdateSection::CompressedStream)};
}

void accessRows(const QByteArray &input)
{
    if (const std::optional<arc::MdbTable> t = arc::MdbExport::parse(input))
        require(t->fieldCount() == t->rowCount() * t->columns.size(), "every row has a field per column");
}

void serverUri(const QByteArray &input)
{
    const QString text = QString::fromUtf8(input);
    QString error;
    if (const std::optional<arc::ServerUri> uri = arc::ServerUri::parse(text, &error)) {
        (void)uri->connectOptions();
        (void)uri->display();
    } else {
        require(!error.isEmpty(), "a refusal says why");
    }
    (void)arc::ServerUri::withoutPassword(text);
}

QList<QByteArray> none() { return {}; }

} // namespace

const QList<Target> &targets()
{
    static const QList<Target> all = {
        {"pdf-signature", pdfSignature, pdfSeeds,
         {"/ByteRange [0 ", "/Contents <", "/Type /Sig", "/FT /Sig", "/V ", " 0 R", "/AcroForm ", "/Fields [",
          "<<", ">>", "obj\n", "endobj\n", "xref\n0 1\n", "trailer\n", "startxref\n", "%%EOF\n", "/Prev ",
          "/Root ", "/Size ", "%/ByteRange [0 32226 9223372036854775000 9000]\n", "/Type /XRef", "/W [1 4 2]",
          "/Index [", "/Filter /FlateDecode", "/DecodeParms << /Columns 7 /Predictor 12 >>", "stream\n"}},
        {"access-rows", accessRows, none, {",", "\"", "\"\"", "\n", "\r\n", ",\"", "\",", "\xc3\xa9", "\xff"}},
        {"server-uri", serverUri, none,
         {"postgresql://", "postgres://", "@", ":", "/", "?", "&", "=", "%", "%2", "%40", "[", "]", "[::1]",
          "host=", "port=", "password=", "user=", "dbname=", "sslmode=", "options="}},
    };
    return all;
}

const Target *target(const QByteArray &name)
{
    for (const Target &t : targets())
        if (name == t.name)
            return &t;
    return nullptr;
}

} // namespace fuzz
