#include "RemarksFromScreen.h"

#include "CertificateScreen.h"
#include "DataFolder.h"
#include "FormDefinition.h"
#include "FormNames.h"
#include "ItemLine.h"
#include "OrganizationChooser.h"
#include "PrototypeReleases.h"
#include "ReferenceLists.h"
#include "RemarksBuilder.h"
#include "Statements.h"

#include <QCheckBox>
#include <QComboBox>
#include <QRadioButton>

namespace arc {

RemarksInputs remarksFromScreen(const CertificateScreen &s, const ItemLine &line, qint64 ownFormIndex,
                                DataFolder &folder, DbStatus &status)
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
    const QString form = s.formChoice->currentText();
    in.faaForm = FormNames::isFaa(form);
    in.otherRegulation = s.block14aOtherRegulation->isChecked();
    // Not known when the store cannot say: the statement is then the user's to add.
    DbStatus asked;
    in.recertifiedPrototype = FormDefinition::of(form).rules.prototypeToNew && line.status == QLatin1String("NEW")
                              && folder.isOpen()
                              && PrototypeReleases::released(folder.certificates(), line.partNum, line.serialNum,
                                                             ownFormIndex, asked);
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
