#pragma once

#include "ProgramRun.h"
#include "TempFolder.h"

#include <QDir>
#include <QFile>

// A SoftHSM token of the test's own in `folder`: SOFTHSM2_CONF points at a
// configuration there for as long as the object lives.
class SoftHsmToken {
public:
    static inline const QString kModule = QStringLiteral("/usr/lib/softhsm/libsofthsm2.so");
    static inline const QString kPin = QStringLiteral("123456");

    // Call under ASSERT_NO_FATAL_FAILURE; skipped where SoftHSM is missing.
    void make(const QString &folder, const QString &label = QStringLiteral("Inspector"))
    {
        if (!QFile::exists(kModule))
            GTEST_SKIP() << "SoftHSM is missing (./dev.sh installs softhsm2)";
        m_tokens = folder + "tokens";
        ASSERT_TRUE(QDir().mkpath(m_tokens));
        writeFile(folder + "softhsm2.conf",
                  QStringLiteral("directories.tokendir = %1\nobjectstore.backend = file\nlog.level = ERROR\n")
                      .arg(m_tokens)
                      .toUtf8());
        m_before = qgetenv("SOFTHSM2_CONF");
        qputenv("SOFTHSM2_CONF", (folder + "softhsm2.conf").toUtf8());
        ASSERT_NO_FATAL_FAILURE(addToken(label));
    }
    ~SoftHsmToken()
    {
        if (m_before.isEmpty())
            qunsetenv("SOFTHSM2_CONF");
        else
            qputenv("SOFTHSM2_CONF", m_before);
    }

    void addToken(const QString &label)
    {
        const ProgramRun made = ProgramRun::of("softhsm2-util", {"--init-token", "--free", "--label", label, "--so-pin",
                                                                 "87654321", "--pin", kPin});
        ASSERT_EQ(made.exit, 0) << made.said.toStdString();
    }
    // A key pair made on the token: `type` as pkcs11-tool takes it
    // ("EC:prime256v1", "rsa:1024"), `usage` "--usage-sign" or another.
    void addKey(const QString &id, const QString &type = QStringLiteral("EC:prime256v1"),
                const QString &usage = QStringLiteral("--usage-sign"), const QString &label = QStringLiteral("Inspector"))
    {
        const ProgramRun made = ProgramRun::of("pkcs11-tool", {"--module", kModule, "--token-label", label, "--login",
                                                               "--pin", kPin, "--keypairgen", "--key-type", type,
                                                               "--id", id, "--label", "sig" + id, usage});
        ASSERT_EQ(made.exit, 0) << made.said.toStdString();
    }
    // What pkcs11-tool lists of the token's objects, logged in.
    QString objects(const QString &label = QStringLiteral("Inspector")) const
    {
        return ProgramRun::of("pkcs11-tool", {"--module", kModule, "--token-label", label, "--login", "--pin", kPin,
                                              "--list-objects"})
            .said;
    }
    // As if the token were pulled out: its store is gone.
    void remove() { QDir(m_tokens).removeRecursively(); }

private:
    QString m_tokens;
    QByteArray m_before;
};
