#include "AdminCommandLine.h"

#include <QHash>

namespace arc {

std::optional<AdminCommandLine> AdminCommandLine::parse(const QStringList &args)
{
    // How many arguments each command takes, the data source included: at
    // least, and at most.
    static const QHash<QString, std::pair<int, int>> counts = {
        {QStringLiteral("reset-password"), {2, 2}}, {QStringLiteral("add-signature"), {2, 2}},
        {QStringLiteral("signing-key"), {2, 2}},    {QStringLiteral("import-key"), {3, 3}},
        {QStringLiteral("export-ca"), {2, 2}},      {QStringLiteral("revoke"), {2, 3}},
        {QStringLiteral("token-key"), {2, 2}},      {QStringLiteral("approve"), {2, 2}}};
    static const QStringList tokenOptions = {QStringLiteral("module"), QStringLiteral("token"), QStringLiteral("key")};
    AdminCommandLine line;
    QStringList rest;
    for (qsizetype i = 1; i < args.size(); ++i) {
        const QString &a = args.at(i);
        if (a == QLatin1String("--as") || a.startsWith(QLatin1String("--as="))) {
            const QString name = a == QLatin1String("--as") ? args.value(++i) : a.mid(5);
            if (line.as || name.isEmpty())
                return std::nullopt;
            line.as = name;
        } else if (const QString option = a.mid(2).section(QLatin1Char('='), 0, 0);
                   a.startsWith(QLatin1String("--")) && tokenOptions.contains(option)) {
            const QString value = a.contains(QLatin1Char('=')) ? a.section(QLatin1Char('='), 1) : args.value(++i);
            if (line.options.contains(option) || value.isEmpty())
                return std::nullopt;
            line.options.insert(option, value);
        } else {
            rest << a;
        }
    }
    const std::pair<int, int> count = rest.isEmpty() ? std::pair(-1, -1) : counts.value(rest.first(), {-1, -1});
    if (rest.isEmpty() || rest.size() - 1 < count.first || rest.size() - 1 > count.second)
        return std::nullopt;
    // The token's options go with token-key, which needs all three.
    const bool tokenKey = rest.first() == QLatin1String("token-key");
    if (tokenKey ? line.options.size() != tokenOptions.size() : !line.options.isEmpty())
        return std::nullopt;
    line.command = rest.takeFirst();
    line.arguments = rest;
    return line;
}

} // namespace arc
