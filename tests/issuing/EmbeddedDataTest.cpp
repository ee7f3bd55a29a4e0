// The data a signed page carries inside: certificate.xml, valid against
// docs/certificate.xsd, every value the stored one, covered by the
// signature; and arc8130-verify --data, which prints it from the file alone
// and says what is wrong with one that is not sound.

#include "CertificateContent.h"
#include "CertificateXml.h"
#include "Correction.h"
#include "EmbeddedDataCheck.h"
#include "IssuedPage.h"
#include "KeysOf.h"
#include "OpenedSource.h"
#include "PdfAttachment.h"
#include "PdfSignature.h"
#include "IncrementalUpdate.h"
#include "ProgramRun.h"
#include "SignedEntries.h"
#include "SigningFixture.h"
#include "StoredFiles.h"

#include <QCryptographicHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QXmlStreamReader>
#include "TestPaths.h"

namespace {

using Outcome = arc::EmbeddedDataCheck::Outcome;

class EmbeddedDataTest : public OpenedSourceTest {
protected:
    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(OpenedSourceTest::SetUp());
        arc::CertificateEntries e = signedEntries();
        e.remarks = "Inspected per CMM 28-10-01.\nSeal <replaced> & \"tested\".";
        e.lines[1].description = QString();
        key = savedAsNew(data, e);
    }
    QByteArray issued(qint64 formIndex)
    {
        const arc::IssueResult result = recordIssue(data, issueRequest(formIndex, signing::blankPage(), &signingKey));
        EXPECT_TRUE(result.ok()) << result.detail.toStdString();
        return keptPage(result.record.pdfFile);
    }
    ProgramRun verifyData(const QByteArray &pdf, const QStringList &options = {"--data"})
    {
        writeFile(file("copy.pdf"), pdf);
        return ProgramRun::of(test_paths::program("arc8130-verify"), QStringList{file("copy.pdf")} + options);
    }

    const arc::SigningKey signingKey = std::move(arc::SigningKey::open(signing::madeKey("pw"), "pw").value());
    qint64 key = 0;
};

// Every block's value as the XML holds it, by field ("Detail2.PartNum" for a line's).
QHash<QString, QString> valuesOf(const QByteArray &xml, QHash<QString, bool> &nulls)
{
    QHash<QString, QString> out;
    QXmlStreamReader r(xml);
    int line = 0;
    while (!r.atEnd()) {
        const QXmlStreamReader::TokenType token = r.readNext();
        if (token == QXmlStreamReader::EndElement && r.name() == QLatin1String("item"))
            line = 0;
        if (token != QXmlStreamReader::StartElement)
            continue;
        if (r.name() == QLatin1String("item"))
            line = r.attributes().value("line").toInt();
        const QString field = r.attributes().value("field").toString();
        if (r.name() == QLatin1String("tick")) {
            out.insert(field, r.attributes().value("stored").toString());
        } else if (r.name() == QLatin1String("block") && !field.isEmpty()) {
            const QString name = line ? QString("Detail%1.%2").arg(line).arg(field) : field;
            nulls.insert(name, r.attributes().value("null") == QLatin1String("true"));
            out.insert(name, r.readElementText());
        }
    }
    EXPECT_FALSE(r.hasError()) << r.errorString().toStdString();
    return out;
}

} // namespace

