// arc8130-verify FILE.pdf [DATAFOLDER | postgresql://...]
// arc8130-verify FILE.pdf --ca AUTHORITY.pem [--crl AUTHORITY.crl] [DATAFOLDER | postgresql://...]
// arc8130-verify FILE.pdf --data [--json]
// Says whether a certificate PDF is a page issued from the data folder,
// unaltered: its hash is one the folder's issue log names; and what its
// digital signature says: who signed, under which authority, whether it is
// intact and whether that authority is the data folder's own; whether an
// issued correction superseded it; and what the check before printing found
// and the user printed anyway. With --ca, as a recipient outside the shop
// checks it: against the authority given, with no data source needed.

#include "DataCommand.h"
#include "DataFolder.h"
#include "OutsideVerify.h"
#include "DateText.h"
#include "IssueVerifier.h"
#include "ProgramFolder.h"

#include <QCoreApplication>
#include <cstdio>

namespace {

struct VerifyTexts {
    Q_DECLARE_TR_FUNCTIONS(VerifyCommand)
};

int usage()
{
    std::fprintf(stderr, "%s",
                 qPrintable(VerifyTexts::tr(
                     "usage: arc8130-verify FILE.pdf [DATAFOLDER]\n"
                     "       arc8130-verify FILE.pdf --ca AUTHORITY.pem [--crl AUTHORITY.crl] [DATAFOLDER]\n"
                     "  DATAFOLDER defaults to the data folder recorded in setupARC.mdb beside the program\n"
                     "  (with --ca, no data folder is read unless one is named)\n")));
    return 2;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    // The program's names: its per-user folder is found under them.
    QCoreApplication::setApplicationName(QStringLiteral("ARC 8130"));
    QCoreApplication::setOrganizationName(QStringLiteral("ARC 8130"));
    const QStringList args = QCoreApplication::arguments();
    if (args.size() >= 3 && arc::DataCommand::wanted(args))
        return arc::DataCommand::run(args, QByteArray(argv[1]));
    if (args.contains(QStringLiteral("--ca")) || args.contains(QStringLiteral("--crl"))) {
        const std::optional<arc::OutsideVerify> outside = arc::OutsideVerify::parse(argc, argv);
        return outside ? outside->run() : usage();
    }
    if (args.size() < 2 || args.size() > 3 || args.at(1).startsWith(QLatin1Char('-')))
        return usage();

    QString folder;
    if (args.size() == 3) {
        folder = arc::DataFolder::sourceFromArgument(args.at(2));
    } else {
        QString error;
        const std::optional<QString> recorded = arc::IssueVerifier::recordedDataFolder(arc::ProgramFolder::locate(), &error);
        if (!recorded)
            return std::fprintf(stderr, "arc8130-verify: %s\n",
                                qPrintable(VerifyTexts::tr("%1; name the data folder").arg(error))),
                   2;
        folder = *recorded;
    }

    // The name as given, byte for byte: decoding it may lose what is not UTF-8.
    const arc::IssueVerifier::Result r = arc::IssueVerifier::verifyFile(QByteArray(argv[1]), folder);
    using Outcome = arc::IssueVerifier::Result::Outcome;
    if (r.outcome == Outcome::Unreadable)
        return std::fprintf(stderr, "arc8130-verify: %s\n", qPrintable(r.detail)), 2;
    const auto signatureLines = [&r] {
        for (const QString &line : r.signatureLines())
            std::printf("%s\n", qPrintable(line));
    };
    if (r.outcome == Outcome::NotIssued) {
        // A signed page altered since is told as such, not as a stranger's.
        std::printf("%s\n", qPrintable(r.changedAfterSigning() ? VerifyTexts::tr("Changed after signing.")
                                                               : VerifyTexts::tr("Not issued from this data folder.")));
        if (r.signature.isSigned)
            signatureLines();
        return 1;
    }
    // Genuine, but no longer the certificate that stands.
    if (r.supersededBy)
        std::printf("%s\n",
                    qPrintable(VerifyTexts::tr("Superseded by correction %1 of %2.")
                                   .arg(r.supersededBy->tracking, arc::DateText::format(r.supersededBy->issuedOn))));
    std::printf("%s\n", qPrintable(VerifyTexts::tr("Issued from this data folder, unaltered.\n"
                                                   "Tracking number: %1\n"
                                                   "Issued: %2 (%3)\n"
                                                   "Signatory: %4\n"
                                                   "Copies: %5\n"
                                                   "Archived as: %6")
                                       .arg(r.record.tracking.trimmed(), arc::DateText::format(r.record.localDay()),
                                            r.record.issuedAt.toString(Qt::ISODate), r.record.signatory,
                                            QString::number(r.record.copies), r.record.pdfFile)));
    std::printf("%s\n", qPrintable(r.record.passedFindings.isEmpty() ? VerifyTexts::tr("Findings printed anyway: none")
                                                                     : VerifyTexts::tr("Findings printed anyway:")));
    for (const QString &finding : r.record.passedFindings)
        std::printf("  %s\n", qPrintable(finding));
    signatureLines();
    // 4 before 0: a superseded page must not pass a script as the one that stands.
    return r.supersededBy ? 4 : 0;
}
