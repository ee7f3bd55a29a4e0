// Time-stamped signatures on either engine, against a service the test
// runs itself; and what arc8130-verify --ca tells a recipient of them.

#include "DeclaredSignature.h"
#include "HttpTimeStampService.h"
#include "IssuedPage.h"
#include "KeysOf.h"
#include "OpenSslPointers.h"
#include "OpenedSource.h"
#include "PdfSignature.h"
#include "ProgramRun.h"
#include "RevocationList.h"
#include "SignedEntries.h"
#include "SigningFixture.h"
#include "StoredFiles.h"
#include "TimeStampServer.h"
#include "TimeStampTrial.h"

#include <QCryptographicHash>
#include <QDir>
#include <QElapsedTimer>
#include <QRegularExpression>
#include <openssl/ts.h>
#include "TestPaths.h"

namespace {

// The signature's value and the token its signer carries, as read from a PDF.
struct Stamped {
    QByteArray value, token;
};

Stamped stampedOf(const QByteArray &pdf)
{
    const arc::DeclaredSignature d = arc::DeclaredSignature::of(pdf);
    const auto *p = reinterpret_cast<const unsigned char *>(d.der.constData());
    arc::CmsPtr cms(d2i_CMS_ContentInfo(nullptr, &p, long(d.der.size())));
    if (!cms)
        return {};
    CMS_SignerInfo *signer = sk_CMS_SignerInfo_value(CMS_get0_SignerInfos(cms.get()), 0);
    const ASN1_OCTET_STRING *value = CMS_SignerInfo_get0_signature(signer);
    Stamped out{QByteArray(reinterpret_cast<const char *>(ASN1_STRING_get0_data(value)), ASN1_STRING_length(value)), {}};
    const int at = CMS_unsigned_get_attr_by_NID(signer, NID_id_smime_aa_timeStampToken, -1);
    if (at >= 0) {
        const ASN1_TYPE *t = X509_ATTRIBUTE_get0_type(CMS_unsigned_get_attr(signer, at), 0);
        out.token = QByteArray(reinterpret_cast<const char *>(ASN1_STRING_get0_data(t->value.sequence)),
                               ASN1_STRING_length(t->value.sequence));
    }
    return out;
}

// The SHA-256 imprint the token names.
QByteArray imprintOf(const QByteArray &token)
{
    const auto *p = reinterpret_cast<const unsigned char *>(token.constData());
    PKCS7 *p7 = d2i_PKCS7(nullptr, &p, long(token.size()));
    TS_TST_INFO *info = p7 ? PKCS7_to_TS_TST_INFO(p7) : nullptr;
    QByteArray out;
    if (info) {
        const ASN1_OCTET_STRING *m = TS_MSG_IMPRINT_get_msg(TS_TST_INFO_get_msg_imprint(info));
        out = QByteArray(reinterpret_cast<const char *>(ASN1_STRING_get0_data(m)), ASN1_STRING_length(m));
    }
    TS_TST_INFO_free(info);
    PKCS7_free(p7);
    return out;
}

class TimeStampTest : public OpenedSourceTest {
protected:
    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(OpenedSourceTest::SetUp());
        formIndex = savedAsNew(data);
        QString error;
        ASSERT_TRUE(arc::keysOf(data)->putAuthority(signing::authority().stored(), &error)) << error.toStdString();
        useService(service.url());
    }
    void useService(const QString &url)
    {
        ASSERT_TRUE(data.certificates().exec("UPDATE \"Defaults\" SET \"TsaUrl\" = ?", {url}).ok());
    }
    // Issued with the key, a hanging service given up on after a moment.
    arc::IssueResult issue(const QString &userFile = {})
    {
        arc::IssueRequest r = issueRequest(formIndex, signing::blankPage(), &signing::signingKey());
        r.signatory = "J. Smith";
        r.userFile = userFile;
        return arc::IssueRecorder(data.certificates(), *arc::archiveOf(data), std::chrono::milliseconds(300)).record(r);
    }
    int keptCount() { return int(keptPages().size()); }

    TimeStampServer service;
    qint64 formIndex = 0;
};

} // namespace

