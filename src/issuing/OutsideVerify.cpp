#include "OutsideVerify.h"

#include "AuthorityVerification.h"
#include "DataFolder.h"
#include "DateText.h"
#include "IssueVerifier.h"
#include "RegularFile.h"

#include <QFile>
#include <QCoreApplication>
#include <cstdio>

namespace arc {

namespace {

// A page is far smaller; an authority's certificate and list are too.
constexpr qint64 kMaxPdf = 64 * 1024 * 1024;
constexpr qint64 kMaxAuthority = 1024 * 1024;
constexpr qint64 kMaxList = 16 * 1024 * 1024;

struct OutsideVerifyTexts {
    Q_DECLARE_TR_FUNCTIONS(OutsideVerify)
};

int refused(const QString &why) { return std::fprintf(stderr, "arc8130-verify: %s\n", qPrintable(why)), 2; }

} // namespace

std::optional<OutsideVerify> OutsideVerify::parse(int argc, char **argv)
{
    OutsideVerify v;
    QList<QByteArray> positional;
    for (int i = 1; i < argc; ++i) {
        const QByteArray arg(argv[i]);
        QByteArray *option = arg == "--ca" ? &v.authority : arg == "--crl" ? &v.crl : nullptr;
        if (option) {
            if (i + 1 >= argc || !option->isEmpty())
                return std::nullopt;
            *option = QByteArray(argv[++i]);
        } else if (arg.startsWith('-') || arg.isEmpty()) {
            return std::nullopt;
        } else {
            positional << arg;
        }
    }
    if (v.authority.isEmpty() || positional.isEmpty() || positional.size() > 2)
        return std::nullopt;
    v.pdf = positional.front();
    if (positional.size() == 2)
        v.source = DataFolder::sourceFromArgument(QFile::decodeName(positional.back()));
    return v;
}

int OutsideVerify::run() const
{
    QString error;
    const std::optional<QByteArray> page = RegularFile::read(pdf, kMaxPdf, error);
    if (!page)
        return refused(OutsideVerifyTexts::tr("%1 cannot be read: %2").arg(QFile::decodeName(pdf), error));
    const std::optional<QByteArray> pem = RegularFile::read(authority, kMaxAuthority, error);
    if (!pem)
        return refused(
            OutsideVerifyTexts::tr("the authority %1 cannot be read: %2").arg(QFile::decodeName(authority), error));
    std::optional<QByteArray> list = QByteArray();
    if (!crl.isEmpty() && !(list = RegularFile::read(crl, kMaxList, error)))
        return refused(
            OutsideVerifyTexts::tr("the revocation list %1 cannot be read: %2").arg(QFile::decodeName(crl), error));
    if (!crl.isEmpty() && list->isEmpty())
        return refused(OutsideVerifyTexts::tr("the revocation list %1 is empty").arg(QFile::decodeName(crl)));

    const AuthorityVerification::Result r = AuthorityVerification::check(*page, *pem, *list);
    if (!r.refusal.isEmpty())
        return refused(r.refusal);
    int status = r.status;
    if (!source.isEmpty()) {
        // Before anything is printed: a source that cannot be read is a refusal.
        const IssueVerifier::Result kept = IssueVerifier::verifyFile(pdf, source);
        using Outcome = IssueVerifier::Result::Outcome;
        if (kept.outcome == Outcome::Unreadable)
            return refused(kept.detail);
        if (kept.outcome == Outcome::NotIssued) {
            std::printf("%s\n", qPrintable(OutsideVerifyTexts::tr("Not issued from this data folder.")));
            status = status == 0 ? 1 : status;
        } else {
            if (kept.supersededBy) {
                std::printf("%s\n", qPrintable(OutsideVerifyTexts::tr("Superseded by correction %1 of %2.")
                                                   .arg(kept.supersededBy->tracking,
                                                        DateText::format(kept.supersededBy->issuedOn))));
                status = status == 0 ? 4 : status;
            }
            std::printf("%s\n", qPrintable(OutsideVerifyTexts::tr("Issued from this data folder, unaltered.\n"
                                                                  "Tracking number: %1")
                                               .arg(kept.record.tracking.trimmed())));
        }
    }
    for (const QString &line : r.lines)
        std::printf("%s\n", qPrintable(line));
    return status;
}

} // namespace arc