TEST_P(EmbeddedDataTest, TheSignedPageCarriesTheStoredCertificateAsValidXml)
{
    const QByteArray pdf = issued(key);
    writeFile(file("issued.pdf"), pdf);
    if (!QStandardPaths::findExecutable("pdfdetach").isEmpty()) {
        const ProgramRun list = ProgramRun::of("pdfdetach", {"-list", file("issued.pdf")});
        EXPECT_EQ(list.said.trimmed(), "1 embedded files\n1: certificate.xml");
    }
    const arc::EmbeddedDataCheck check = arc::EmbeddedDataCheck::of(pdf);
    ASSERT_EQ(check.outcome, Outcome::Sound) << check.detail.toStdString();
    writeFile(file("certificate.xml"), check.xml);
    if (!QStandardPaths::findExecutable("xmllint").isEmpty()) {
        const ProgramRun lint = ProgramRun::of("xmllint", {"--noout", "--schema", test_paths::source("docs/certificate.xsd"), file("certificate.xml")});
        EXPECT_EQ(lint.exit, 0) << lint.said.toStdString();
    }

    QHash<QString, bool> nulls;
    const QHash<QString, QString> values = valuesOf(check.xml, nulls);
    const arc::CertificateContent stored = *arc::CertificateContent::read(data.certificates(), key);
    for (const char *field : {"Country", "Tracking", "Organ1", "Organ2", "Invoice", "Remarks", "New", "Overhaul",
                              "Name17", "AuthNum", "Date18", "CFRRTS", "OtherRTS", "Name22", "CertNum", "Date23"}) {
        EXPECT_EQ(values.value(field), stored.value(field).toString()) << field;
        EXPECT_EQ(nulls.value(field), stored.value(field).isNull()) << field;
    }
    const char *columns[] = {"Item", "Description", "PartNum", "Quantity", "SerialNum", "Status"};
    ASSERT_EQ(stored.lines().size(), 2u);
    for (std::size_t n = 0; n < stored.lines().size(); ++n)
        for (int f = 0; f < 6; ++f)
            EXPECT_EQ(values.value(QString("Detail%1.%2").arg(n + 1).arg(columns[f])), stored.lines()[n][f].toString())
                << n << columns[f];
    EXPECT_TRUE(check.xml.contains("<contentSha256>" + stored.sha256().toLatin1() + "</contentSha256>"));
    unsigned char *der = nullptr;
    const int length = i2d_X509(signingKey.certificate(), &der);
    const QByteArray fingerprint =
        QCryptographicHash::hash(QByteArray(reinterpret_cast<char *>(der), length), QCryptographicHash::Sha256).toHex();
    OPENSSL_free(der);
    EXPECT_TRUE(check.xml.contains("certificateSha256=\"" + fingerprint + "\""));
    EXPECT_TRUE(check.xml.contains("<form name=\"FAA Form 8130-3\" edition=\"FAA FORM 8130-3 (02-14)\"/>"));
    EXPECT_FALSE(check.xml.contains("<corrects>"));
    EXPECT_LT(pdf.size(), 1024 * 1024);

    // From the file alone: no data source named.
    const ProgramRun xml = verifyData(pdf);
    EXPECT_EQ(xml.exit, 0) << xml.said.toStdString();
    EXPECT_EQ(xml.said.toUtf8().trimmed(), check.xml.trimmed());
    const ProgramRun json = verifyData(pdf, {"--data", "--json"});
    EXPECT_EQ(json.exit, 0);
    const QJsonObject o = QJsonDocument::fromJson(json.said.toUtf8()).object();
    EXPECT_EQ(o.value("contentSha256").toString(), stored.sha256());
    EXPECT_EQ(o.value("items").toArray().size(), 2);
    EXPECT_EQ(o.value("signatory").toObject().value("name").toString(), "Pat Doe");
}

// A correction's data names the number it corrects.
TEST_P(EmbeddedDataTest, ACorrectionNamesTheNumberItCorrects)
{
    issued(key);
    arc::CertificateEntries changed = signedEntries();
    changed.invoice = "WO-8";
    const arc::Correction::Result c =
        arc::Correction::store(data, changed, *arc::CertificateContent::read(data.certificates(), key), QDate(2026, 12, 5));
    ASSERT_TRUE(c.status.ok()) << c.status.detail().toStdString();
    const arc::EmbeddedDataCheck check = arc::EmbeddedDataCheck::of(issued(c.formIndex));
    ASSERT_EQ(check.outcome, Outcome::Sound) << check.detail.toStdString();
    EXPECT_TRUE(check.xml.contains("<corrects>000123</corrects>")) << check.xml.toStdString();
}

