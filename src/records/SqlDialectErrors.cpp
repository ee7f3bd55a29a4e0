#include "SqlDialectErrors.h"

#include "SqlDialectTables.h"

#include <QRegularExpression>

namespace arc::SqlDialect {

namespace {

// SQLite primary result codes (extended codes carry them in the low byte).
constexpr int kBusy = 5;
constexpr int kLocked = 6;
constexpr int kReadOnly = 8;
constexpr int kCantOpen = 14;
constexpr int kConstraint = 19;
constexpr int kNotADb = 26;
constexpr int kError = 1;

} // namespace

QString refusedField(const QSqlError &error)
{
    static const QRegularExpression re(QStringLiteral("(?:CHECK constraint failed: |check constraint \"?)%1(\\w+)")
                                           .arg(lengthConstraintName(QString())));
    const auto m = re.match(error.databaseText());
    return m.hasMatch() ? m.captured(1) : QString();
}

namespace {

DbStatus tooSmallOr(const QSqlError &error, DbCondition otherwise)
{
    if (const QString field = refusedField(error); !field.isEmpty()) {
        DbStatus s = DbStatus::failure(DbCondition::FieldTooSmall, error.text());
        s.setRefusedFields({field});
        return s;
    }
    return DbStatus::failure(otherwise, error.text());
}

// The server's SQL states, by their class where that is enough.
DbStatus serverStatus(const QSqlError &error, const QString &state)
{
    const QString text = error.text();
    if (state == QLatin1String("23514"))
        return tooSmallOr(error, DbCondition::Other);
    if (state == QLatin1String("40P01") || state == QLatin1String("40001") || state == QLatin1String("55P03"))
        return DbStatus::failure(DbCondition::Locked, text);
    if (state == QLatin1String("42601"))
        return DbStatus::failure(DbCondition::MalformedQuery, text);
    if (state == QLatin1String("42P01") || state == QLatin1String("42703") || state == QLatin1String("42883"))
        return DbStatus::failure(DbCondition::ItemNotFound, text);
    if (state == QLatin1String("25006") || state == QLatin1String("42501"))
        return DbStatus::failure(DbCondition::ReadOnly, text);
    if (state == QLatin1String("3D000"))
        return DbStatus::failure(DbCondition::FileNotFound, text);
    // The session was ended (the server shut down or restarted, or an
    // administrator ended it) or its connection broke.
    if (state.startsWith(QLatin1String("08")) || state.startsWith(QLatin1String("57P")))
        return DbStatus::failure(DbCondition::ConnectionLost, text);
    return DbStatus::failure(DbCondition::Other, text);
}

} // namespace

DbStatus status(const QSqlError &error)
{
    if (error.type() == QSqlError::NoError)
        return {};
    const QString code = error.nativeErrorCode();
    if (code.size() == 5)
        return serverStatus(error, code);
    bool numeric = false;
    const int primary = code.toInt(&numeric) & 0xFF;
    const QString text = error.text();
    if (!numeric)
        return DbStatus::failure(DbCondition::Other, text);
    switch (primary) {
    case kConstraint:
        return tooSmallOr(error, DbCondition::Other);
    case kBusy:
    case kLocked:
        return DbStatus::failure(DbCondition::Locked, text);
    case kReadOnly:
        return DbStatus::failure(DbCondition::ReadOnly, text);
    case kCantOpen:
        return DbStatus::failure(DbCondition::FileNotFound, text);
    case kNotADb:
        return DbStatus::failure(DbCondition::NotADatabase, text);
    case kError:
        if (error.databaseText().contains(QLatin1String("syntax error")))
            return DbStatus::failure(DbCondition::MalformedQuery, text);
        if (error.databaseText().contains(QLatin1String("no such")))
            return DbStatus::failure(DbCondition::ItemNotFound, text);
        return DbStatus::failure(DbCondition::Other, text);
    default:
        return DbStatus::failure(DbCondition::Other, text);
    }
}

} // namespace arc::SqlDialect
