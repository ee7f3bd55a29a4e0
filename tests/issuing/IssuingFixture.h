#pragma once

#include "CertificateStore.h"
#include "SignedEntries.h"
#include "DataFolder.h"
#include "TempFolder.h"

#include <QDate>

// A data folder of the test's own, open as the program opens it.
class IssuingTest : public TempFolderTest {
protected:
    void SetUp() override
    {
        TempFolderTest::SetUp();
        ASSERT_TRUE(arc::DataFolder::create(folder()).ok());
        ASSERT_TRUE(data.open(folder()).ok());
    }

    static arc::CertificateEntries entries(const QString &tracking = "000123") { return signedEntries(tracking); }
    qint64 save(const arc::CertificateEntries &e)
    {
        qint64 key = 0;
        EXPECT_TRUE(arc::CertificateStore(data).save(e, true, key).ok());
        return key;
    }
    // A statement of another program, on the certificates file.
    void sql(const QString &statement, const QVariantList &binds = {})
    {
        const arc::DbStatus s = data.certificates().exec(statement, binds);
        ASSERT_TRUE(s.ok()) << statement.toStdString() << ": " << s.detail().toStdString();
    }

    arc::DataFolder data;
};
