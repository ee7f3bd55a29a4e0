#pragma once

#include <QString>
#include <QStringList>
#include <array>
#include <optional>

namespace arc {

// The fixed texts of block 12 as the shop keeps them; an empty one
// writes no line.
struct StatementTexts {
    QString notExport;
    QString exportDestination;
    QString forwardingHouse;
    QString assembly;
    QString dualRelease;    // followed by the organisation's EASA number
    QString dualReleaseFaa; // on an EASA or UK form, followed by its FAA number
    QString prototypeToNew; // a PROTOTYPE item re-certified NEW on the production form
};

// What block 12 is composed from, as the certificate screen holds it.
struct RemarksInputs {
    // The current item line.
    QString status;
    QString pmaPartNumber;
    std::array<QString, 3> stamps; // the line's catalogue part's stamp codes

    bool exportChosen = false; // "Yes" in the export frame
    int countryIndex = -1;     // 0 the placeholder, 1 "<Manually enter country>"
    QString country;
    bool bilateral = false;
    bool jaa = false;
    int forwarderIndex = -1; // 0 the placeholder
    QString forwarder;
    QStringList forwarderAddress; // four lines

    bool organisationChosen = false;
    QString easaNumber; // the chosen organisation's JAANum
    QString faaNumber;  // the chosen organisation's CertificateNum

    // "Other regulation specified in block 12" ticked: a dual release, to
    // EASA on the FAA form, to the FAA on an EASA or UK form.
    bool faaForm = true;
    bool otherRegulation = false;
    // The current NEW line's item was released as PROTOTYPE before, and
    // the form asks block 12 to state the design data it now conforms to.
    bool recertifiedPrototype = false;

    std::optional<QString> defaultRemarks; // nullopt when null

    StatementTexts statements;
};

} // namespace arc
