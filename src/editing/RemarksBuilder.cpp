#include "RemarksBuilder.h"

#include "BlankRule.h"
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
    if (in.recertifiedPrototype && in.status == QLatin1String("NEW"))
        pieces << in.statements.prototypeToNew;
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
    const QString statement = dualRelease(in);
    // Default remarks stored blank add no line: block 12 never starts empty.
    if (!in.defaultRemarks || BlankRule::isBlank(*in.defaultRemarks))
        return statement;
    return *in.defaultRemarks + kBreak + statement;
}

} // namespace

QString dualRelease(const RemarksInputs &in)
{
    const bool due = in.otherRegulation || (in.faaForm && in.countryIndex > 0 && in.jaa);
    const QString &text = in.faaForm ? in.statements.dualRelease : in.statements.dualReleaseFaa;
    // A statement naming no approval would release under none.
    const QString number = (in.faaForm ? in.easaNumber : in.faaNumber).trimmed();
    if (!due || isNewPart(in.status) || !in.organisationChosen || text.isEmpty() || number.isEmpty())
        return {};
    return text + number;
}

StatementTexts textsOf(const QList<Statement> &stored)
{
    return {Statements::textOf(stored, Statements::kNotExport), Statements::textOf(stored, Statements::kExportDestination),
            Statements::textOf(stored, Statements::kForwardingHouse), Statements::textOf(stored, Statements::kAssembly),
            Statements::textOf(stored, Statements::kDualReleaseEasa), Statements::textOf(stored, Statements::kDualReleaseFaa),
            Statements::textOf(stored, Statements::kPrototypeToNew)};
}

bool holds(const QString &remarks, const QString &statement)
{
    const QString wanted = statement.simplified();
    return !wanted.isEmpty() && remarks.simplified().contains(wanted, Qt::CaseInsensitive);
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
