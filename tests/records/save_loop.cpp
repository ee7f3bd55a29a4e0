// Saves certificates without end so that a test can kill it mid-save.
// Save number g stamps "G<g>" on the header's Tracking and on the SerialNum
// of each of its (g % 10) + 1 lines: a certificate whose header and lines
// disagree was saved only in part. Prints "<g> <formIndex>" after each save.

#include "CertificateStore.h"
#include "DataFolder.h"

#include <QCoreApplication>
#include <QRandomGenerator>
#include <cstdio>

using namespace arc;

static int fail(const char *what, const DbStatus &s)
{
    std::fprintf(stderr, "%s: %s\n", what, qPrintable(s.detail()));
    return 1;
}

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 2)
        return fail("usage: save_loop <dataFolder>", {});
    DataFolder data;
    DbStatus s = data.open(QString::fromLocal8Bit(argv[1]));
    if (!s.ok())
        return fail("open", s);
    Database &db = data.certificates();
    CertificateStore store(data);

    // Go on past what earlier runs stored, so that no save writes a stamp
    // some row already holds.
    qint64 g = db.scalar("SELECT max(CAST(substr(Tracking, 2) AS INTEGER)) FROM Header").toLongLong();
    for (;;) {
        const QString stamp = QStringLiteral("G%1").arg(++g);
        CertificateEntries e;
        e.tracking = stamp;
        for (int i = 0; i <= g % 10; ++i) {
            e.lines[i].item = QString::number(i + 1);
            e.lines[i].serialNum = stamp;
        }
        bool asNew = QRandomGenerator::global()->bounded(2) == 0;
        qint64 formIndex = 0;
        if (!asNew) {
            const QVariant key = db.scalar("SELECT FormIndex FROM Header ORDER BY random() LIMIT 1", {}, &s);
            if (!s.ok())
                return fail("pick", s);
            asNew = key.isNull();
            formIndex = key.toLongLong();
        }
        if (s = store.save(e, asNew, formIndex); !s.ok())
            return fail("save", s);
        std::printf("%lld %lld\n", g, formIndex);
        std::fflush(stdout);
    }
}
