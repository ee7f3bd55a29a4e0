// What the crash and concurrency tests start, to kill at any moment or run
// several at once; each prints a line after every step. Failure exits 1.
//   save-loop FOLDER           save g stamps "G<g>" on Tracking and on its (g % 10) + 1
//                              lines' SerialNum, then prints "<g> <formIndex>"
//   first-start PROGRAM        "ready", then "done <microseconds>" once the folder opens
//   station SOURCE NAME COUNT  issues COUNT certificates, saving each twice, retrying a busy store
//   issue-loop FOLDER OUT      issues one page without end, user copy OUT/copy<n>.pdf; prints "<n>"
//   issue-run FOLDER K         issues every certificate as one run, printing "<n>" after each; after K prints "stopped" and waits
//   convert-steps FOLDER STOP  converts, printing each step; at STOP prints "stopped" and waits

#include "CertificateStore.h"
#include "DataFolder.h"
#include "DataFolderOpener.h"
#include "FolderArchive.h"
#include "IssueRecorder.h"
#include "IssueRuns.h"
#include "LegacyConverter.h"
#include "NewCertificateDefaults.h"
#include "SetupStore.h"
#include "SignedEntries.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QSqlQuery>
#include <QThread>
#include <utility>
#include <cstdio>
#include <functional>
#include <map>

using namespace arc;

