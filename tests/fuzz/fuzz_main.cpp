// arc_fuzz [--seconds N] [--seed S] [--seeds DIR] [--write-seeds DIR] [TARGET...]
// Drives each target (all without one named) with inputs mutated from its
// seeds, for N seconds in all (30 unless told), the same inputs in the same
// order for the same seed. A fault ends the run: the input that caused it
// is kept as fuzz-crash-TARGET.bin in the current folder first.
// --write-seeds writes each target's seeds to DIR/TARGET/ and stops: a
// corpus for libFuzzer.

#include "FuzzTargets.h"
#include "Mutator.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>

#include <csignal>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace {

// What the signal handler writes out: set before each input is run.
const char *g_input = nullptr;
qsizetype g_size = 0;
char g_crashFile[256] = {};
struct sigaction g_previous[32];
const int kSignals[] = {SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGABRT};

// Only async-signal-safe calls: the input goes to a file, then the signal
// goes on to whoever handled it before (a sanitizer, or the default).
void keepCrashingInput(int signal)
{
    const int fd = ::open(g_crashFile, O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd >= 0) {
        for (qsizetype done = 0; g_input && done < g_size;) {
            const ssize_t n = ::write(fd, g_input + done, size_t(g_size - done));
            if (n <= 0)
                break;
            done += n;
        }
        ::close(fd);
    }
    static const char said[] = "fuzz: a fault; the input is kept in ";
    (void)!::write(2, said, sizeof said - 1);
    (void)!::write(2, g_crashFile, std::strlen(g_crashFile));
    (void)!::write(2, "\n", 1);
    sigaction(signal, &g_previous[signal], nullptr);
    if (signal == SIGABRT)
        raise(signal);
    // A fault returns to the instruction that made it, now with the handler
    // from before.
}

void watch(const char *target)
{
    std::snprintf(g_crashFile, sizeof g_crashFile, "fuzz-crash-%s.bin", target);
    struct sigaction action {};
    action.sa_handler = keepCrashingInput;
    sigemptyset(&action.sa_mask);
    for (const int s : kSignals)
        sigaction(s, &action, &g_previous[s]);
}

void run(const fuzz::Target &target, const QByteArray &input)
{
    g_input = input.constData();
    g_size = input.size();
    target.run(input);
}

QList<QByteArray> seedsOf(const fuzz::Target &target, const QString &folder)
{
    QList<QByteArray> seeds = target.seeds();
    if (folder.isEmpty())
        return seeds;
    const QDir dir(QDir(folder).filePath(QString::fromLatin1(target.name)));
    for (const QString &name : dir.entryList(QDir::Files, QDir::Name)) {
        QFile f(dir.filePath(name));
        if (f.open(QIODevice::ReadOnly))
            seeds << f.read(1 << 20);
    }
    return seeds;
}

int usage()
{
    std::fprintf(stderr, "usage: arc_fuzz [--seconds N] [--seed S] [--seeds DIR] [--write-seeds DIR] [TARGET...]\n");
    return 2;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QStringList args = QCoreApplication::arguments().mid(1);
    double seconds = 30;
    quint64 seed = 1;
    QString seedFolder, writeTo;
    QList<const fuzz::Target *> chosen;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString &a = args[i];
        const bool valued = a == "--seconds" || a == "--seed" || a == "--seeds" || a == "--write-seeds";
        if (valued && i + 1 >= args.size())
            return usage();
        bool ok = true;
        if (a == "--seconds")
            seconds = args[++i].toDouble(&ok);
        else if (a == "--seed")
            seed = args[++i].toULongLong(&ok);
        else if (a == "--seeds")
            seedFolder = args[++i];
        else if (a == "--write-seeds")
            writeTo = args[++i];
        else if (const fuzz::Target *t = fuzz::target(a.toLatin1()))
            chosen << t;
        else
            return usage();
        if (!ok || seconds < 0)
            return usage();
    }
    if (chosen.isEmpty())
        for (const fuzz::Target &t : fuzz::targets())
            chosen << &t;

    if (!writeTo.isEmpty()) {
        for (const fuzz::Target *t : chosen) {
            const QDir dir(QDir(writeTo).filePath(QString::fromLatin1(t->name)));
            const QList<QByteArray> seeds = seedsOf(*t, seedFolder);
            for (qsizetype i = 0; i < seeds.size(); ++i) {
                QFile f(dir.filePath(QStringLiteral("seed-%1").arg(i)));
                if (!QDir().mkpath(dir.path()) || !f.open(QIODevice::WriteOnly) || f.write(seeds[i]) != seeds[i].size())
                    return std::fprintf(stderr, "arc_fuzz: %s cannot be written\n", qPrintable(f.fileName())), 1;
            }
        }
        return 0;
    }

    // The PDF reader gets half the time: its inputs are the largest. Making
    // the seeds (keys, under a sanitizer slowly) counts against the time.
    const QDeadlineTimer end(qint64(seconds * 1000));
    const auto shareOf = [&](const fuzz::Target *t) {
        return std::strcmp(t->name, "pdf-signature") == 0 ? chosen.size() : qsizetype(1);
    };
    qsizetype shares = 0;
    for (const fuzz::Target *t : chosen)
        shares += shareOf(t);
    for (const fuzz::Target *t : chosen) {
        watch(t->name);
        fuzz::Mutator mutator(seed);
        QList<QByteArray> pool = seedsOf(*t, seedFolder);
        const qsizetype seeds = pool.size();
        for (const QByteArray &s : std::as_const(pool))
            run(*t, s);
        if (pool.isEmpty())
            pool << QByteArray();
        QDeadlineTimer deadline(end.remainingTime() * shareOf(t) / shares);
        shares -= shareOf(t);
        qint64 inputs = 0;
        while (!deadline.hasExpired()) {
            // Half the time from a seed, so that inputs stay whole enough to go deep.
            const qsizetype from = mutator.below(2) == 0 ? mutator.below(seeds ? seeds : 1) : mutator.below(pool.size());
            const QByteArray input = mutator.mutated(pool[from], pool, t->tokens);
            run(*t, input);
            ++inputs;
            // Some inputs are kept to be mutated further, up to a bound.
            if (mutator.below(16) == 0) {
                if (pool.size() < 1024)
                    pool << input;
                else
                    pool[seeds + mutator.below(pool.size() - seeds)] = input;
            }
        }
        std::printf("fuzz: %s: %lld seeds and %lld mutated inputs, no fault\n", t->name, qint64(seeds), inputs);
    }
    return 0;
}
