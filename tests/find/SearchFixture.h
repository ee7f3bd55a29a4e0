#pragma once

#include "CertificateSearch.h"
#include "DataFolder.h"
#include "Database.h"
#include "TempFolder.h"

#include <QDate>
#include <QVariantMap>

// A data folder open as the program opens it, and a second connection to
// its certificates file standing for another program writing to it.
class SearchTest : public TempFolderTest {
protected:
    void SetUp() override
    {
        TempFolderTest::SetUp();
        ASSERT_TRUE(arc::DataFolder::create(folder()).ok());
        ASSERT_TRUE(data.open(folder()).ok());
        ASSERT_TRUE(other.open(folder() + "VELLORAN.MDB", arc::StoreKind::Certificates).ok());
    }

    // Another program inserts a row; returns its key.
    qint64 insert(const QString &table, const QVariantMap &values)
    {
        QStringList marks(values.size(), QStringLiteral("?"));
        QSqlQuery q;
        EXPECT_TRUE(other.run(q, QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                                     .arg(table, values.keys().join(", "), marks.join(", ")),
                              values.values())
                        .ok());
        return q.lastInsertId().toLongLong();
    }
    // A certificate known by its tracking number, with a line for each
    // part number given.
    qint64 certificate(const QString &tracking, const QStringList &parts = {"P-1"}, QVariantMap header = {})
    {
        header.insert("Tracking", tracking);
        const qint64 key = insert("Header", header);
        for (int i = 0; i < parts.size(); ++i)
            insert("Detail", {{"FormIndex", key}, {"Item", QString::number(i + 1)}, {"PartNum", parts[i]}});
        return key;
    }

    // The tracking numbers the header view walks, first to last.
    QStringList walked()
    {
        QStringList out;
        arc::DataView &h = data.header();
        EXPECT_TRUE(h.moveFirst().ok());
        for (int guard = 0; h.hasRow() && guard < 100; ++guard) {
            out << h.text("Tracking");
            EXPECT_TRUE(h.moveNext().ok());
        }
        return out;
    }
    QStringList found(const std::vector<arc::SearchCondition> &conditions)
    {
        const arc::DbStatus s = arc::CertificateSearch::show(data, conditions);
        EXPECT_TRUE(s.ok()) << s.detail().toStdString();
        return walked();
    }
    static arc::SearchCondition text(const char *table, const char *field, const QString &beginning)
    {
        return {table, field, beginning, {}};
    }
    static arc::SearchCondition day(const char *field, QDate d) { return {"Header", field, {}, d}; }

    arc::DataFolder data;
    arc::Database other;
};
