#pragma once

#include "DbStatus.h"

#include <QString>
#include <span>

namespace arc {

class DataFolder;

// The made-up reference data every demo folder starts with: repair
// stations, signatories, catalogue parts with their stamps, export
// countries, forwarders and the defaults of a new certificate.
class DemoReference {
public:
    struct Organization {
        const char *name, *address1, *address2, *address3, *certificateNum, *jaaNum;
    };
    struct Agent {
        const char *name, *password, *approvalNumber;
    };
    struct Part {
        const char *partNumber, *description, *pmaPartNumber, *vi, *relDwg, *eligibility, *s1, *s2, *s3;
    };
    struct Stamp {
        const char *number, *text;
    };
    struct Country {
        const char *name;
        bool bilateral, jaa;
    };
    struct Forwarder {
        const char *name, *info1, *info2, *info3, *info4;
    };

    static std::span<const Organization> organizations();
    static std::span<const Agent> agents();
    static std::span<const Part> parts();
    static std::span<const Stamp> stamps();
    static std::span<const Country> countries();
    static std::span<const Forwarder> forwarders();

    // The authority every demo certificate is issued under.
    static QString authority();

    // An organisation as a certificate stores it: the name and its address
    // lines, one per line, with CR LF between them.
    static QString organizationText(const Organization &organization);

    // Fill each reference table of an open folder that is still empty, and
    // the defaults if they are still the single row of a new folder. One
    // write transaction per file: a failure leaves that file as it was.
    static DbStatus store(DataFolder &folder);
    // Make the data files in `dataPath`, open them on `folder` and store
    // the reference data: the start of every demo folder.
    static DbStatus createFolder(const QString &dataPath, DataFolder &folder);
};

} // namespace arc
