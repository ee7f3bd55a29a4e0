#include "DataCommand.h"

#include "EmbeddedDataCheck.h"

#include <QCoreApplication>
#include <QFile>
#include <QJsonDocument>

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace arc::DataCommand {

namespace {

// A signed page is far smaller.
constexpr qint64 kMaxFile = 64 * 1024 * 1024;

struct DataCommandTexts {
    Q_DECLARE_TR_FUNCTIONS(DataCommand)
};

// The bytes of a regular file of at most kMaxFile; anything else refused
// before it is read (a FIFO waits for a writer, a device may never end).
std::optional<QByteArray> regularFile(const QByteArray &path, QString &error)
{
    const int fd = ::open(path.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        error = qt_error_string(errno);
        return std::nullopt;
    }
    QFile file;
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        error = file.errorString();
        return std::nullopt;
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        error = DataCommandTexts::tr("it is not a regular file");
        return std::nullopt;
    }
    if (st.st_size > kMaxFile) {
        error = DataCommandTexts::tr("it is larger than a certificate's PDF can be");
        return std::nullopt;
    }
    QByteArray bytes = file.read(kMaxFile + 1);
    if (bytes.size() > kMaxFile) {
        error = DataCommandTexts::tr("it is larger than a certificate's PDF can be");
        return std::nullopt;
    }
    return bytes;
}

} // namespace

bool wanted(const QStringList &args)
{
    return args.contains(QLatin1String("--data")) || args.contains(QLatin1String("--json"));
}

int run(const QStringList &args, const QByteArray &path)
{
    for (const QString &arg : args.mid(2))
        if (arg != QLatin1String("--data") && arg != QLatin1String("--json"))
            return std::fprintf(stderr, "%s\n",
                                qPrintable(DataCommandTexts::tr("usage: arc8130-verify FILE.pdf --data [--json]"))),
                   2;
    QString error;
    const std::optional<QByteArray> pdf = regularFile(path, error);
    if (!pdf)
        return std::fprintf(stderr, "arc8130-verify: %s: %s\n", path.constData(), qPrintable(error)), 2;
    const EmbeddedDataCheck check = EmbeddedDataCheck::of(*pdf);
    if (!check.sound()) {
        std::printf("%s\n", qPrintable(check.detail));
        return 1;
    }
    const QByteArray out = args.contains(QLatin1String("--json"))
        ? QJsonDocument(check.json).toJson(QJsonDocument::Indented)
        : check.xml;
    std::fwrite(out.constData(), 1, std::size_t(out.size()), stdout);
    if (!out.endsWith('\n'))
        std::printf("\n");
    return 0;
}

} // namespace arc::DataCommand
