#include "ReleaseBoxes.h"
#include "RemarksBuilder.h"
#include "Statements.h"

#include <QMap>
#include <gtest/gtest.h>

using namespace arc;
using namespace arc::RemarksBuilder;

namespace {

const QString CRLF = "\r\n";
const QString kEasa = Statements::textOf({Statements::defaults().begin(), Statements::defaults().end()},
                                         Statements::kDualReleaseEasa);

// The forwarding house's lines, its address under the name's column.
QString forwarding(const QString &name, const QStringList &address)
{
    QString out = "FORWARDING HOUSE:  " + name + CRLF;
    for (const QString &line : address)
        out += QString(42, ' ') + line + CRLF;
    return out;
}

RemarksInputs newPart()
{
    RemarksInputs in;
    in.status = "NEW";
    in.countryIndex = 0;
    in.forwarderIndex = 0;
    return in;
}

RemarksInputs exported(bool bilateral = true)
{
    RemarksInputs in = newPart();
    in.exportChosen = true;
    in.countryIndex = 2;
    in.country = "Canada";
    in.bilateral = bilateral;
    return in;
}

RemarksInputs repair()
{
    RemarksInputs in;
    in.status = "REPAIRED";
    in.countryIndex = 2;
    in.country = "France";
    in.jaa = true;
    in.organisationChosen = true;
    in.easaNumber = "FR.145.0042";
    return in;
}

struct Case {
    const char *name;
    RemarksInputs in;
    QString expected;
    Statement changed = {}; // saved on the panel before composing; none when unnamed
};

// The stamps the catalogue knows; every look-up is counted.
QMap<QString, QString> gStamps{{"A1", "STAMP A1 TEXT"}, {"B7", "STAMP B7 TEXT"}};
QStringList gLookedUp;
std::optional<QString> lookUp(const QString &code)
{
    gLookedUp << code;
    return gStamps.contains(code) ? std::optional(gStamps.value(code)) : std::nullopt;
}

std::vector<Case> cases()
{
    std::vector<Case> c;
    c.push_back({"not_exported_bare_part_gets_no_export_statement", newPart(), ""});
    c.push_back({"not_exported_with_a_statement_the_shop_wrote", newPart(), "DOMESTIC USE" + CRLF,
                 {Statements::kNotExport, "DOMESTIC USE", "shop"}});

    RemarksInputs placeholder = exported();
    placeholder.countryIndex = 0;
    placeholder.forwarderIndex = 3;
    placeholder.forwarder = "Acme Freight";
    c.push_back({"exported_to_the_placeholder_country", placeholder, ""});

    RemarksInputs manual = exported(false);
    manual.countryIndex = 1;
    manual.country = "<Manually enter country>";
    c.push_back({"manual_country", manual, "EXPORT Destination: " + CRLF});

    RemarksInputs worked = exported();
    worked.pmaPartNumber = "ASSY-100";
    worked.stamps = {"A1", "", ""};
    worked.forwarderIndex = 2;
    worked.forwarder = "Acme Freight";
    worked.forwarderAddress = QStringList{"Dock 4", "1 Harbour Rd", "Miami FL", "USA"};
    c.push_back({"worked_example_bilateral_export_with_forwarder", worked,
                 "EXPORT Destination:       Canada" + CRLF +
                     "The above part is approved for installation under assembly part number(s): ASSY-100" + CRLF +
                     "STAMP A1 TEXT" + CRLF + forwarding("Acme Freight", worked.forwarderAddress)});

    RemarksInputs notBilateral = exported(false);
    notBilateral.forwarderIndex = 1;
    notBilateral.forwarder = "Acme Freight";
    notBilateral.forwarderAddress = QStringList{"a", "b", "c", "d"};
    c.push_back({"export_to_a_country_without_agreement", notBilateral,
                 "EXPORT Destination: " + CRLF + forwarding("Acme Freight", {"a", "b", "c", "d"})});

    RemarksInputs firstForwarderNoCountry = exported();
    firstForwarderNoCountry.countryIndex = 0;
    firstForwarderNoCountry.forwarderIndex = 1;
    c.push_back({"first_forwarder_without_a_country_gives_the_bare_label", firstForwarderNoCountry, forwarding("", {})});

    RemarksInputs stamps = newPart();
    stamps.stamps = {"12", "a1", "B7"};
    c.push_back({"stamps_starting_with_a_digit_or_small_letter_add_nothing", stamps, "STAMP B7 TEXT" + CRLF});

    RemarksInputs unknown = newPart();
    unknown.stamps = {"Z9", "", "A1"};
    unknown.status = " ";
    // Unknown or unreadable alike: the look-up gives nothing, the rest composes.
    c.push_back({"unknown_stamp_adds_nothing_and_a_blank_status_is_a_new_part", unknown, "STAMP A1 TEXT" + CRLF});

    c.push_back({"repair_to_a_jaa_country_with_null_default_remarks", repair(), kEasa + "FR.145.0042"});
    c.push_back({"repair_with_the_dual_release_the_shop_wrote", repair(), "EASA Form 1 block 12 text: FR.145.0042",
                 {Statements::kDualReleaseEasa, "EASA Form 1 block 12 text: ", "Annex Guidance change 9"}});
    RemarksInputs relabelled = exported();
    relabelled.pmaPartNumber = "ASSY-100";
    c.push_back({"export_with_an_emptied_assembly_statement", relabelled, "EXPORT Destination:       Canada" + CRLF,
                 {Statements::kAssembly, "", "shop"}});

    RemarksInputs withDefaults = repair();
    withDefaults.defaultRemarks = "Work per CMM 32-41-07";
    c.push_back({"repair_with_default_remarks", withDefaults, "Work per CMM 32-41-07" + CRLF + kEasa + "FR.145.0042"});

    RemarksInputs notJaa = repair();
    notJaa.jaa = false;
    notJaa.defaultRemarks = "Kept";
    c.push_back({"repair_to_a_country_outside_jaa", notJaa, "Kept" + CRLF});

    RemarksInputs noOrganisation = repair();
    noOrganisation.organisationChosen = false;
    noOrganisation.defaultRemarks = "";
    c.push_back({"repair_without_an_organisation", noOrganisation, ""});
    RemarksInputs blankDefaults = repair();
    blankDefaults.defaultRemarks = " ";
    c.push_back({"repair_with_default_remarks_stored_blank_starts_with_its_statement", blankDefaults,
                 kEasa + "FR.145.0042"});

    RemarksInputs placeholderCountry = repair();
    placeholderCountry.countryIndex = 0;
    c.push_back({"repair_after_the_country_went_back_to_the_placeholder", placeholderCountry, ""});

    // On an EASA or UK form the second release is to the FAA, as the shop
    // words it (empty until it does), never the EASA one.
    RemarksInputs easaForm = repair();
    easaForm.faaForm = false;
    easaForm.otherRegulation = true;
    easaForm.faaNumber = "VA2R123K";
    c.push_back({"easa_form_released_also_to_the_faa", easaForm, "FAA release per the annex: VA2R123K",
                 {Statements::kDualReleaseFaa, "FAA release per the annex: ", "shop"}});
    c.push_back({"easa_form_before_the_shop_wrote_the_faa_statement", easaForm, ""});
    easaForm.otherRegulation = false;
    c.push_back({"easa_form_released_once", easaForm, "", {Statements::kDualReleaseFaa, "FAA release: ", "shop"}});

    // "Other regulation specified in block 12" writes the other authority's
    // statement on every form, naming an approval the organisation holds.
    RemarksInputs ticked = repair();
    ticked.countryIndex = 0;
    ticked.jaa = false;
    ticked.otherRegulation = true;
    c.push_back({"faa_form_other_regulation_ticked_without_an_export_country", ticked, kEasa + "FR.145.0042"});
    RemarksInputs noEasaApproval = repair();
    noEasaApproval.easaNumber = " ";
    c.push_back({"faa_form_organisation_without_an_easa_approval", noEasaApproval, ""});
    RemarksInputs noFaaApproval = easaForm;
    noFaaApproval.otherRegulation = true;
    noFaaApproval.faaNumber = "";
    c.push_back({"uk_or_easa_form_organisation_without_an_faa_approval", noFaaApproval, "",
                 {Statements::kDualReleaseFaa, "FAA release: ", "shop"}});

    // An item once released as PROTOTYPE, now NEW on the production form.
    RemarksInputs recertified = newPart();
    recertified.recertifiedPrototype = true;
    c.push_back({"prototype_recertified_new", recertified, "RECERTIFICATION FROM PROTOTYPE: TC A.123" + CRLF,
                 {Statements::kPrototypeToNew, "RECERTIFICATION FROM PROTOTYPE: TC A.123", "shop"}});

    RemarksInputs emptyStatus = repair();
    emptyStatus.status = "";
    emptyStatus.stamps = {"A1", "", ""};
    c.push_back({"an_empty_status_is_maintenance", emptyStatus, kEasa + "FR.145.0042"});
    return c;
}

} // namespace

