// One workstation of the concurrency test: starts `count` new certificates
// on the data source, each with the numbers the counters issue, saves it,
// then edits and saves it again. A save that finds the store busy is tried
// again; any other failure ends the program with exit code 1.

#include "CertificateStore.h"
#include "DataFolder.h"
#include "NewCertificateDefaults.h"

#include <QCoreApplication>
#include <QThread>
#include <cstdio>

using namespace arc;

static int fail(const char *what, const DbStatus &s)
{
    std::fprintf(stderr, "%s: %s\n", what, qPrintable(s.detail()));
    return 1;
}

template <typename Step>
static DbStatus patiently(Step step)
{
    DbStatus s;
    for (int attempt = 0; attempt < 50; ++attempt) {
        if (s = step(); !s.is(DbCondition::Locked))
            return s;
        QThread::msleep(20);
    }
    return s;
}

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 4)
        return fail("usage: station <source> <name> <count>", {});
    const QString name = QString::fromLocal8Bit(argv[2]);
    const int count = QString::fromLocal8Bit(argv[3]).toInt();
    DataFolder data;
    DbStatus s = data.open(QString::fromLocal8Bit(argv[1]));
    if (!s.ok())
        return fail("open", s);
    CertificateStore store(data);
    for (int i = 0; i < count; ++i) {
        std::optional<NewCertificateDefaults> issued;
        s = patiently([&] {
            DbStatus r;
            issued = NewCertificateDefaults::issue(data.defaults(), &r);
            return r;
        });
        if (!s.ok() || !issued)
            return fail("issue", s);
        CertificateEntries e;
        e.tracking = issued->tracking;
        e.invoice = issued->invoice;
        e.remarks = QStringLiteral("%1 %2").arg(name).arg(i);
        e.lines[0] = {"1", "VALVE", "PN-1", "1", issued->batch, "NEW", {}};
        qint64 key = 0;
        if (s = patiently([&] { return store.save(e, true, key); }); !s.ok())
            return fail("save new", s);
        e.remarks += QStringLiteral(" checked");
        if (s = patiently([&] { return store.save(e, false, key); }); !s.ok())
            return fail("save again", s);
    }
    return 0;
}
