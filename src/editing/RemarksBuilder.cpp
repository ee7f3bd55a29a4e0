#include "RemarksBuilder.h"

#include "StampTexts.h"

namespace arc::RemarksBuilder {

namespace {

const QString kBreak = QStringLiteral("\r\n");

QString exportLine(const RemarksInputs &in)
{
    if (!in.exportChosen)
        return in.statements.notExport;
    const QString &label = in.statements.exportDestination;
    if (in.countryIndex <= 0 || label.isEmpty())
        return {};
    // "<Manually enter country>" has no flag: the user completes the line.
    return in.bilateral ? label + QString(6, QLatin1Char(' ')) + in.country : label;
}

QString forwardingLine(const RemarksInputs &in)
{
    const QString &label = in.statements.forwardingHouse;
    if (!in.exportChosen || label.isEmpty())
        return {};
    if (in.forwarderIndex > 0 && in.countryIndex > 0) {
        QString line = label + in.forwarder;
        for (int i = 0; i < 4; ++i)
            line += kBreak + QString(42, QLatin1Char(' ')) + in.forwarderAddress.value(i);
        return line;
    }
    return in.forwarderIndex == 1 ? label : QString();
}

QString newPart(const RemarksInputs &in, const StampLookUp &stampText)
{
    QStringList pieces{exportLine(in)};
    pieces << (in.pmaPartNumber.isEmpty() || in.statements.assembly.isEmpty() ? QString()
                                                                            : in.statements.assembly + in.pmaPartNumber);
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
    QString statement;
    if (in.faaForm) {
        const QString &dual = in.statements.dualRelease;
        if (in.countryIndex > 0 && in.jaa && in.organisationChosen && !dual.isEmpty())
            statement = dual + in.easaNumber;
    } else {
        const QString &dual = in.statements.dualReleaseFaa;
        if (in.otherRegulation && in.organisationChosen && !dual.isEmpty())
            statement = dual + in.faaNumber;
    }
    return in.defaultRemarks ? *in.defaultRemarks + kBreak + statement : statement;
}

} // namespace

StatementTexts textsOf(const QList<Statement> &stored)
{
    return {Statements::textOf(stored, Statements::kNotExport), Statements::textOf(stored, Statements::kExportDestination),
            Statements::textOf(stored, Statements::kForwardingHouse), Statements::textOf(stored, Statements::kAssembly),
            Statements::textOf(stored, Statements::kDualReleaseEasa), Statements::textOf(stored, Statements::kDualReleaseFaa)};
}

bool isNewPart(const QString &status)
{
    return status == QLatin1String("NEW") || status == QLatin1String("PROTOTYPE") || status == QLatin1String(" ");
}

QString compose(const RemarksInputs &in, const StampLookUp &stampText)
{
    return isNewPart(in.status) ? newPart(in, stampText) : maintenance(in);
}

} // namespace arc::RemarksBuilder
