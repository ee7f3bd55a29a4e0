#include "PrintSettingsReader.h"

#include "DataFolder.h"
#include "DataView.h"
#include "DefaultsRows.h"
#include "PaperSize.h"
#include "ReferenceLists.h"

namespace arc {

namespace {

bool isOne(const QVariant &v) { return !v.isNull() && v.toDouble() == 1.0; }

} // namespace

PrintSettings PrintSettingsReader::read(DataView &defaults)
{
    PrintSettings s;
    if (!defaults.moveFirst().ok())
        return s;
    if (defaults.hasRow()) {
        const QVariant user1 = defaults.value(QStringLiteral("User1"));
        if (!user1.isNull() && !user1.toString().isEmpty())
            s.orientation = user1.toString();
        s.shade = isOne(defaults.value(QStringLiteral("Shade")));
    }
    // The settings row, never the main row whatever its authority says.
    if (DefaultsRows::toCustom(defaults))
        s.largeRemarks = isOne(defaults.value(QStringLiteral("IncreaseTrack")));
    // Back on the main row where it can be; the settings read are whole either way.
    (void)defaults.moveFirst();
    return s;
}

PrintSettings PrintSettingsReader::read(DataFolder &folder, const QString &block4)
{
    PrintSettings s = read(folder.defaults());
    if (const std::optional<OrganizationEntry> o = ReferenceLists::namedIn(folder.organizations(), block4))
        s.paper = PaperSize::fromStored(o->paperSize);
    return s;
}

std::optional<QString> PrintSettingsReader::copiesDefault(DataView &defaults)
{
    if (!defaults.hasRow() && !defaults.moveFirst().ok())
        return std::nullopt;
    const QVariant organ1 = defaults.value(QStringLiteral("Organ1"));
    if (organ1.isNull())
        return std::nullopt;
    return organ1.toString();
}

} // namespace arc
