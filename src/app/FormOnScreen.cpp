#include "FormOnScreen.h"

#include "CertificateScreen.h"
#include "EntryBox.h"
#include "FormApproval.h"
#include "FormAuthority.h"
#include "FormDefinition.h"
#include "FormNames.h"
#include "OrganizationChooser.h"
#include "ReferenceLists.h"
#include "SilentEdit.h"

#include <QComboBox>

namespace arc {

FormOnScreen::FormOnScreen(CertificateScreen &screen, QObject *parent)
    : QObject(parent), m_screen(screen), m_faaAuthority(QStringLiteral("FAA/United States"))
{
    connect(screen.formChoice, &QComboBox::activated, this, &FormOnScreen::chosen);
}

QStringList FormOnScreen::allowedForms() const
{
    const QComboBox *organisations = m_screen.combo3;
    if (organisations->currentIndex() < 0)
        return FormNames::all();
    return FormNames::allowed(organisations->currentData().value<OrganizationEntry>().forms);
}

void FormOnScreen::offer(const QStringList &forms, const QString &keep)
{
    QComboBox *choice = m_screen.formChoice;
    const QSignalBlocker block(choice);
    choice->clear();
    choice->addItems(forms);
    choice->setCurrentIndex(std::max(0, int(forms.indexOf(keep))));
    // The captions follow the form shown, whichever way it was chosen.
    m_screen.showCaptions(FormDefinition::of(choice->currentText()));
}

void FormOnScreen::startNew(const QString &faaAuthority)
{
    m_faaAuthority = faaAuthority;
    offer(allowedForms(), {});
    fillBlock1();
}

void FormOnScreen::keep(const QString &form, const QString &block1)
{
    offer(FormNames::all(), FormNames::effective(form));
    SilentEdit::setText(m_screen.block1Country, block1);
}

void FormOnScreen::offerEvery() { offer(FormNames::all(), m_screen.formChoice->currentText()); }

void FormOnScreen::organisationChosen(bool newCertificate)
{
    const QString before = m_screen.formChoice->currentText();
    offer(newCertificate ? allowedForms() : FormNames::all(), before);
    // An FAA form kept keeps its block 1 as typed; another's follows the
    // organisation.
    if (newCertificate && (m_screen.formChoice->currentText() != before || !FormNames::isFaa(before)))
        fillBlock1();
}

void FormOnScreen::chosen()
{
    fillBlock1();
    emit formChosen();
}

void FormOnScreen::fillApprovals(bool block13, const std::optional<QString> &signatoryNumber)
{
    const QString form = m_screen.formChoice->currentText();
    const bool chosen = m_screen.combo3->currentIndex() >= 0;
    const OrganizationEntry organisation = m_screen.combo3->currentData().value<OrganizationEntry>();
    if (!block13) {
        if (chosen)
            m_screen.block14cNumber->offer(FormApproval::block14c(form, organisation));
        return;
    }
    const QString number =
        FormApproval::block13c(form, signatoryNumber.value_or(QString()), chosen ? &organisation : nullptr);
    if (signatoryNumber || !number.isEmpty())
        m_screen.block13cNumber->offer(number);
}

void FormOnScreen::fillBlock1()
{
    const QComboBox *organisations = m_screen.combo3;
    const OrganizationEntry chosen = organisations->currentData().value<OrganizationEntry>();
    const std::optional<QString> block1 = FormAuthority::block1(
        m_screen.formChoice->currentText(), organisations->currentIndex() >= 0 ? &chosen : nullptr);
    SilentEdit::setText(m_screen.block1Country, block1.value_or(m_faaAuthority));
}

} // namespace arc
