#include "RemarksBuilder.h"

#include "StampTexts.h"

namespace arc::RemarksBuilder {

namespace {

const QString kBreak = QStringLiteral("\r\n");

QString exportLine(const RemarksInputs &in)
{
    if (!in.exportChosen)
        return kNotExport;
    if (in.countryIndex <= 0)
        return {};
    // "<Manually enter country>" has no flag: the user completes the line.
    return in.bilateral ? kExportDestination + QString(6, QLatin1Char(' ')) + in.country : kExportDestination;
}

QString forwardingLine(const RemarksInputs &in)
{
    if (!in.exportChosen)
        return {};
    if (in.forwarderIndex > 0 && in.countryIndex > 0) {
        QString line = kForwardingHouse + in.forwarder;
        for (int i = 0; i < 4; ++i)
            line += kBreak + QString(42, QLatin1Char(' ')) + in.forwarderAddress.value(i);
        return line;
    }
    return in.forwarderIndex == 1 ? kForwardingHouse : QString();
}

QString newPart(const RemarksInputs &in, const StampLookUp &stampText)
{
    QStringList pieces{exportLine(in)};
    pieces << (in.pmaPartNumber.isEmpty() ? QString() : kAssembly + in.pmaPartNumber);
    for (const QString &code : in.stamps)
        pieces << (StampTexts::isCode(code) ? stampText(code).value_or(QString()) : QString());
    pieces << forwardingLine(in);
    QString remarks;
    for (const QString &piece : pieces)
        if (!piece.isEmpty())
            remarks += piece + kBreak;
    return remarks;
}

QString maintenance(const RemarksInputs &in)
{
    const QString statement =
        in.countryIndex > 0 && in.jaa && in.organisationChosen ? kDualRelease + in.easaNumber : QString();
    return in.defaultRemarks ? *in.defaultRemarks + kBreak + statement : statement;
}

} // namespace

bool isNewPart(const QString &status)
{
    return status == QLatin1String("NEW") || status == QLatin1String("PROTOTYPE") || status == QLatin1String(" ");
}

QString compose(const RemarksInputs &in, const StampLookUp &stampText)
{
    return isNewPart(in.status) ? newPart(in, stampText) : maintenance(in);
}

} // namespace arc::RemarksBuilder