// PAdES B-T: the token over the signature's value, which OpenSSL's own
// command verifies against the service's authority.
TEST_P(TimeStampTest, AnIssuedSignatureCarriesTheServicesTokenOverItsValue)
{
    const arc::IssueResult r = issue();
    ASSERT_TRUE(r.ok()) << r.detail.toStdString();
    const QByteArray pdf = keptPage(r.record.pdfFile);
    const Stamped s = stampedOf(pdf);
    ASSERT_FALSE(s.token.isEmpty()) << "no token in the signature";
    EXPECT_EQ(imprintOf(s.token), QCryptographicHash::hash(s.value, QCryptographicHash::Sha256));

    writeFile(file("token.der"), s.token);
    writeFile(file("value.bin"), s.value);
    writeFile(file("tsa-root.pem"), service.authorityPem());
    const ProgramRun openssl = ProgramRun::of("openssl", {"ts", "-verify", "-token_in", "-in", file("token.der"), "-data",
                                                          file("value.bin"), "-CAfile", file("tsa-root.pem")});
    EXPECT_EQ(openssl.exit, 0) << openssl.said.toStdString();
    EXPECT_TRUE(openssl.said.contains("Verification: OK")) << openssl.said.toStdString();

    writeFile(file("copy.pdf"), pdf);
    writeFile(file("authority.pem"), signing::authority().stored().certificate);
    const ProgramRun verify = ProgramRun::of(test_paths::program("arc8130-verify"), {file("copy.pdf"), "--ca", file("authority.pem")});
    EXPECT_EQ(verify.exit, 0) << verify.said.toStdString();
    EXPECT_TRUE(verify.said.contains(QRegularExpression(
        "\nTime stamp: 20\\d\\d-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d UTC by ARC test time-stamp service, intact\n")))
        << verify.said.toStdString();
    // A reader's own check: the stamped signature is whole and valid.
    if (const std::optional<QString> said = signing::pdfsig(pdf)) {
        EXPECT_TRUE(said->contains("Signature is Valid")) << said->toStdString();
    }
}

