#include "SetupSettings.h"

#include "BlankRule.h"
#include "DefaultsRows.h"
#include "LineBreaks.h"
#include "WriteTransaction.h"

#include <algorithm>

namespace arc {

namespace {

// Null (never set) is the default; a stored value below 0 is never.
int idleLockOf(const QVariant &stored)
{
    bool number = false;
    const int minutes = stored.toInt(&number);
    if (stored.isNull() || !number)
        return SetupSettings::defaultIdleLockMinutes;
    return std::max(0, minutes);
}

} // namespace

bool SetupSettings::isLandscape(const QVariant &user1)
{
    bool numeric = false;
    const double value = user1.toString().trimmed().toDouble(&numeric);
    return !user1.isNull() && numeric && value > 1.0;
}

void SetupSettings::load(DataView &d, SetupSettings &s)
{
    if (!DefaultsRows::toMain(d))
        return;
    s.organ2 = LineBreaks::toScreen(d.text(QStringLiteral("Organ2")));
    const QVariant shade = d.value(QStringLiteral("Shade"));
    s.shade = !shade.isNull() && shade.toDouble() == 1.0;
    s.landscape = isLandscape(d.value(QStringLiteral("User1")));
    s.requireSignature = d.value(QStringLiteral("RequireSignature")).toInt() == 1;
    s.verifyOffersPdf = d.value(QStringLiteral("VerifyOffersPdf")).toInt() == 1;
    s.tsaUrl = d.text(QStringLiteral("TsaUrl")).trimmed();
    s.verifyBaseUrl = d.text(QStringLiteral("VerifyBaseUrl")).trimmed();
    s.idleLockMinutes = idleLockOf(d.value(QStringLiteral("IdleLockMinutes")));
}

bool SetupSettings::signatureRequired(DataView &d)
{
    return DefaultsRows::toMain(d) && d.value(QStringLiteral("RequireSignature")).toInt() == 1;
}

std::optional<QString> SetupSettings::timeStampService(DataView &d)
{
    if (!d.moveFirst().ok())
        return std::nullopt;
    return d.hasRow() ? d.text(QStringLiteral("TsaUrl")).trimmed() : QString();
}

int SetupSettings::idleLock(DataView &d)
{
    return DefaultsRows::toMain(d) ? idleLockOf(d.value(QStringLiteral("IdleLockMinutes"))) : defaultIdleLockMinutes;
}

QString SetupSettings::verifyBase(DataView &d)
{
    return DefaultsRows::toMain(d) ? d.text(QStringLiteral("VerifyBaseUrl")).trimmed() : QString();
}

DbStatus SetupSettings::store(DataView &d, const SetupSettings &s)
{
    WriteTransaction tx(d.database());
    if (!tx.ok())
        return tx.status();
    DbStatus st = DefaultsRows::toMain(d) ? d.edit() : d.addNew();
    if (!st.ok())
        return st;
    d.setValue(QStringLiteral("Organ2"), BlankRule::stored(LineBreaks::toStored(s.organ2)));
    d.setValue(QStringLiteral("User1"), s.landscape ? QStringLiteral("2") : QStringLiteral("1"));
    d.setValue(QStringLiteral("Shade"), s.shade ? 1 : 0);
    d.setValue(QStringLiteral("RequireSignature"), s.requireSignature ? 1 : 0);
    d.setValue(QStringLiteral("VerifyOffersPdf"), s.verifyOffersPdf ? 1 : 0);
    d.setValue(QStringLiteral("TsaUrl"), s.tsaUrl.trimmed().isEmpty() ? QVariant() : QVariant(s.tsaUrl.trimmed()));
    const QString base = s.verifyBaseUrl.trimmed();
    d.setValue(QStringLiteral("VerifyBaseUrl"), base.isEmpty() ? QVariant() : QVariant(base));
    d.setValue(QStringLiteral("IdleLockMinutes"), std::max(0, s.idleLockMinutes));
    if (st = d.update(); !st.ok() && !st.is(DbCondition::FieldTooSmall)) {
        d.cancelUpdate();
        return st;
    }
    const DbStatus committed = tx.commit();
    DefaultsRows::toMain(d);
    return committed.ok() ? st : committed;
}

} // namespace arc
