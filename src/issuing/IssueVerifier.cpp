#include "IssueVerifier.h"

#include "AuthorityCertificate.h"

#include "DataFolder.h"
#include "Database.h"
#include "IssueLog.h"
#include "ProgramFolder.h"
#include "RegularFile.h"
#include "ServerUri.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace arc {

namespace {

struct IssueVerifierTexts {
    Q_DECLARE_TR_FUNCTIONS(IssueVerifier)
};

// A page is far smaller; a larger file is hashed but its signature not read.
constexpr qint64 kMaxSigned = 64 * 1024 * 1024;

// The report lines of a signature; outside the class, as lupdate does not
// know it.
QStringList linesOf(const IssueVerifier::Result &r)
{
    if (!r.signature.isSigned)
        return {IssueVerifierTexts::tr("Digital signature: none")};
    const auto yesNo = [](bool yes) { return yes ? IssueVerifierTexts::tr("yes") : IssueVerifierTexts::tr("no"); };
    QString byAuthority = yesNo(r.signature.fromAuthority);
    if (!r.authorityProblem.isEmpty())
        byAuthority = IssueVerifierTexts::tr("cannot be told: %1").arg(r.authorityProblem);
    else if (!r.hasAuthority)
        byAuthority = IssueVerifierTexts::tr("no (this data source keeps no shop authority)");
    const QString unknown = IssueVerifierTexts::tr("cannot be told");
    const QString signer = r.signature.signer.isEmpty() ? unknown : r.signature.signer;
    const QString issuer = r.signature.issuer.isEmpty() ? unknown : r.signature.issuer;
    return {IssueVerifierTexts::tr("Signed by: %1").arg(signer),
            IssueVerifierTexts::tr("Certificate issued by: %1").arg(issuer),
            r.signature.intact ? IssueVerifierTexts::tr("Signature: intact")
                               : IssueVerifierTexts::tr("Signature: not intact. %1").arg(r.signature.problem),
            IssueVerifierTexts::tr("Changed after signing: %1").arg(yesNo(r.changedAfterSigning())),
            IssueVerifierTexts::tr("Issued by this shop's authority: %1").arg(byAuthority)};
}

} // namespace

IssueVerifier::Result IssueVerifier::verify(const QString &pdfPath, const QString &dataFolder)
{
    return verifyFile(QFile::encodeName(pdfPath), dataFolder);
}

IssueVerifier::Result IssueVerifier::verifyFile(const QByteArray &pdfPath, const QString &dataFolder)
{
    Result r;
    QString error;
    QByteArray bytes;
    const std::optional<QByteArray> sha256 = RegularFile::sha256(pdfPath, bytes, kMaxSigned, error);
    if (!sha256) {
        r.outcome = Result::Outcome::Unreadable;
        r.detail = IssueVerifierTexts::tr("%1 cannot be read: %2").arg(QFile::decodeName(pdfPath), error);
        return r;
    }
    const QByteArray authority = authorityCertificateOf(dataFolder, &r.authorityProblem);
    r.hasAuthority = !authority.isEmpty();
    r.signature = SignatureReport::of(bytes, authority);
    Database db;
    const bool server = DataFolder::isServer(dataFolder);
    const DbStatus opened = server ? db.openServer(dataFolder, StoreKind::Certificates)
                                   : db.open(dataFolder + Schema::fileName(StoreKind::Certificates),
                                             StoreKind::Certificates, Database::Mode::ReadOnly);
    // A server is named without its password.
    const QString source = ServerUri::withoutPassword(dataFolder);
    // A file of an earlier version, which the program has not opened since,
    // has issued nothing.
    if (opened.is(DbCondition::ReadOnly))
        return r;
    if (!opened.ok()) {
        r.outcome = Result::Outcome::Unreadable;
        r.detail = IssueVerifierTexts::tr("the data folder %1 cannot be read: %2").arg(source, opened.detail());
        return r;
    }
    DbStatus s;
    const std::optional<IssueRecord> found =
        IssueLog(db).withPdfSha256(QString::fromLatin1(sha256->toHex()), &s);
    if (!s.ok()) {
        r.outcome = Result::Outcome::Unreadable;
        r.detail = IssueVerifierTexts::tr("the issue log of %1 cannot be read: %2").arg(source, s.detail());
    } else if (found) {
        r.outcome = Result::Outcome::Issued;
        r.record = *found;
        r.supersededBy = Supersession::of(db, found->formIndex, &s);
        if (!s.ok()) {
            r.outcome = Result::Outcome::Unreadable;
            r.detail = IssueVerifierTexts::tr("the corrections of %1 cannot be read: %2").arg(source, s.detail());
        }
    }
    return r;
}

QStringList IssueVerifier::Result::signatureLines() const { return linesOf(*this); }

std::optional<QString> IssueVerifier::recordedDataFolder(const ProgramFolders &folders, QString *error)
{
    // As the program reads it: its own folder's file, or the per-user copy
    // that replaced it where the program's folder cannot be written.
    const QString own = QDir(folders.program).filePath(Schema::fileName(StoreKind::Setup));
    const QString copy = QDir(folders.perUser.isEmpty() ? folders.program : folders.perUser)
                             .filePath(Schema::fileName(StoreKind::Setup));
    const QString path = !folders.programWritable && QFileInfo::exists(copy) ? copy : own;
    Database db;
    if (const DbStatus s = db.open(path, StoreKind::Setup, Database::Mode::ReadOnly); !s.ok()) {
        if (error)
            *error = IssueVerifierTexts::tr("%1 cannot be read: %2").arg(path, s.detail());
        return std::nullopt;
    }
    const QVariant folder = db.scalar(QStringLiteral("SELECT \"DataPath\" FROM \"Setup\" LIMIT 1"));
    if (folder.isNull() || folder.toString().trimmed().isEmpty()) {
        if (error)
            *error = IssueVerifierTexts::tr("%1 records no data folder").arg(path);
        return std::nullopt;
    }
    if (DataFolder::isServer(folder.toString()))
        return folder.toString();
    return ProgramFolder::withSlash(folder.toString());
}

} // namespace arc