// Whatever the service does wrong, nothing is kept, logged or written, and
// the message names the service, why, and how to issue without stamps.
TEST_P(TimeStampTest, AServiceThatGivesNoGoodStampIssuesNothing)
{
    using Mode = TimeStampServer::Mode;
    const struct {
        const char *what;
        Mode mode;
        QString url; // the service's own when empty
        const char *why;
    } cases[] = {
        {"hangs", Mode::Hang, {}, "no answer within 0.3 seconds"},
        {"closes the connection", Mode::Close, {}, "closed the connection"},
        {"answers a web page", Mode::Html, {}, "a web page"},
        {"answers an HTTP error", Mode::HttpError, {}, "HTTP status 500"},
        {"stamps other data", Mode::WrongImprint, {}, "for other data"},
        {"answers another request", Mode::WrongNonce, {}, "nonce"},
        {"is not http", Mode::Good, "ftp://127.0.0.1/tsa", "not an http or https address"},
        {"is no address", Mode::Good, "time stamps please", "not an http or https address"},
        {"is not listening", Mode::Good, "http://127.0.0.1:1/tsa", "cannot be reached"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        service.setMode(c.mode);
        const QString url = c.url.isEmpty() ? service.url() : c.url;
        useService(url);
        QElapsedTimer clock;
        clock.start();
        const arc::IssueResult r = issue(file("mine.pdf"));
        EXPECT_LT(clock.elapsed(), 5000) << "the wait given, not more";
        EXPECT_EQ(r.outcome, arc::IssueResult::Outcome::SigningFailed) << r.detail.toStdString();
        EXPECT_TRUE(r.detail.contains(url)) << r.detail.toStdString();
        EXPECT_TRUE(r.detail.contains(c.why)) << r.detail.toStdString();
        EXPECT_TRUE(r.detail.contains("clear the time-stamp service on the set-up panel")) << r.detail.toStdString();
        EXPECT_EQ(keptCount(), 0);
        EXPECT_EQ(logged(), 0);
        EXPECT_FALSE(QFile::exists(file("mine.pdf")));
    }
    service.setMode(Mode::Good);
    useService(" ");
    const arc::IssueResult unstamped = issue();
    ASSERT_TRUE(unstamped.ok()) << "cleared, issued without a stamp: " << unstamped.detail.toStdString();
    EXPECT_TRUE(stampedOf(keptPage(unstamped.record.pdfFile)).token.isEmpty());
}

// The exit status a recipient's script reads, on a page issued by either
// engine: 0 valid and trusted, 1 changed, 2 not trusted or unsigned (and
// any authority or list that cannot be used), 3 revoked.
TEST_P(TimeStampTest, TheCaStatusTellsValidChangedUntrustedAndRevoked)
{
    useService("");
    const arc::IssueResult plain = issue();
    ASSERT_TRUE(plain.ok()) << plain.detail.toStdString();
    useService(service.url());
    const arc::IssueResult stamped = issue();
    ASSERT_TRUE(stamped.ok()) << stamped.detail.toStdString();

    const arc::ShopAuthority &shop = signing::authority();
    const arc::ShopAuthority other = std::move(arc::ShopAuthority::create("Other shop", "other").value());
    const QByteArray empty = arc::RevocationList::empty(shop).value();
    const QDateTime later = QDateTime::currentDateTimeUtc().addSecs(60);
    const auto revoked = [&](int reason) {
        return arc::RevocationList::adding(shop, empty, signing::signingKey().certificate(), reason, later).value();
    };
    writeFile(file("authority.pem"), shop.stored().certificate);
    writeFile(file("other.pem"), other.stored().certificate);
    writeFile(file("damaged.pem"), shop.stored().certificate.left(200));
    writeFile(file("empty.crl"), empty);
    writeFile(file("superseded.crl"), revoked(CRL_REASON_SUPERSEDED));
    writeFile(file("compromised.crl"), revoked(CRL_REASON_KEY_COMPROMISE));
    writeFile(file("foreign.crl"), arc::RevocationList::empty(other).value());
    writeFile(file("damaged.crl"), empty.left(empty.size() / 2));

    const QByteArray unsigned_ = signing::blankPage();
    const QByteArray plainPdf = keptPage(plain.record.pdfFile), stampedPdf = keptPage(stamped.record.pdfFile);
    QByteArray changed = plainPdf;
    changed[changed.indexOf("/Catalog") + 2] ^= 1;
    const struct {
        const char *what;
        QByteArray pdf;
        QStringList options;
        int exit;
        const char *says; // a line of what it prints, or of its refusal
    } cases[] = {
        {"as issued", plainPdf, {"--ca", "authority.pem"}, 0, "Trusted: yes"},
        {"with its list", plainPdf, {"--ca", "authority.pem", "--crl", "empty.crl"}, 0, "Revoked: no"},
        {"no list given", plainPdf, {"--ca", "authority.pem"}, 0, "Revoked: not checked (no revocation list given)"},
        {"unstamped", plainPdf, {"--ca", "authority.pem"}, 0, "Time stamp: no time stamp"},
        {"a byte changed", changed, {"--ca", "authority.pem"}, 1, "Changed after signing: yes"},
        {"bytes appended", plainPdf + "\n% added\n", {"--ca", "authority.pem"}, 1, "Changed after signing: yes"},
        {"another authority", plainPdf, {"--ca", "other.pem"}, 2, "Trusted: no, self-signed certificate in certificate chain"},
        {"unsigned", unsigned_, {"--ca", "authority.pem"}, 2, "Digital signature: none"},
        {"revoked", plainPdf, {"--ca", "authority.pem", "--crl", "superseded.crl"}, 3, "Revoked: yes, on "},
        {"stamped, revoked as superseded since", stampedPdf, {"--ca", "authority.pem", "--crl", "superseded.crl"}, 0,
         "after the time-stamped signing, which stands"},
        {"stamped, key compromised since", stampedPdf, {"--ca", "authority.pem", "--crl", "compromised.crl"}, 3,
         "(keyCompromise)"},
        {"a damaged list", plainPdf, {"--ca", "authority.pem", "--crl", "damaged.crl"}, 2, "damaged or not signed"},
        {"another authority's list", plainPdf, {"--ca", "authority.pem", "--crl", "foreign.crl"}, 2,
         "damaged or not signed"},
        {"a damaged authority", plainPdf, {"--ca", "damaged.pem"}, 2, "does not hold exactly one certificate"},
        {"a list without --ca", plainPdf, {"--crl", "empty.crl"}, 2, "usage:"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        writeFile(file("page.pdf"), c.pdf);
        QStringList args{"page.pdf"};
        args += c.options;
        const QString command = QString("cd \"$1\" && shift && exec \"$0\" \"$@\"");
        const ProgramRun run = ProgramRun::of("sh", QStringList{"-c", command, test_paths::program("arc8130-verify"), folder()} + args);
        EXPECT_EQ(run.exit, c.exit) << run.said.toStdString();
        EXPECT_TRUE(run.said.contains(c.says)) << run.said.toStdString();
        EXPECT_EQ(run.exit == 2 && !run.errors.isEmpty(), run.said.startsWith("arc8130-verify:") || run.said.startsWith("usage:"));
    }
}

ARC_ON_BOTH_ENGINES(TimeStampTest);

// The set-up panel's "Test" says what came back: the stamp's time and
// signer, or why there is none.
TEST(TimeStampTrial, SaysWhatTheServiceAnswered)
{
    TimeStampServer service;
    const arc::HttpTimeStampService http(service.url(), std::chrono::milliseconds(300));
    const QString good = arc::TimeStampTrial::run(http);
    EXPECT_TRUE(good.contains(QRegularExpression(
        "answered with a time stamp of 20\\d\\d-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d UTC, signed by ARC test "
        "time-stamp service\\.")))
        << good.toStdString();
    service.setMode(TimeStampServer::Mode::Html);
    EXPECT_EQ(arc::TimeStampTrial::run(http), "The time-stamp service " + service.url()
                                                  + " gave no time stamp: it answered with a web page, not a time stamp.");
}
