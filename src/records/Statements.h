#pragma once

#include "Database.h"

#include <QList>
#include <vector>

namespace arc {

// A fixed text of block 12, kept by the shop: authorities change their
// wording, and a shop follows them without a new program.
struct Statement {
    QString name;
    QString text;
    QString source; // where the wording comes from, shown to the user

    bool operator==(const Statement &) const = default;
};

namespace Statements {

inline const QString kNotExport = QStringLiteral("Not an export");
inline const QString kExportDestination = QStringLiteral("Export destination");
inline const QString kForwardingHouse = QStringLiteral("Forwarding house");
inline const QString kAssembly = QStringLiteral("Assembly approval");
inline const QString kDualReleaseEasa = QStringLiteral("Dual release (EASA)");
inline const QString kDualReleaseFaa = QStringLiteral("Dual release (FAA)");
inline const QString kPrototypeToNew = QStringLiteral("Prototype to new (EASA)");

// What a new or upgraded data folder starts from, in the order shown.
const std::vector<Statement> &defaults();
// The statements of another authority that a dual release writes.
const QStringList &dualReleaseNames();

// Every stored statement, in the order of the defaults (others after
// them, by name).
DbStatus read(const Database &reference, QList<Statement> &out);
// The text stored under `name` in `statements`; empty when there is none.
QString textOf(const QList<Statement> &statements, const QString &name);

// Store the text and source of the statement named `statement.name`;
// ItemNotFound when no statement has that name.
DbStatus save(Database &reference, const Statement &statement);

// Give the folder the defaults it lacks, by name; a statement the shop
// changed is kept as it is.
DbStatus addMissing(Database &reference);

} // namespace Statements
} // namespace arc
