// What arc8130-verify says of a freshly issued, signed page forged after
// it was issued: never that its signature is intact and unchanged.

#include "IssuedPage.h"
#include "KeysOf.h"
#include "OpenedSource.h"
#include "PdfStructure.h"
#include "ProgramRun.h"
#include "SignedEntries.h"
#include "SigningFixture.h"
#include "WrappedSignature.h"
#include "TestPaths.h"

namespace {

// The page as issued shows the certificate's values; a forger's shows others.
const QByteArray kIssuedDrawing = "BT /F1 10 Tf 40 700 Td (3. Form Tracking Number: 000123) Tj ET\n"
                                  "BT /F1 10 Tf 40 600 Td (8. Part Number: PN-7) Tj ET\n"
                                  "BT /F1 10 Tf 40 560 Td (10. Serial Number: SN-1) Tj ET";
const QByteArray kForgedDrawing = "BT /F1 10 Tf 40 700 Td (3. Form Tracking Number: 000999) Tj ET\n"
                                  "BT /F1 10 Tf 40 600 Td (8. Part Number: PN-666) Tj ET\n"
                                  "BT /F1 10 Tf 40 560 Td (10. Serial Number: SN-FAKE) Tj ET";

class ForgedSignatureTest : public OpenedFolderTest {
protected:
    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(OpenedFolderTest::SetUp());
        QString error;
        ASSERT_TRUE(arc::keysOf(data)->putAuthority(signing::authority().stored(), &error)) << error.toStdString();
        const arc::SigningKey key = std::move(arc::SigningKey::open(signing::madeKey("pw"), "pw").value());
        const QByteArray drawn = signing::pdfOf({"<< /Type /Catalog /Pages 2 0 R >>", signing::kPages,
                                                 "<< /Type /Page /Parent 2 0 R /MediaBox [0 0 612 792] /Contents 4 0 R "
                                                 "/Resources << /Font << /F1 5 0 R >> >> >>",
                                                 "<< /Length " + QByteArray::number(kIssuedDrawing.size()) + " >>\nstream\n"
                                                     + kIssuedDrawing + "\nendstream",
                                                 "<< /Type /Font /Subtype /Type1 /BaseFont /Helvetica >>"});
        const arc::IssueResult issued = recordIssue(data, issueRequest(savedAsNew(data), drawn, &key));
        ASSERT_TRUE(issued.ok()) << issued.detail.toStdString();
        page = readFile(folder() + "Issued/" + issued.record.pdfFile);
        ASSERT_TRUE(page.contains("/ByteRange"));
    }

    // What the command prints of `pdf`, a line each, and its exit code.
    std::pair<int, QStringList> verified(const QByteArray &pdf)
    {
        writeFile(file("copy.pdf"), pdf);
        const ProgramRun run = ProgramRun::of(test_paths::program("arc8130-verify"), {file("copy.pdf"), folder()});
        return {run.exit, run.said.split('\n')};
    }

    QByteArray page;
};

} // namespace

// The forger keeps the signed bytes and the signature, and makes readers
// show his page: the signature is then not the one the document declares.
TEST_F(ForgedSignatureTest, AWrappedSignatureIsNotTakenForTheDocuments)
{
    const QByteArray forged = wrappedSignature(page, kForgedDrawing);
    ASSERT_FALSE(forged.isEmpty());
    // The attack is real: a reader following the file shows the forged page.
    const arc::SigningResult<arc::PdfStructure> read = arc::PdfStructure::read(forged);
    ASSERT_TRUE(read.ok()) << read.error().message.toStdString();
    const QByteArray contents = read->object(arc::PdfStructure::refValue(read->object(read->page()), "/Contents"));
    ASSERT_TRUE(contents.contains("PN-666")) << contents.toStdString();

    const auto [exit, lines] = verified(forged);
    EXPECT_EQ(exit, 1);
    for (const char *line : {"Changed after signing.", "Changed after signing: yes",
                             "Signature: not intact. The signature's byte range does not cover the file as a signature must."})
        EXPECT_TRUE(lines.contains(line)) << line << " in\n" << lines.join('\n').toStdString();
}

// The numbers of a range anywhere in the file, a comment's included, are
// never added unchecked.
TEST_F(ForgedSignatureTest, ARangeWhoseSumOverflowsIsNoCrash)
{
    const auto [exit, lines] = verified(withOverflowingRange(page));
    EXPECT_EQ(exit, 1) << lines.join('\n').toStdString();
    EXPECT_TRUE(lines.contains("Changed after signing.")) << lines.join('\n').toStdString();
    EXPECT_TRUE(lines.contains("Changed after signing: yes")) << lines.join('\n').toStdString();
}