namespace {

int fail(const char *what, const DbStatus &s = {})
{
    std::fprintf(stderr, "%s: %s\n", what, qPrintable(s.detail()));
    return 1;
}

void say(const QString &line)
{
    std::printf("%s\n", qPrintable(line));
    std::fflush(stdout);
}

int saveLoop(const QStringList &a, DataFolder &data)
{
    if (const DbStatus s = data.open(a[0]); !s.ok())
        return fail("open", s);
    Database &db = data.certificates();
    CertificateStore store(data);
    // Go on past what earlier runs stored, so that no save writes a stamp
    // some row already holds.
    qint64 g = db.scalar("SELECT max(CAST(substr(Tracking, 2) AS INTEGER)) FROM Header").toLongLong();
    for (DbStatus s;;) {
        const QString stamp = QStringLiteral("G%1").arg(++g);
        CertificateEntries e;
        e.tracking = stamp;
        for (int i = 0; i <= g % 10; ++i)
            e.lines[i].item = QString::number(i + 1), e.lines[i].serialNum = stamp;
        const QVariant key = QRandomGenerator::global()->bounded(2) == 0
                                 ? QVariant()
                                 : db.scalar("SELECT FormIndex FROM Header ORDER BY random() LIMIT 1", {}, &s);
        if (!s.ok())
            return fail("pick", s);
        qint64 formIndex = key.toLongLong();
        if (s = store.save(e, key.isNull(), formIndex); !s.ok())
            return fail("save", s);
        say(QStringLiteral("%1 %2").arg(g).arg(formIndex));
    }
}

int firstStart(const QStringList &a, DataFolder &data)
{
    say("ready");
    QElapsedTimer timer;
    timer.start();
    SetupStore setup;
    if (const DbStatus s = setup.open(a[0]); !s.ok())
        return fail("set-up", s);
    const OpenedFolder opened = DataFolderOpener::open(setup, data);
    if (opened.kind == OpenedFolder::Kind::Unusable)
        return fail("data folder", opened.status);
    say(QStringLiteral("done %1").arg(timer.nsecsElapsed() / 1000));
    return 0;
}

DbStatus patiently(const std::function<DbStatus()> &step)
{
    DbStatus s;
    for (int attempt = 0; attempt < 50; ++attempt, QThread::msleep(20))
        if (s = step(); !s.is(DbCondition::Locked))
            return s;
    return s;
}

int station(const QStringList &a, DataFolder &data)
{
    // Opening while the other station writes can find the file busy too.
    DbStatus s = patiently([&] { return data.open(a[0]); });
    if (!s.ok())
        return fail("open", s);
    CertificateStore store(data);
    for (int i = 0; i < a[2].toInt(); ++i) {
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
        e.remarks = QStringLiteral("%1 %2").arg(a[1]).arg(i);
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

int issueLoop(const QStringList &a, DataFolder &data)
{
    if (const DbStatus s = data.open(a[0]); !s.ok())
        return fail("open", s);
    qint64 key = data.certificates().scalar("SELECT max(FormIndex) FROM Header").toLongLong();
    if (key == 0 && !CertificateStore(data).save(signedEntries(), true, key).ok())
        return fail("save");
    for (int n = data.certificates().scalar("SELECT count(*) FROM IssueLog").toInt() + 1;; ++n) {
        FolderArchive archive(a[0]);
        IssueRequest r;
        r.formIndex = key;
        r.signatory = QStringLiteral("Pat Doe");
        // Large enough that a kill often lands inside a write.
        r.pdf = QByteArray("%PDF-1.4 page ") + QByteArray::number(n) + QByteArray(256 * 1024, ' ');
        r.userFile = QStringLiteral("%1copy%2.pdf").arg(a[1]).arg(n);
        // Killed at any moment: the parent checks what each issue left.
        (void)IssueRecorder(data.certificates(), archive).record(r);
        say(QString::number(n));
    }
}

int issueRun(const QStringList &a, DataFolder &data)
{
    if (const DbStatus s = data.open(a[0]); !s.ok())
        return fail("open", s);
    std::vector<qint64> keys;
    QSqlQuery q;
    if (!data.certificates().run(q, "SELECT FormIndex FROM Header ORDER BY FormIndex").ok())
        return fail("keys");
    while (q.next())
        keys.push_back(q.value(0).toLongLong());
    const IssueRuns::Begun begun = IssueRuns(data.certificates()).begin(keys, QStringLiteral("Pat Doe"));
    if (!begun.status.ok())
        return fail("begin", begun.status);
    FolderArchive archive(a[0]);
    int left = a[1].toInt();
    for (qint64 key : keys) {
        IssueRequest r;
        r.formIndex = key;
        r.signatory = QStringLiteral("Pat Doe");
        r.pdf = QByteArray("%PDF-1.4 page ") + QByteArray::number(key);
        if (!IssueRecorder(data.certificates(), archive).record(r).ok())
            return fail("issue");
        say(QString::number(key));
        if (--left == 0) {
            say("stopped");
            QThread::sleep(600);
        }
    }
    return 0;
}

int convertSteps(const QStringList &a, DataFolder &)
{
    int step = 0;
    QString last;
    // A step is told again while a slow one goes on: counted once.
    const ConversionReport report = LegacyConverter::convert(a[0], Progress([&](const QString &what, qint64, qint64) {
        if (std::exchange(last, what) == what)
            return true;
        say(what);
        if (++step == a[1].toInt()) {
            say("stopped");
            QThread::sleep(600);
        }
        return true;
    }));
    say(QStringLiteral("done %1").arg(step));
    return report.outcome == ConversionReport::Outcome::Converted ? 0 : 1;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const std::map<QString, std::pair<int, int (*)(const QStringList &, DataFolder &)>> modes = {
        {"save-loop", {1, saveLoop}},   {"first-start", {1, firstStart}},    {"station", {3, station}},
        {"issue-loop", {2, issueLoop}}, {"issue-run", {2, issueRun}}, {"convert-steps", {2, convertSteps}}};
    const QStringList args = app.arguments().mid(1);
    const auto mode = args.isEmpty() ? modes.end() : modes.find(args[0]);
    if (mode == modes.end() || args.size() != mode->second.first + 1) {
        std::fprintf(stderr, "usage: child MODE ARGUMENTS (see child.cpp)\n");
        return 2;
    }
    DataFolder data;
    return mode->second.second(args.mid(1), data);
}