// The texts a new data folder holds (the records tests show it), after the case's change.
StatementTexts stored(const Statement &changed)
{
    QList<Statement> statements(Statements::defaults().begin(), Statements::defaults().end());
    for (Statement &s : statements)
        if (s.name == changed.name)
            s = changed;
    return textsOf(statements);
}

TEST(RemarksBuilder, ComposesBlock12)
{
    for (const Case &c : cases()) {
        SCOPED_TRACE(c.name);
        gLookedUp.clear();
        RemarksInputs in = c.in;
        in.statements = stored(c.changed);
        EXPECT_EQ(compose(in, lookUp).toStdString(), c.expected.toStdString());
        for (const QString &code : gLookedUp)
            EXPECT_TRUE(code.at(0).isUpper()) << "looked up " << code.toStdString();
    }
}

// The two 14a boxes may stand together; block 12 follows "Other regulation".
TEST(ReleaseBoxes, TicksExcludeEachOtherAndADualReleaseRebuildsTheRemarks)
{
    using ReleaseBoxes::Box;
    using T = ReleaseBoxes::Ticks;
    const struct {
        const char *what;
        T before;
        Box clicked;
        T after;
        bool rebuild;
    } cases[] = {
        {"approved clears the rest", {true, true, true, true}, Box::ApprovedDesign, {true, false, false, false}, false},
        {"non-approved clears the rest", {true, true, true, false}, Box::NonApprovedDesign, {false, true, false, false}, false},
        {"a 14a tick clears 13a", {true, true, true, false}, Box::ReturnToService, {false, false, true, false}, false},
        {"both 14a ticked: dual release", {false, false, true, true}, Box::OtherRegulation, {false, false, true, true}, true},
        {"unticking changes nothing else", {true, true, false, true}, Box::ReturnToService, {true, true, false, true}, false},
        {"other regulation alone: its statement", {false, false, false, true}, Box::OtherRegulation, {false, false, false, true}, true},
        {"other regulation unticked: its statement goes", {false, false, true, false}, Box::OtherRegulation, {false, false, true, false}, true},
    };
    for (const auto &c : cases) {
        const ReleaseBoxes::Outcome out = ReleaseBoxes::afterClick(c.before, c.clicked);
        EXPECT_TRUE(out.ticks == c.after) << c.what;
        EXPECT_EQ(out.rebuildRemarks, c.rebuild) << c.what;
    }
}