// What --data says of a file that is not sound, and its exit code.
TEST_P(EmbeddedDataTest, DataThatIsNotSoundIsToldAsSuch)
{
    const QByteArray pdf = issued(key);
    const arc::CertificateContent stored = *arc::CertificateContent::read(data.certificates(), key);
    const QByteArray xml = arc::CertificateXml::of(stored, {"Pat Doe", {}, {}});
    const auto signedWith = [this](const QByteArray &page) {
        return arc::PdfSignature::sign(page, signingKey, QRectF(36, 200, 180, 40)).value();
    };
    QByteArray forgedXml = xml;
    forgedXml.replace("PN-7", "PN-9");
    // The catalogue of the page with its data names a second file beside it.
    const QByteArray withData =
        arc::PdfAttachment::embed(signing::blankPage(), "certificate.xml", "text/xml", xml).value();
    const qsizetype catalogAt = withData.lastIndexOf("\n1 0 obj\n") + 9;
    QByteArray catalog = withData.mid(catalogAt, withData.indexOf("\nendobj", catalogAt) - catalogAt);
    const QByteArray entry = QRegularExpression("\\(certificate.xml\\) (\\d+ 0 R)").match(catalog).captured(1).toLatin1();
    catalog.replace("] >> >>", " (other.xml) " + entry + "] >> >>");
    const arc::PdfStructure structure = arc::PdfStructure::read(withData).value();
    arc::IncrementalUpdate twoFiles(withData);
    twoFiles.add(structure.root(), catalog);
    // A file attached to the page by an annotation, its names written with
    // escapes as a reader still reads them.
    const QByteArray annotated = signing::pdfOf(
        {"<< /Type /Catalog /Pages 2 0 R >>", signing::kPages,
         "<< /Type /Page /Parent 2 0 R /MediaBox [0 0 612 792] /Contents 4 0 R /Annots [5 0 R] >>",
         signing::kEmptyContent, "<< /Type /Annot /Subtype /File#41ttachment /Rect [0 0 9 9] /FS 6 0 R >>",
         "<< /Type /Filespec /F (run.exe) /E#46 << /F 7 0 R >> >>", "<< /Length 2 >>\nstream\nMZ\nendstream"});
    // The data as issued, signed again by someone else.
    const arc::SigningKey other = std::move(arc::SigningKey::open(signing::madeKey("pw"), "pw").value());
    const QByteArray issuedXml = arc::EmbeddedDataCheck::of(pdf).xml;
    const struct {
        const char *name;
        QByteArray pdf;
        const char *said;
    } cases[] = {
        {"a changed byte in the data", [&] {
             QByteArray p = pdf;
             p[p.indexOf("<contentSha256>") + 20] ^= 1;
             return p;
         }(), "Changed after signing."},
        {"data added after signing",
         arc::PdfAttachment::embed(signedWith(signing::blankPage()), "certificate.xml", "text/xml", xml).value(),
         "Changed after signing."},
        {"values not those of the hash", signedWith(arc::PdfAttachment::embed(signing::blankPage(), "certificate.xml",
                                                                              "text/xml", forgedXml).value()),
         "The certificate data does not match its content hash: its values are not those signed for."},
        {"a second file", signedWith(twoFiles.finish(structure, structure.size())),
         "The PDF carries other embedded files than certificate.xml alone."},
        {"another file in its place", signedWith(arc::PdfAttachment::embed(signing::blankPage(), "invoice.xml",
                                                                           "text/xml", xml).value()),
         "The PDF carries other embedded files than certificate.xml alone."},
        {"a file attached to the page",
         signedWith(arc::PdfAttachment::embed(annotated, "certificate.xml", "text/xml", xml).value()),
         "The PDF carries other embedded files than certificate.xml alone."},
        {"signed by another", arc::PdfSignature::sign(arc::PdfAttachment::embed(signing::blankPage(), "certificate.xml",
                                                                                "text/xml", issuedXml).value(),
                                                      other, QRectF(36, 200, 180, 40)).value(),
         "The certificate data names another signing certificate than the one that signed the PDF."},
        {"no data", signedWith(signing::blankPage()), "The PDF carries no certificate data."},
        {"not signed", signing::blankPage(), "The PDF carries no signature."},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const ProgramRun run = verifyData(c.pdf);
        EXPECT_EQ(run.exit, 1);
        EXPECT_EQ(run.said.trimmed(), c.said);
    }
}

// A stored text with a control character XML cannot carry (another tool
// wrote it) would give a page whose data nobody can read: not issued.
TEST_P(EmbeddedDataTest, AValueTheDataCannotCarryStopsTheIssue)
{
    ASSERT_TRUE(data.certificates().exec("UPDATE \"Header\" SET \"Remarks\" = ?", {QString("Seal\x01")}).ok());
    const arc::IssueResult result = recordIssue(data, issueRequest(key, signing::blankPage(), &signingKey));
    EXPECT_EQ(result.outcome, arc::IssueResult::Outcome::SigningFailed);
    EXPECT_EQ(logged(), 0);
}

ARC_ON_BOTH_ENGINES(EmbeddedDataTest);
