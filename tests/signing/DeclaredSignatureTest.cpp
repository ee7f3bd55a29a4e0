// Which signature a report reads: the one the document's own structure
// declares, wherever its later updates put their cross-reference.

#include "PdfSignature.h"
#include "PdfStructure.h"
#include "SignatureReport.h"
#include "PdfUpdate.h"
#include "SigningFixture.h"


using namespace arc;
using namespace signing;

namespace {

// A blank page as signed: the signature's value, its field and the form.
const int kSignature = 5, kField = 6, kForm = 8;

QByteArray body(const QByteArray &pdf, int number) { return PdfStructure::read(pdf)->object({number, 0}); }

} // namespace

TEST(DeclaredSignatureTest, TheSignatureReadIsTheOneTheDocumentDeclares)
{
    const QByteArray page = PdfSignature::sign(blankPage(), signingKey(), QRectF(300, 100, 200, 40)).value();
    ASSERT_TRUE(body(page, kSignature).contains("/ByteRange") && body(page, kForm).contains("/Fields"));
    QByteArray copy = body(page, kSignature);
    copy = copy.left(copy.indexOf("/Contents <")) + "/Contents <00>\n>>";
    const QByteArray unrelated = "<< /Producer (another tool) >>";
    const struct {
        const char *name;
        QByteArray pdf;
        bool intact, changed;
        QString problem;
    } cases[] = {
        {"an update after signing, its section a stream", withUpdate(page, {{9, unrelated}}, UpdateSection::Stream), true,
         true, ""},
        {"an update after signing, its section a compressed stream",
         withUpdate(page, {{9, unrelated}}, UpdateSection::CompressedStream), true, true, ""},
        {"a second field for the same signature",
         withUpdate(page, {{kForm, "<< /Fields [6 0 R 6 0 R] /SigFlags 3 >>"}}, UpdateSection::Table), true, true, ""},
        {"the form's field dropped",
         withUpdate(page, {{kForm, "<< /Fields [] >>"}}, UpdateSection::CompressedStream), false, true,
         "The document's form declares no signature, yet the file holds one."},
        {"the field pointed at a copy of the signature",
         withUpdate(page, {{9, copy}, {kField, body(page, kField).replace("/V 5 0 R", "/V 9 0 R")}}, UpdateSection::Table),
         false, true, "The signature's byte range does not cover the file as a signature must."},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const SignatureReport report = SignatureReport::of(c.pdf, authority().certificate());
        EXPECT_TRUE(report.isSigned);
        EXPECT_EQ(report.intact, c.intact) << report.problem.toStdString();
        EXPECT_EQ(!report.intact || report.addedAfterSigning, c.changed);
        if (!c.intact)
            EXPECT_EQ(report.problem, c.problem);
        else
            EXPECT_EQ(report.signer, "J. Smith");
    }
}
