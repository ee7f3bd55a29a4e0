#include "WebSource.h"

#include "DataFolder.h"
#include "StoredFiles.h"

#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace arc {

namespace {

// A name the source keeps: one folder and one file name below the source,
// nothing that climbs out of it.
bool isKeptName(const QString &name)
{
    const QStringList parts = name.split(QLatin1Char('/'));
    return parts.size() == 2 && (parts[0] == QLatin1String("Issued") || parts[0] == QLatin1String("Keys"))
           && !parts[1].isEmpty() && !parts[1].startsWith(QLatin1Char('.')) && !parts[1].contains(QLatin1Char('\\'))
           && !parts[1].contains(QChar(0));
}

// A plain file only, never a link, a FIFO or a device; read whole.
DbStatus readPlainFile(const QString &path, qint64 maxBytes, QByteArray &content)
{
    const QByteArray encoded = QFile::encodeName(path);
    const int fd = ::open(encoded.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        return errno == ENOENT ? DbStatus::failure(DbCondition::ItemNotFound, path)
                               : DbStatus::failure(DbCondition::Other, QStringLiteral("%1: %2").arg(path, qt_error_string(errno)));
    QFile file;
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return DbStatus::failure(DbCondition::Other, path);
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || st.st_size > maxBytes)
        return DbStatus::failure(DbCondition::ItemNotFound, path);
    content = file.read(maxBytes + 1);
    if (content.size() > maxBytes)
        return DbStatus::failure(DbCondition::ItemNotFound, path);
    return {};
}

} // namespace

WebSource::WebSource(QString source) : m_source(std::move(source)), m_server(DataFolder::isServer(m_source)) {}

DbStatus WebSource::open()
{
    if (m_server) {
        DbStatus s = m_certificates.openServer(m_source, StoreKind::Certificates, Database::Mode::ReadOnly);
        if (s.ok())
            s = m_reference.openServer(m_source, StoreKind::Reference, Database::Mode::ReadOnly);
        return s;
    }
    return m_certificates.open(m_source + Schema::fileName(StoreKind::Certificates), StoreKind::Certificates,
                               Database::Mode::ReadOnly);
}

bool WebSource::stillThere() const
{
    // An open file removed or moved away reads on as it was: the register
    // that goes away is missed by its name.
    return m_server || QFileInfo::exists(m_certificates.filePath());
}

DbStatus WebSource::ready()
{
    if (m_certificates.isOpen() && stillThere())
        return {};
    lost();
    const DbStatus s = open();
    if (!s.ok())
        lost();
    return s;
}

void WebSource::lost()
{
    m_certificates.close();
    m_reference.close();
}

DbStatus WebSource::file(const QString &name, qint64 maxBytes, QByteArray &content)
{
    content.clear();
    if (!isKeptName(name))
        return DbStatus::failure(DbCondition::ItemNotFound, name);
    if (!m_server)
        return readPlainFile(m_source + name, maxBytes, content);
    const DbStatus s = StoredFiles::read(m_reference, name, content);
    if (s.ok() && content.size() > maxBytes) {
        content.clear();
        return DbStatus::failure(DbCondition::ItemNotFound, name);
    }
    return s;
}

} // namespace arc
