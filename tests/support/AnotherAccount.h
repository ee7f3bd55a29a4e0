#pragma once

#include <QFile>
#include <QStringList>
#include <sys/fsuid.h>
#include <sys/stat.h>
#include <unistd.h>

// While it lives, `shut` (a folder) is closed to any account but its
// owner's, as a folder another account made owner-only is, and this thread
// opens files as another account would: as root, with the file-system ids
// of "nobody" (which drops root's right to read everything), for whom the
// `passable` folders are opened; otherwise the folder is closed even to its
// owner.
class AnotherAccount {
public:
    AnotherAccount(const QString &shut, const QStringList &passable) : m_shut(QFile::encodeName(shut))
    {
        m_root = ::geteuid() == 0;
        for (const QString &path : passable)
            ::chmod(QFile::encodeName(path).constData(), 0755);
        ::chmod(m_shut.constData(), m_root ? 0700 : 0);
        if (m_root) {
            ::setfsgid(kNobody);
            ::setfsuid(kNobody);
        }
    }
    ~AnotherAccount()
    {
        if (m_root) {
            ::setfsuid(0);
            ::setfsgid(0);
        }
        ::chmod(m_shut.constData(), 0700);
    }
    AnotherAccount(const AnotherAccount &) = delete;
    AnotherAccount &operator=(const AnotherAccount &) = delete;

private:
    static constexpr uid_t kNobody = 65534;
    QByteArray m_shut;
    bool m_root = false;
};
