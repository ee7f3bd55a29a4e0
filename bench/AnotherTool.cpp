#include "AnotherTool.h"

#include "Database.h"
#include "Schema.h"
#include "SqlDialect.h"

namespace arc::bench {

DbStatus rewriteAsAnotherTool(Database &db)
{
    QStringList statements, deletes;
    for (const char *name : {"Header", "Detail"}) {
        const TableDef *table = Schema::table(QLatin1String(name));
        const QString key = SqlDialect::rowIdOf(*table);
        QStringList columns;
        for (const FieldDef &f : table->fields)
            if (SqlDialect::quoted(f.name) != key)
                columns << SqlDialect::quoted(f.name);
        const QString copy = QStringLiteral("arc_bench_%1").arg(QLatin1String(name));
        const QString list = columns.join(QStringLiteral(", "));
        statements << QStringLiteral("CREATE TEMP TABLE IF NOT EXISTS %1 AS SELECT %2 AS k, %3 FROM %4")
                          .arg(copy, key, list, SqlDialect::quoted(table->name));
        deletes.prepend(QStringLiteral("DELETE FROM %1").arg(SqlDialect::quoted(table->name)));
        statements << QStringLiteral("INSERT INTO %1 (%2, %3) SELECT k, %3 FROM %4 ORDER BY k")
                          .arg(SqlDialect::quoted(table->name), key, list, copy);
    }
    // Copies taken, lines deleted before their certificates, certificates
    // inserted before their lines.
    statements = QStringList{statements[0], statements[2]} + deletes + QStringList{statements[1], statements[3]};
    for (const QString &sql : statements)
        if (DbStatus s = db.exec(sql); !s.ok())
            return s;
    return {};
}

} // namespace arc::bench
