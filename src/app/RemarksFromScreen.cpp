#include "RemarksFromScreen.h"

#include "CertificateScreen.h"
#include "DataFolder.h"
#include "FormNames.h"
#include "ItemLine.h"
#include "OrganizationChooser.h"
#include "ReferenceLists.h"
#include "RemarksBuilder.h"
#include "Statements.h"

#include <QCheckBox>
#include <QComboBox>
#include <QRadioButton>

namespace arc {

RemarksInputs remarksFromScreen(const CertificateScreen &s, const ItemLine &line, DataFolder &folder,
                                DbStatus &status)
{
    RemarksInputs in;
    in.status = line.status;
    in.pmaPartNumber = line.pmaPartNumber;
    in.stamps = line.stamps;
    in.exportChosen = s.option1->isChecked();
    in.countryIndex = s.combo1->currentIndex();
    in.country = s.combo1->currentText();
    const CountryEntry country = s.combo1->currentData().value<CountryEntry>();
    in.bilateral = country.bilateral;
    in.jaa = country.jaa;
    in.forwarderIndex = s.combo2->currentIndex();
    in.forwarder = s.combo2->currentText();
    in.forwarderAddress = s.combo2->currentData().value<ForwarderEntry>().info;
    in.organisationChosen = s.combo3->currentIndex() >= 0;
    in.easaNumber = s.combo3->currentData().value<OrganizationEntry>().jaaNum;
    in.faaNumber = s.combo3->currentData().value<OrganizationEntry>().certificateNum;
    in.faaForm = FormNames::isFaa(s.formChoice->currentText());
    in.otherRegulation = s.block14aOtherRegulation->isChecked();
    if (folder.isOpen() && folder.defaults().hasRow()) {
        const QVariant remarks = folder.defaults().value(QStringLiteral("Remarks"));
        if (!remarks.isNull())
            in.defaultRemarks = remarks.toString();
    }
    // Read each time: a statement saved on the statements panel is what
    // the next certificate carries. With no data source open, or none
    // stored, today's defaults stand in; a shop's wording that cannot be
    // read is never replaced by them.
    QList<Statement> stored;
    status = DbStatus();
    if (folder.isOpen())
        status = Statements::read(folder.reference(), stored);
    if (!status.ok())
        return in;
    if (stored.isEmpty()) {
        const auto &d = Statements::defaults();
        stored = QList<Statement>(d.begin(), d.end());
    }
    in.statements = RemarksBuilder::textsOf(stored);
    return in;
}

} // namespace arc
