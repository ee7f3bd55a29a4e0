#include "DeclaredSignature.h"
#include "OpenSslPointers.h"
#include "PdfSignature.h"
#include "PdfStructure.h"
#include "SignatureReport.h"
#include "SigningFixture.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <functional>
#include <set>

using namespace arc;
using namespace signing;

namespace {

const QRectF box(300, 100, 200, 40);

// The page's annotation array, whether in the page or an object of its own.
QByteArray annotations(const PdfStructure &s)
{
    const QByteArray page = s.object(s.page());
    const PdfRef ref = PdfStructure::refValue(page, "/Annots");
    if (ref.isValid())
        return s.object(ref);
    const qsizetype at = PdfStructure::valueOf(page, "/Annots");
    return at < 0 ? QByteArray() : page.mid(at, PdfStructure::closing(page, page.indexOf('[', at)) - at);
}

// Each page layout the signature must be added to.
TEST(PdfSignatureTest, ASignedPageIsValidAndNamesItsSigner)
{
    const std::pair<const char *, std::function<QByteArray()>> layouts[] = {
        {"written by Qt", qtPage},
        {"page without annotations", blankPage},
        {"annotations in the page",
         [] {
             return pdfOf({"<< /Type /Catalog /Pages 2 0 R >>", kPages,
                           "<< /Type /Page /Parent 2 0 R /MediaBox [0 0 612 792] /Contents 4 0 R "
                           "/Annots [5 0 R] /Resources << /Font << >> >> >>",
                           kEmptyContent, "<< /Type /Annot /Subtype /Text /Rect [10 10 20 20] >>"});
         }},
        {"updated once before",
         [] {
             const QByteArray first = pdfOf({"<< /Type /Catalog /Pages 2 0 R >>", kPages,
                                             "<< /Type /Page /Parent 2 0 R /Contents 4 0 R >>", kEmptyContent});
             return updated(first, 3, "<< /Type /Page /Parent 2 0 R /MediaBox [0 0 612 792] /Contents 4 0 R >>");
         }},
    };
    const SigningResult<ShopAuthority> stranger = ShopAuthority::create({}, QStringLiteral("other"));
    bool withoutPdfsig = false;
    for (const auto &[name, pdf] : layouts) {
        SCOPED_TRACE(name);
        const QByteArray original = pdf();
        const SigningResult<QByteArray> signing = PdfSignature::sign(original, signingKey(), box);
        ASSERT_TRUE(signing.ok()) << signing.error().message.toStdString();
        const QByteArray &signedPdf = signing.value();
        EXPECT_TRUE(signedPdf.startsWith(original)); // an incremental update, nothing rewritten
        // Readers following the new cross-reference section still find every object.
        const SigningResult<PdfStructure> before = PdfStructure::read(original), after = PdfStructure::read(signedPdf);
        ASSERT_TRUE(after.ok()) << after.error().message.toStdString();
        EXPECT_EQ(after->page().number, before->page().number);
        for (int n = 1; n < before->size(); ++n)
            EXPECT_FALSE(after->object({n, 0}).isEmpty()) << "object " << n;
        // The page keeps its annotations and gains the signature's widget.
        EXPECT_EQ(annotations(after.value()).count(" R"), annotations(before.value()).count(" R") + 1);

        const SignatureReport report = SignatureReport::of(signedPdf, authority().certificate());
        EXPECT_TRUE(report.isSigned && !report.addedAfterSigning && report.fromAuthority);
        EXPECT_TRUE(report.intact) << report.problem.toStdString();
        EXPECT_EQ(report.signer, "J. Smith");
        EXPECT_EQ(report.issuer, ShopAuthority::defaultName());
        EXPECT_FALSE(SignatureReport::of(signedPdf, stranger->certificate()).fromAuthority);

        const std::optional<QString> verdict = pdfsig(signedPdf);
        withoutPdfsig = withoutPdfsig || !verdict;
        for (const char *said : {"Signature is Valid", "ETSI.CAdES.detached", "J. Smith"})
            EXPECT_TRUE(!verdict || verdict->contains(said)) << said << " in\n" << verdict->toStdString();
    }
    if (withoutPdfsig)
        GTEST_SKIP() << "pdfsig is missing (./dev.sh installs poppler-utils)";
}

TEST(PdfSignatureTest, RefusesWhatItCannotSignWithoutChangingIt)
{
    const QByteArray xrefStream = "%PDF-1.5\n1 0 obj\n<< /Type /XRef /Size 2 /Root 1 0 R >>\nstream\n\nendstream\n"
                                  "endobj\nstartxref\n9\n%%EOF\n";
    EXPECT_EQ(PdfSignature::sign(xrefStream, signingKey(), box).fault(), SigningFault::UnsupportedPdf);
    EXPECT_EQ(PdfSignature::sign("not a pdf", signingKey(), box).fault(), SigningFault::UnsupportedPdf);
    const QByteArray certifiedBefore = pdfOf({"<< /Type /Catalog /Pages 2 0 R /Perms << >> >>", kPages,
                                               "<< /Type /Page /Parent 2 0 R /Contents 4 0 R >>", kEmptyContent});
    EXPECT_EQ(PdfSignature::sign(certifiedBefore, signingKey(), box).fault(), SigningFault::UnsupportedPdf);
    const QByteArray once = PdfSignature::sign(qtPage(), signingKey(), box).value();
    EXPECT_EQ(PdfSignature::sign(once, signingKey(), box).fault(), SigningFault::UnsupportedPdf);
}

// What PAdES baseline asks of the CMS of a signed page: a SHA-256 digest and
// exactly three signed attributes, the signing certificate named as CAdES
// has it and no signing time (the signature dictionary's /M carries it);
// OpenSSL's own command verifies it against the shop's authority.
TEST(PdfSignatureTest, CmsIsPadesBaselineOverSha256)
{
    const QByteArray pdf = PdfSignature::sign(qtPage(), signingKey(), box).value();
    const DeclaredSignature declared = DeclaredSignature::of(pdf);
    ASSERT_EQ(declared.state, DeclaredSignature::State::Found) << declared.problem.toStdString();
    const auto *p = reinterpret_cast<const unsigned char *>(declared.der.constData());
    const CmsPtr cms(d2i_CMS_ContentInfo(nullptr, &p, long(declared.der.size())));
    ASSERT_TRUE(cms);
    EXPECT_EQ(*CMS_get0_content(cms.get()), nullptr); // detached
    CMS_SignerInfo *info = sk_CMS_SignerInfo_value(CMS_get0_SignerInfos(cms.get()), 0);
    X509_ALGOR *digest = nullptr;
    CMS_SignerInfo_get0_algs(info, nullptr, nullptr, &digest, nullptr);
    const ASN1_OBJECT *algorithm = nullptr;
    X509_ALGOR_get0(&algorithm, nullptr, nullptr, digest);
    EXPECT_EQ(OBJ_obj2nid(algorithm), NID_sha256);
    std::set<int> attributes;
    for (int i = 0; i < CMS_signed_get_attr_count(info); ++i)
        attributes.insert(OBJ_obj2nid(X509_ATTRIBUTE_get0_object(CMS_signed_get_attr(info, i))));
    EXPECT_EQ(attributes, (std::set<int>{NID_pkcs9_contentType, NID_pkcs9_messageDigest,
                                         NID_id_smime_aa_signingCertificateV2}));
    EXPECT_EQ(CMS_signed_get_attr_count(info), 3);
    EXPECT_TRUE(pdf.contains("/M (D:"));

    const QString openssl = QStandardPaths::findExecutable(QStringLiteral("openssl"));
    if (openssl.isEmpty())
        GTEST_SKIP() << "openssl is missing";
    QTemporaryDir dir;
    const auto write = [&](const char *name, const QByteArray &bytes) {
        QFile f(dir.filePath(QString::fromLatin1(name)));
        return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
    };
    unsigned char *der = nullptr;
    const int length = i2d_CMS_ContentInfo(cms.get(), &der);
    ASSERT_GT(length, 0);
    const QByteArray signature(reinterpret_cast<const char *>(der), length);
    OPENSSL_free(der);
    ASSERT_TRUE(write("signature.der", signature) && write("authority.pem", authority().stored().certificate)
                && write("signed.bin", pdf.left(declared.gapStart) + pdf.mid(declared.gapEnd)));
    QProcess verify;
    verify.setWorkingDirectory(dir.path());
    verify.setProcessChannelMode(QProcess::MergedChannels);
    verify.start(openssl, {"cms", "-verify", "-binary", "-inform", "DER", "-in", "signature.der", "-content",
                           "signed.bin", "-CAfile", "authority.pem", "-out", "/dev/null"});
    ASSERT_TRUE(verify.waitForFinished(30000));
    EXPECT_EQ(verify.exitCode(), 0) << verify.readAll().toStdString();
}

// The signature certifies the page: the catalogue's permissions name it,
// and it allows no change at all.
TEST(PdfSignatureTest, TheSignatureCertifiesThePageAgainstAnyChange)
{
    const QByteArray pdf = PdfSignature::sign(qtPage(), signingKey(), box).value();
    const SigningResult<PdfStructure> s = PdfStructure::read(pdf);
    ASSERT_TRUE(s.ok());
    const QByteArray catalog = s->object(s->root());
    const qsizetype perms = PdfStructure::valueOf(catalog, "/Perms");
    ASSERT_GE(perms, 0);
    const PdfRef certifying = PdfStructure::refValue(catalog.mid(perms), "/DocMDP");
    const QByteArray form = s->object(PdfStructure::refValue(catalog, "/AcroForm"));
    const qsizetype fields = form.indexOf('[');
    const PdfRef field = PdfStructure::refsIn(form.mid(fields, form.indexOf(']') + 1 - fields), 1).value(0);
    EXPECT_EQ(certifying.number, PdfStructure::refValue(s->object(field), "/V").number);
    const QByteArray signature = s->object(certifying);
    EXPECT_TRUE(signature.contains("/TransformMethod /DocMDP")) << signature.toStdString();
    EXPECT_TRUE(signature.contains("/P 1 ")) << signature.toStdString();
}

// What a signed page becomes, and what the report and pdfsig then say of it;
// untouched, a page is intact as every layout above shows.
TEST(PdfSignatureTest, ChangesAfterSigningAreToldApart)
{
    const struct {
        const char *name;
        void (*change)(QByteArray &pdf);
        bool intact, added;
    } changes[] = {
        {"one byte of the page changed", [](QByteArray &pdf) { pdf[pdf.indexOf("stream\n") + 20] ^= 1; }, false, false},
        {"one byte of the signature dictionary changed", [](QByteArray &pdf) { pdf[pdf.indexOf("/ETSI.CAdES") + 1] = 'e'; },
         false, false},
        {"bytes appended", [](QByteArray &pdf) { pdf += "\n% added later\n"; }, true, true},
    };
    bool withoutPdfsig = false;
    for (const auto &c : changes) {
        SCOPED_TRACE(c.name);
        QByteArray pdf = PdfSignature::sign(qtPage(), signingKey(), box).value();
        c.change(pdf);
        const SignatureReport report = SignatureReport::of(pdf, authority().certificate());
        EXPECT_EQ(report.intact, c.intact) << report.problem.toStdString();
        EXPECT_EQ(report.addedAfterSigning, c.added);
        EXPECT_EQ(report.signer, "J. Smith");
        if (const std::optional<QString> verdict = pdfsig(pdf))
            EXPECT_EQ(verdict->contains("Signature is Valid"), c.intact) << verdict->toStdString();
        else
            withoutPdfsig = true;
    }
    if (withoutPdfsig)
        GTEST_SKIP() << "pdfsig is missing (./dev.sh installs poppler-utils)";
}

} // namespace
