// What arc8130-verify reads and where it looks. Whether a page is found in
// the log is in SourceIssuingTest, on both engines.

#include "IssueVerifier.h"
#include "FolderArchive.h"
#include "IssueRecorder.h"
#include "KeysOf.h"
#include "OpenedSource.h"
#include "PdfSignature.h"
#include "SetupStore.h"
#include "SignedEntries.h"
#include "SigningFixture.h"

#include <QProcess>
#include <fstream>
#include <sys/stat.h>

using VerifyTest = OpenedFolderTest;

// What is not a regular file is refused at once, without waiting on a
// FIFO or reading a device without end; a file that fails while it is read
// is not a page either side of the log; a name is read whatever its bytes.
TEST_F(VerifyTest, TheCommandRefusesWhatCannotBeReadAndFindsAnyName)
{
    ASSERT_EQ(mkfifo(QFile::encodeName(file("pipe.pdf")).constData(), 0600), 0);
    const QByteArray latin1 = QFile::encodeName(folder()) + "caf\xe9.pdf";
    {
        std::ofstream copy(latin1.toStdString(), std::ios::binary);
        copy << "%PDF-1.4 never issued";
    }
    const struct {
        const char *what, *argument; // the argument as the shell's printf writes it
        int exit;
    } cases[] = {{"a FIFO", "pipe.pdf", 2},
                 {"a device", "/dev/zero", 2},
                 {"a folder", ".", 2},
                 {"a read error", "/proc/self/mem", 2},
                 {"a Latin-1 name", "caf\\351.pdf", 1}};
    for (const auto &c : cases) {
        QProcess p;
        p.setWorkingDirectory(folder());
        p.start("sh", {"-c", QString("exec \"$0\" \"$(printf '%1')\" \"$1\"").arg(c.argument), VERIFY_EXE, folder()});
        if (!p.waitForFinished(5000)) {
            p.kill();
            p.waitForFinished();
            ADD_FAILURE() << c.what << " is still being read";
            continue;
        }
        const QString said = QString::fromUtf8(p.readAllStandardOutput() + p.readAllStandardError());
        EXPECT_EQ(p.exitCode(), c.exit) << c.what << ": " << said.toStdString();
        EXPECT_EQ(said.contains("cannot be read"), c.exit == 2) << c.what << ": " << said.toStdString();
    }
}

// Without a data folder named, the one recorded in the set-up file is used.
TEST_F(VerifyTest, TheRecordedDataFolderIsTheDefault)
{
    const QString program = folder() + "program/";
    QDir().mkpath(program);
    QString error;
    EXPECT_FALSE(arc::IssueVerifier::recordedDataFolder(arc::ProgramFolders(program), &error));
    EXPECT_TRUE(error.contains("setupARC.mdb")) << error.toStdString();
    {
        arc::SetupStore setup;
        ASSERT_TRUE(setup.open(program).ok());
        ASSERT_TRUE(setup.setDataPath(folder()).ok());
    }
    EXPECT_EQ(arc::IssueVerifier::recordedDataFolder(arc::ProgramFolders(program), &error), folder());
    QProcess p;
    p.start(VERIFY_EXE, QStringList{});
    ASSERT_TRUE(p.waitForFinished(30000));
    EXPECT_EQ(p.exitCode(), 2) << "no file named";
}

namespace {

// A signed page issued from a data folder that keeps its shop authority,
// and what becomes of a copy before the command reads it.
struct SignedCopy {
    const char *name;
    QByteArray (*copy)(QByteArray issued);
    int exit;
    QStringList lines; // among what the command prints
};
void PrintTo(const SignedCopy &c, std::ostream *os) { *os << c.name; }

class SignedVerifyTest : public OpenedFolderTest, public ::testing::WithParamInterface<SignedCopy> {
protected:
    struct Run {
        int exit;
        QString out;
    };
    static Run command(const QStringList &args)
    {
        QProcess p;
        p.start(VERIFY_EXE, args);
        EXPECT_TRUE(p.waitForFinished());
        return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput() + p.readAllStandardError())};
    }
};

const arc::SigningKey &strangersKey()
{
    static const arc::SigningKey key = [] {
        const arc::ShopAuthority other = std::move(arc::ShopAuthority::create("Other shop", "other").value());
        const arc::StoredSigningKey stored = arc::SigningKey::make(other, {"A. Stranger", "X-1"}, "pw").value();
        return std::move(arc::SigningKey::open(stored, "pw").value());
    }();
    return key;
}

} // namespace

TEST_P(SignedVerifyTest, TheCommandReportsTheSignature)
{
    QString error;
    ASSERT_TRUE(arc::keysOf(data)->putAuthority(signing::authority().stored(), &error)) << error.toStdString();
    const arc::SigningKey signingKey = std::move(arc::SigningKey::open(signing::madeKey("pw"), "pw").value());
    arc::FolderArchive archive(folder());
    arc::IssueRequest r;
    r.formIndex = savedAsNew(data);
    r.signatory = "J. Smith";
    r.pdf = signing::blankPage();
    r.signingKey = &signingKey;
    r.signatureField = QRectF(36, 200, 180, 40);
    const arc::IssueResult issued = arc::IssueRecorder(data.certificates(), archive).record(r);
    ASSERT_TRUE(issued.ok()) << issued.detail.toStdString();
    writeFile(file("copy.pdf"), GetParam().copy(readFile(archive.location(issued.record.pdfFile))));
    data.close();

    const Run run = command({file("copy.pdf"), folder()});
    EXPECT_EQ(run.exit, GetParam().exit) << run.out.toStdString();
    for (const QString &line : GetParam().lines)
        EXPECT_TRUE(run.out.split('\n').contains(line)) << line.toStdString() << " in\n" << run.out.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Verify, SignedVerifyTest,
    ::testing::Values(
        SignedCopy{"AsIssued", [](QByteArray pdf) { return pdf; }, 0,
                   {"Issued from this data folder, unaltered.", "Signed by: J. Smith",
                    "Certificate issued by: ARC 8130 shop authority", "Signature: intact",
                    "Changed after signing: no", "Issued by this shop's authority: yes"}},
        SignedCopy{"OneSignedByteChanged",
                   [](QByteArray pdf) {
                       pdf[pdf.indexOf("/Catalog") + 2] ^= 1;
                       return pdf;
                   },
                   1,
                   {"Changed after signing.", "Signed by: J. Smith",
                    "Signature: not intact. The signed bytes were changed after signing.",
                    "Changed after signing: yes", "Issued by this shop's authority: yes"}},
        SignedCopy{"BytesAppended", [](QByteArray pdf) { return pdf + "\n% added later\n"; }, 1,
                   {"Changed after signing.", "Signature: intact", "Changed after signing: yes"}},
        SignedCopy{"AStrangersSignedPage",
                   [](QByteArray) {
                       return arc::PdfSignature::sign(signing::blankPage(), strangersKey(), QRectF(36, 200, 180, 40))
                           .value();
                   },
                   1,
                   {"Not issued from this data folder.", "Signed by: A. Stranger",
                    "Certificate issued by: Other shop", "Signature: intact", "Changed after signing: no",
                    "Issued by this shop's authority: no"}}),
    [](const auto &info) { return std::string(info.param.name); });
