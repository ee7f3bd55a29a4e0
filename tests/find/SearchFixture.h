#pragma once

#include "CertificateSearch.h"
#include "FoundCertificates.h"
#include "OpenedSource.h"

#include <QDate>
#include <QSqlQuery>
#include <QVariantMap>

// A data source opened (a data folder unless a test says otherwise) and a
// second connection to its certificates, standing for another program.
class SearchTest : public TempFolderTest {
protected:
    virtual arc::Engine engine() const { return arc::Engine::SQLite; }
    void SetUp() override
    {
        TempFolderTest::SetUp();
        ASSERT_NO_FATAL_FAILURE(opened.open(engine(), folder()));
        ASSERT_TRUE(opened.openAnother(other, arc::StoreKind::Certificates).ok());
    }

    // Another program inserts a row; returns the key of the last header.
    qint64 insert(const QString &table, const QVariantMap &values)
    {
        QStringList fields, marks;
        for (const QString &field : values.keys())
            fields << '"' + field + '"', marks << "?";
        EXPECT_TRUE(other.exec(QStringLiteral("INSERT INTO \"%1\" (%2) VALUES (%3)")
                                   .arg(table, fields.join(", "), marks.join(", ")),
                               values.values())
                        .ok());
        return other.scalar("SELECT max(\"FormIndex\") FROM \"Header\"").toLongLong();
    }
    // A line for each part number given.
    qint64 certificate(const QString &tracking, const QStringList &parts = {"P-1"}, QVariantMap header = {})
    {
        header.insert("Tracking", tracking);
        const qint64 key = insert("Header", header);
        for (int i = 0; i < parts.size(); ++i)
            insert("Detail", {{"FormIndex", key}, {"Item", QString::number(i + 1)}, {"PartNum", parts[i]}});
        return key;
    }

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
    // The copies the next search must fold.
    int staleCopies()
    {
        return other.scalar("SELECT (SELECT count(*) FROM \"HeaderFold\" WHERE \"Fresh\" IS NULL) + "
                            "(SELECT count(*) FROM \"DetailFold\" WHERE \"Fresh\" IS NULL)")
            .toInt();
    }
    QStringList found(const std::vector<arc::SearchCondition> &conditions)
    {
        const arc::DbStatus s = arc::CertificateSearch::show(data, conditions);
        EXPECT_TRUE(s.ok()) << s.detail().toStdString();
        return walked();
    }

    // The certificates `conditions` find, listed sorted by `order`, read a
    // page of `page` at a time to the end.
    std::vector<arc::FoundCertificate> sortedList(const std::vector<arc::SearchCondition> &conditions,
                                                  arc::FoundCertificates::ListOrder order, bool descending = false, int page = 10)
    {
        EXPECT_TRUE(arc::CertificateSearch::show(data, conditions).ok());
        arc::FoundCertificates list(data.header());
        EXPECT_TRUE(list.start().ok());
        list.sortBy(order, descending);
        std::vector<arc::FoundCertificate> out;
        for (int guard = 0; !list.atEnd() && guard < 100; ++guard)
            EXPECT_TRUE(list.more(page, out).ok());
        return out;
    }
    static QStringList trackings(const std::vector<arc::FoundCertificate> &found)
    {
        QStringList out;
        for (const arc::FoundCertificate &c : found)
            out << c.tracking;
        return out;
    }

    OpenedSource opened;
    arc::DataFolder &data = opened.data;
    arc::Database other;
};

// The same, once on a data folder and once on a server database.
class SearchOnEngine : public SearchTest, public ::testing::WithParamInterface<arc::Engine> {
protected:
    arc::Engine engine() const override { return GetParam(); }
};
