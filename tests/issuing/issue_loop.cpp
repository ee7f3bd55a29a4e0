// Issues one certificate's page without end so that a test can kill it
// mid-issue: each page unique, its user copy to <outFolder>/copy<n>.pdf.
// Prints "<n>" after each issue.

#include "FolderArchive.h"
#include "IssueRecorder.h"
#include "DataFolder.h"
#include "SignedEntries.h"

#include <QCoreApplication>
#include <cstdio>

using namespace arc;

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: issue_loop <dataFolder> <outFolder>\n");
        return 1;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]), out = QString::fromLocal8Bit(argv[2]);
    DataFolder data;
    if (const DbStatus s = data.open(folder); !s.ok()) {
        std::fprintf(stderr, "open: %s\n", qPrintable(s.detail()));
        return 1;
    }
    qint64 key = data.certificates().scalar("SELECT max(FormIndex) FROM Header").toLongLong();
    if (key == 0 && !CertificateStore(data).save(signedEntries(), true, key).ok())
        return 1;
    for (int n = data.certificates().scalar("SELECT count(*) FROM IssueLog").toInt() + 1;; ++n) {
        FolderArchive archive(folder);
        IssueRequest r;
        r.formIndex = key;
        r.signatory = QStringLiteral("Pat Doe");
        // Large enough that a kill often lands inside a write.
        r.pdf = QByteArray("%PDF-1.4 page ") + QByteArray::number(n) + QByteArray(256 * 1024, ' ');
        r.userFile = QStringLiteral("%1copy%2.pdf").arg(out).arg(n);
        // Killed at any moment: the parent checks what each issue left.
        (void)IssueRecorder(data.certificates(), archive).record(r);
        std::printf("%d\n", n);
        std::fflush(stdout);
    }
}
