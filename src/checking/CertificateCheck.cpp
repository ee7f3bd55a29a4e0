#include "CertificateCheck.h"

#include "BlankRule.h"
#include "FormApproval.h"
#include "FormDefinition.h"
#include "FormNames.h"

#include <QCoreApplication>
#include <QLocale>
#include <QRegularExpression>
#include <algorithm>

namespace arc::CertificateCheck {

namespace {

bool blank(const QString &text) { return BlankRule::isBlank(text); }

// Lines with anything but a status in them (a status alone is no item, as
// saving has it): item 1 to 10 by position.
QList<int> filledLines(const ItemSlots &lines)
{
    QList<int> out;
    for (int n = 0; n < kItemSlots; ++n) {
        const ItemLine &l = lines[n];
        if (!(blank(l.item) && blank(l.description) && blank(l.partNum) && blank(l.quantity) && blank(l.serialNum)))
            out << n;
    }
    return out;
}

QString itemName(const ItemLine &line, int n)
{
    return blank(line.item) ? QString::number(n + 1) : line.item.trimmed();
}

QString joined(const QStringList &items)
{
    if (items.size() < 2)
        return items.value(0);
    return items.mid(0, items.size() - 1).join(QStringLiteral(", ")) + QStringLiteral(" and ") + items.last();
}

QStringList quoted(const QStringList &words)
{
    QStringList out;
    for (const QString &w : words)
        out << QLatin1Char('"') + w + QLatin1Char('"');
    return out;
}

QString plural(const QStringList &items) { return items.size() > 1 ? QStringLiteral("s") : QString(); }

// What the EASA and UK forms ask beyond what every form does.
void formRules(const CertificateEntries &e, const FormDefinition &form, const QList<int> &filled, QStringList &out)
{
    const FormDefinition::Rules &r = form.rules;
    if (r.itemNumbers && filled.size() > 1) {
        QStringList unnumbered;
        for (int n : filled)
            if (blank(e.lines[n].item))
                unnumbered << QString::number(n + 1);
        if (!unnumbered.isEmpty())
            out << QStringLiteral("Block 6: line%1 %2 %3 no item number; with more than one line, each is numbered.")
                       .arg(plural(unnumbered), joined(unnumbered),
                            unnumbered.size() > 1 ? QStringLiteral("have") : QStringLiteral("has"));
    }
    if (r.serialNotApplicable)
        for (int n : filled)
            if (blank(e.lines[n].serialNum))
                out << QStringLiteral("Block 10: item %1 has no serial number; enter \"N/A\" when it carries none.")
                           .arg(itemName(e.lines[n], n));
    if (!r.statusWords.isEmpty()) {
        for (int n : filled) {
            const QString status = e.lines[n].status.trimmed().toUpper();
            if (!status.isEmpty() && !r.statusWords.contains(status))
                out << QStringLiteral("Block 11: \"%1\" (item %2) is not a status the %3 allows: %4.")
                           .arg(status, itemName(e.lines[n], n), form.name,
                                joined(quoted(r.statusWords)));
        }
    }
    // Block 12 naming the prototype a NEW item was: its approved design
    // data (a TC or STC) must be stated and the approved-design box ticked.
    static const QRegularExpression designData(QStringLiteral("\\b(E?TC|STC|TCDS)\\b"),
                                               QRegularExpression::CaseInsensitiveOption);
    if (r.prototypeToNew && e.remarks.contains(QLatin1String("PROTOTYPE"), Qt::CaseInsensitive)) {
        QStringList recertified;
        for (int n : filled)
            if (e.lines[n].status.trimmed().toUpper() == QLatin1String("NEW"))
                recertified << itemName(e.lines[n], n);
        if (!recertified.isEmpty() && (!e.approvedDesign || !designData.match(e.remarks).hasMatch()))
            out << QStringLiteral("Block 12: item%1 %2 re-certified from \"PROTOTYPE\" to \"NEW\" need%3 the statement "
                                  "of the approved design data (TC/STC number and revision), with \"%4\" ticked.")
                       .arg(plural(recertified), joined(recertified),
                            recertified.size() > 1 ? QString() : QStringLiteral("s"), form.screenBoxes13a.value(0));
    }
}

void mixedReleases(const ItemSlots &lines, const QList<int> &filled, QStringList &out)
{
    QStringList newParts, maintenance;
    for (int n : filled) {
        const QString status = lines[n].status.trimmed().toUpper();
        if (status.isEmpty())
            continue;
        (selectsBlock13(status) ? newParts : maintenance) << itemName(lines[n], n);
    }
    if (!newParts.isEmpty() && !maintenance.isEmpty())
        out << QStringLiteral("Block 11: item%1 %2 %3 new (NEW or PROTOTYPE) but item%4 %5 %6 maintenance; new and "
                              "maintenance releases may not share one form.")
                   .arg(newParts.size() > 1 ? QStringLiteral("s") : QString(), joined(newParts),
                        newParts.size() > 1 ? QStringLiteral("are") : QStringLiteral("is"),
                        maintenance.size() > 1 ? QStringLiteral("s") : QString(), joined(maintenance),
                        maintenance.size() > 1 ? QStringLiteral("are") : QStringLiteral("is"));
}

void required(const CertificateEntries &e, const QList<int> &filled, QStringList &out)
{
    if (blank(e.country))
        out << QStringLiteral("Block 1: the approving authority and country are missing.");
    if (blank(e.tracking))
        out << QStringLiteral("Block 3: the form tracking number is missing.");
    if (blank(e.organ1))
        out << QStringLiteral("Block 4: the organisation's name and address are missing.");
    if (filled.isEmpty())
        out << QStringLiteral("Block 6: the certificate has no item.");
    const struct {
        const char *block;
        QString ItemLine::*value;
        const char *what;
    } columns[] = {{"7", &ItemLine::description, "description"},
                   {"8", &ItemLine::partNum, "part number"},
                   {"9", &ItemLine::quantity, "quantity"},
                   {"11", &ItemLine::status, "status"}};
    for (const auto &c : columns)
        for (int n : filled)
            if (blank(e.lines[n].*c.value))
                out << QStringLiteral("Block %1: item %2 has no %3.")
                           .arg(QLatin1String(c.block), itemName(e.lines[n], n), QLatin1String(c.what));
}

void signatureBlock(const CertificateEntries &e, bool block13, const QDate &today, QStringList &out)
{
    const QString b = block13 ? QStringLiteral("13") : QStringLiteral("14");
    if (blank(block13 ? e.block13dName : e.block14dName))
        out << QStringLiteral("Block %1d: the name of the person signing is missing.").arg(b);
    if (blank(block13 ? e.block13cNumber : e.block14cNumber))
        out << (block13 ? QStringLiteral("Block 13c: the approval/authorization number is missing.")
                        : QStringLiteral("Block 14c: the certificate number is missing."));
    const QString date = (block13 ? e.block13eDate : e.block14eDate).trimmed();
    if (blank(date)) {
        out << QStringLiteral("Block %1e: the date is missing.").arg(b);
        return;
    }
    const QDate d = QLocale::c().toDate(date, QStringLiteral("dd/MMM/yyyy"));
    if (!d.isValid())
        out << QStringLiteral("Block %1e: \"%2\" is not a date written DD/MMM/YYYY.").arg(b, date);
    else if (today.isValid() && d > today)
        out << QStringLiteral("Block %1e: %2 is in the future.").arg(b, date);
}

// Compared without regard to case, line breaks or runs of blanks: block 12
// may hold a statement wrapped or typed over.
bool holds(const QString &remarks, const QString &statement)
{
    const QString wanted = statement.simplified();
    return !wanted.isEmpty() && remarks.simplified().contains(wanted, Qt::CaseInsensitive);
}

void releaseStatements(const CheckedCertificate &c, const QList<int> &filled, QStringList &out)
{
    const CertificateEntries &e = c.entries;
    // The FAA has told issuers not to add these to block 12.
    for (const char *phrase : {"not an export approval", "domestic shipment only"})
        if (holds(e.remarks, QLatin1String(phrase)))
            out << QStringLiteral("Block 12: \"%1\" may not be added to the form (FAA policy memorandum "
                                  "AIR100-16-110-PM04); remove it.")
                       .arg(QLatin1String(phrase));
    if (e.otherRegulation && !blank(e.remarks)
        && std::none_of(c.dualReleaseStatements.begin(), c.dualReleaseStatements.end(),
                        [&](const QString &statement) { return holds(e.remarks, statement); }))
        out << QStringLiteral("Block 12: \"Other regulation specified in Block 12\" is ticked but block 12 holds no "
                              "statement of another authority.");
    if (e.cfrReturnToService && e.otherRegulation) {
        QStringList rebuilt;
        for (int n : filled)
            if (e.lines[n].status.trimmed().toUpper() == QLatin1String("REBUILT"))
                rebuilt << itemName(e.lines[n], n);
        if (!rebuilt.isEmpty())
            out << QStringLiteral("Block 12: a dual release (both 14a boxes ticked) is not accepted for item%1 %2 with "
                                  "status \"REBUILT\".")
                       .arg(rebuilt.size() > 1 ? QStringLiteral("s") : QString(), joined(rebuilt));
    }
}

// The approval of the form's authority, taken from the organisation: on an
// EASA or UK form it must hold one (14c, or 13c in a new-part release,
// where it stands for a signatory without a number); on the FAA form 14c
// takes its FAA number. The finding says what to add, in place of the bare
// "missing" of the box.
void approvals(const CheckedCertificate &c, bool block13, QStringList &out)
{
    const FormApproval::Authority authority = FormApproval::of(c.entries.form);
    const bool faa = authority == FormApproval::Authority::Faa;
    if (!c.organisation || !FormApproval::number(*c.organisation, authority).isEmpty() || (faa && block13))
        return;
    const QString box = block13 ? QStringLiteral("13c") : QStringLiteral("14c");
    if (faa && !blank(c.entries.block14cNumber))
        return;
    const QString prefix = QStringLiteral("Block %1: ").arg(box);
    out.erase(std::remove_if(out.begin(), out.end(),
                             [&](const QString &f) { return f.startsWith(prefix) && f.contains(QLatin1String("missing")); }),
              out.end());
    out << QCoreApplication::translate("CertificateCheck",
                                       "Block %1: the organisation has no %2 approval number; add it under Set-up → "
                                       "Organizations")
               .arg(box, FormApproval::name(authority));
}

// The re-certification statement as the shop keeps it asks for the design
// data in brackets: printed so, it certifies no design at all.
void unfilledStatement(const CertificateEntries &e, QStringList &out)
{
    static const QRegularExpression placeholder(QStringLiteral("\\[INSERT[^\\]]*\\]"),
                                                QRegularExpression::CaseInsensitiveOption);
    if (const QRegularExpressionMatch m = placeholder.match(e.remarks); m.hasMatch())
        out << QCoreApplication::translate("CertificateCheck", "Block 12: the re-certification statement still holds "
                                                               "\"%1\"; write in what it asks for.")
                   .arg(m.captured(0));
}

} // namespace

QStringList findings(const CheckedCertificate &c)
{
    const CertificateEntries &e = c.entries;
    const QList<int> filled = filledLines(e.lines);
    const bool block13 = selectsBlock13(e.lines[0].status.trimmed().toUpper());
    const FormDefinition &form = FormDefinition::of(e.form);
    QStringList out;
    mixedReleases(e.lines, filled, out);
    if (block13 && e.approvedDesign == e.nonApprovedDesign)
        out << QStringLiteral("Block 13a: tick exactly one of \"%1\" and \"%2\".")
                   .arg(form.screenBoxes13a.value(0), form.screenBoxes13a.value(1));
    if (!block13 && !e.cfrReturnToService && !e.otherRegulation)
        out << QStringLiteral("Block 14a: tick \"%1\", \"%2\" or both.")
                   .arg(form.screenBoxes14a.value(0), form.screenBoxes14a.value(1));
    formRules(e, form, filled, out);
    if (blank(e.remarks)) {
        if (e.nonApprovedDesign)
            out << QStringLiteral("Block 12: \"Non-approved design data specified in Block 12\" is ticked but block 12 "
                                  "is empty.");
        if (e.otherRegulation)
            out << QStringLiteral("Block 12: \"Other regulation specified in Block 12\" is ticked but block 12 is "
                                  "empty.");
    }
    releaseStatements(c, filled, out);
    required(e, filled, out);
    signatureBlock(e, block13, c.today, out);
    approvals(c, block13, out);
    unfilledStatement(e, out);
    if (c.trackingUsedElsewhere && !blank(e.tracking))
        out << QStringLiteral("Block 3: tracking number %1 is also used by another stored certificate.")
                   .arg(e.tracking.trimmed());
    out << c.cut;
    return out;
}

} // namespace arc::CertificateCheck
