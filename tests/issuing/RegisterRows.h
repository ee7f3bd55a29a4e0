#pragma once

#include "Database.h"
#include "RegisterExport.h"

#include <gtest/gtest.h>
#include <vector>

// The register's rows of a period, as the export writes them.
inline std::vector<QStringList> registerRows(arc::Database &certificates, QDate from = {}, QDate to = {})
{
    std::vector<QStringList> out;
    const arc::DbStatus s = arc::RegisterExport::rows(certificates, {from, to}, out);
    EXPECT_TRUE(s.ok()) << s.detail().toStdString();
    return out;
}

// The named columns of each row, joined by "|".
inline QStringList registerColumns(const std::vector<QStringList> &rows, const QStringList &names)
{
    const QStringList header = arc::RegisterExport::header();
    QStringList out;
    for (const QStringList &row : rows) {
        QStringList picked;
        for (const QString &name : names)
            picked << row.value(header.indexOf(name));
        out << picked.join('|');
    }
    return out;
}
