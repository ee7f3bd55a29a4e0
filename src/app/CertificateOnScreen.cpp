#include "CertificateOnScreen.h"

#include "BusyPointer.h"
#include "CertificateScreen.h"
#include "DataFolder.h"
#include "DateText.h"
#include "EntryBox.h"
#include "EntryText.h"
#include "FolderMessages.h"
#include "FormOnScreen.h"
#include "IssuedCertificate.h"
#include "ItemGrid.h"
#include "ItemGridModel.h"
#include "MessageBoxes.h"
#include "NewCertificateDefaults.h"
#include "NumberOnScreen.h"
#include "OrganizationChooser.h"
#include "Prompts.h"
#include "ReferenceLists.h"
#include "RemarksOnScreen.h"
#include "ScreenEdits.h"
#include "SilentEdit.h"
#include "StatusWords.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>

namespace arc {

namespace {

struct CertificateOnScreenTexts {
    Q_DECLARE_TR_FUNCTIONS(arc::CertificateOnScreen)
};

} // namespace

using SilentEdit::setText;
using SilentEdit::setTicked;

CertificateOnScreen::CertificateOnScreen(CertificateScreen &screen, ItemGridModel &grid, DataFolder &folder,
                                         MessageBoxes &messages, QObject *parent)
    : QObject(parent), m_screen(&screen), m_grid(&grid), m_folder(folder),
      m_messages(messages), m_store(std::make_unique<CertificateStore>(folder)),
      m_issued(std::make_unique<IssuedCertificate>(folder, messages, screen.issuedMark, screen.supersededMark)),
      m_number(std::make_unique<NumberOnScreen>(folder, messages, [this] {
          return Station::here(m_who.signatory ? m_who.signatory->name : QString());
      })),
      m_remarks(std::make_unique<RemarksOnScreen>(screen, grid, folder, messages)),
      m_edits(new ScreenEdits(screen, grid, this)), m_form(new FormOnScreen(screen, this))
{
    connect(m_form, &FormOnScreen::formChosen, this, [this] {
        fillApprovals();
        buildtext13();
    });
    connect(screen.nextButton, &QPushButton::clicked, this, &CertificateOnScreen::next);
    connect(screen.previousButton, &QPushButton::clicked, this, &CertificateOnScreen::previous);
    connect(screen.newButton, &QPushButton::clicked, this, &CertificateOnScreen::newForm);
    connect(screen.saveButton, &QPushButton::clicked, this, &CertificateOnScreen::save);
    connect(screen.deleteButton, &QPushButton::clicked, this, &CertificateOnScreen::deleteForm);
    connect(screen.combo3, &QComboBox::activated, this, &CertificateOnScreen::chooseOrganization);
    // Block 12 follows the export choice and the 13a/14a boxes.
    connect(screen.option1, &QRadioButton::clicked, this, [this] { chooseExport(true); });
    connect(screen.option2, &QRadioButton::clicked, this, [this] { chooseExport(false); });
    connect(screen.combo1, &QComboBox::activated, this, &CertificateOnScreen::buildtext13);
    connect(screen.combo2, &QComboBox::activated, this, &CertificateOnScreen::buildtext13);
    const std::pair<QCheckBox *, ReleaseBoxes::Box> boxes[] = {
        {screen.block13aApproved, ReleaseBoxes::Box::ApprovedDesign},
        {screen.block13aNonApproved, ReleaseBoxes::Box::NonApprovedDesign},
        {screen.block14aReturnToService, ReleaseBoxes::Box::ReturnToService},
        {screen.block14aOtherRegulation, ReleaseBoxes::Box::OtherRegulation}};
    for (const auto &[check, box] : boxes)
        connect(check, &QCheckBox::clicked, this, [this, b = box] { releaseBoxClicked(b); });
    connect(&grid, &ItemGridModel::currentCellChanged, this, [this] {
        if (m_newFormFlag == 1)
            checkstat();
    });
}

CertificateOnScreen::~CertificateOnScreen() = default;

void CertificateOnScreen::start()
{
    // The numbers of a program that was killed are accounted for first.
    if (const int voided = m_number->settleEnded(); voided > 0)
        emit told(voided == 1 ? tr("1 number taken by a program that ended recorded as void")
                              : tr("%1 numbers taken by a program that ended recorded as void").arg(voided));
    m_newFormFlag = 1;
    NewFormDefaults();
    SetCountryList();
    if (m_screen->combo2->count() > 0)
        m_screen->combo2->setCurrentIndex(0);
}

void CertificateOnScreen::end() { m_number->left(TakenNumbers::programEnded()); }

void CertificateOnScreen::SetCountryList()
{
    QComboBox *c = m_screen->combo1;
    const QSignalBlocker block(c);
    // A country chosen stays chosen while the new list still offers it, so
    // a status check keeps the export lines of block 12.
    const QString chosen = c->currentIndex() > 0 ? c->currentText() : QString();
    c->clear();
    if (!m_folder.isOpen())
        return;
    for (const CountryEntry &e : ReferenceLists::exportCountries(m_folder.countries(), m_grid->line(0).status))
        c->addItem(e.name, QVariant::fromValue(e));
    c->setCurrentIndex(chosen.isEmpty() ? 0 : std::max(0, c->findText(chosen)));
}

void CertificateOnScreen::NewFormDefaults()
{
    CertificateScreen &s = *m_screen;
    // The new certificate on screen gives way, its number never stored.
    if (const QString voided = m_number->left(TakenNumbers::leftUnsaved()); !voided.isEmpty())
        emit told(tr("Number %1 recorded as void (%2)").arg(voided, TakenNumbers::leftUnsaved()));
    m_grid->setLines({});
    for (QCheckBox *c : {s.block13aApproved, s.block13aNonApproved, s.block14aReturnToService, s.block14aOtherRegulation})
        setTicked(c, false);
    if (m_newFormFlag == 1)
        fillFromDefaults();
    m_grid->setCurrentCell(0, 0, m_newFormFlag == 1);
    m_issued->refresh(true, 0);
    m_edits->reset();
}

void CertificateOnScreen::fillFromDefaults()
{
    CertificateScreen &s = *m_screen;
    DbStatus status;
    const Station taker = m_number->station();
    const std::optional<NewCertificateDefaults> d =
        m_folder.isOpen() ? NewCertificateDefaults::issue(m_folder.defaults(), &status, &taker) : std::nullopt;
    if (d && d->numbersIssued)
        m_number->taken(d->tracking);
    if (status.is(DbCondition::ConnectionLost))
        m_messages.ask(FolderMessages::serverUnreachable(
            m_folder.certificates().filePath(), CertificateOnScreenTexts::tr("no certificate numbers were issued")));
    else if (!status.ok())
        reportStoreFailure(
            CertificateOnScreenTexts::tr("The next certificate numbers could not be stored, so none were issued"),
            status);
    if (!d) {
        m_form->startNew(QStringLiteral("FAA/United States"));
        for (QLineEdit *e : {s.block3Tracking, s.block13dName, s.block14dName, s.block13cNumber, s.block14cNumber, s.block14eDate, s.block13eDate})
            setText(e, QString());
        for (QPlainTextEdit *e : {s.block4Organization, s.block4Second, s.block5Invoice})
            setText(e, QString());
        m_remarks->fill(QString());
        return;
    }
    m_form->startNew(d->country);
    setText(s.block4Second, d->organ2);
    // What does not fit its box is refused and reported, never cut.
    s.block3Tracking->offer(d->tracking);
    s.block5Invoice->offer(d->invoice);
    m_remarks->fill(d->remarks);
    const std::optional<AgentEntry> &who = m_who.signatory;
    s.block13dName->offer(who ? who->name : QString());
    s.block13cNumber->offer(who ? who->approvalNumber : QString());
    setText(s.block13eDate, who ? DateText::today() : QString());
    setText(s.block14dName, QString());
    setText(s.block14eDate, QString());

    s.option2->setChecked(true);
    for (QComboBox *c : {s.combo1, s.combo2}) {
        if (c->count() > 0)
            c->setCurrentIndex(0);
        c->setEnabled(false);
    }
    ItemLine first;
    first.serialNum = d->batch;
    first.description = d->description;
    first.partNum = d->partNum;
    first.item = QStringLiteral("1");
    first.quantity = QStringLiteral("1");
    first.status = d->status;
    m_grid->offerLine(0, first);
    m_grid->setCurrentCell(0, 0, true);
    checkstat();
}

void CertificateOnScreen::ShowForm()
{
    BusyPointer busy;
    if (!m_folder.isOpen())
        return;
    DataView &header = m_folder.header();
    if (header.isBof() && header.isEof()) {
        m_newFormFlag = 1;
        NewFormDefaults();
        return;
    }
    m_newFormFlag = 0;
    NewFormDefaults();
    showStoredCertificate();
    m_edits->reset();
}

void CertificateOnScreen::showStoredCertificate()
{
    const CertificateHeader c = m_store->currentHeader();
    m_currentFormIndex = c.formIndex;
    m_form->offerEvery();
    m_screen->showHeader(c);
    m_remarks->forget();
    // What loaded before a failure stays on screen.
    ItemSlots lines;
    if (const DbStatus s = m_store->loadLines(m_currentFormIndex, lines); !s.ok())
        reportStoreFailure(CertificateOnScreenTexts::tr("Not all items of the certificate could be read"), s);
    m_grid->setLines(lines);
    const bool block13 = selectsBlock13(lineAt(lines, 0).status.toUpper());
    setBlockEnabled(block13);
    showExportChoice(c, block13);
    m_issued->refresh(false, m_currentFormIndex);
    emit certificateShown(m_currentFormIndex);
}

void CertificateOnScreen::showExportChoice(const CertificateHeader &c, bool block13)
{
    CertificateScreen &s = *m_screen;
    (c.exportChosen ? s.option1 : s.option2)->setChecked(true);
    s.option1->setEnabled(block13);
    s.option2->setEnabled(block13);
    s.combo1->setEnabled(!block13 || c.exportChosen);
    s.combo2->setEnabled(block13 && c.exportChosen);
    // A name the lists no longer offer is not chosen: the lists say what
    // may be chosen today.
    s.combo1->setCurrentIndex(0);
    SetCountryList();
    for (const auto &[list, name] : {std::pair{s.combo1, c.exportCountry}, std::pair{s.combo2, c.forwarder}}) {
        const QSignalBlocker block(list);
        if (list->count() > 0)
            list->setCurrentIndex(std::max(0, name.isEmpty() ? 0 : list->findText(name)));
    }
}

void CertificateOnScreen::setBlockEnabled(bool block13)
{
    CertificateScreen &s = *m_screen;
    s.block13aApproved->setEnabled(block13);
    s.block13aNonApproved->setEnabled(block13);
    s.block14aReturnToService->setEnabled(!block13);
    s.block14aOtherRegulation->setEnabled(!block13);
}

QString CertificateOnScreen::currentStatus() const
{
    return m_grid->currentLine().status;
}

void CertificateOnScreen::checkstat()
{
    CertificateScreen &s = *m_screen;
    const bool block13 = selectsBlock13(currentStatus());
    setBlockEnabled(block13);
    if (block13) {
        setTicked(s.block13aApproved, true);
        setTicked(s.block14aReturnToService, false);
        setTicked(s.block14aOtherRegulation, false);
        s.option1->setEnabled(true);
        s.option2->setEnabled(true);
        s.combo1->setEnabled(s.option1->isChecked());
        s.combo2->setEnabled(s.option1->isChecked());
        for (QLineEdit *e : {s.block14cNumber, s.block14dName, s.block14eDate})
            setText(e, QString());
        // The signed-in signatory, whatever the name lists show now.
        const std::optional<AgentEntry> &who = m_who.signatory;
        s.block13dName->offer(who ? who->name : QString());
        setText(s.block13eDate, DateText::today());
    } else {
        setTicked(s.block14aReturnToService, true);
        setTicked(s.block13aApproved, false);
        setTicked(s.block13aNonApproved, false);
        s.option1->setEnabled(false);
        s.option2->setEnabled(false);
        s.combo1->setEnabled(true);
        s.combo2->setEnabled(false);
        for (QLineEdit *e : {s.block13cNumber, s.block13dName, s.block13eDate})
            setText(e, QString());
        s.block14dName->offer(m_who.signatory ? m_who.signatory->name : QString());
        setText(s.block14eDate, DateText::today());
    }
    fillApprovals();
    SetCountryList();
    buildtext13();
}

void CertificateOnScreen::buildtext13() { m_remarks->compose(m_newFormFlag == 1 ? 0 : m_currentFormIndex); }

void CertificateOnScreen::chooseExport(bool yes)
{
    m_screen->combo1->setEnabled(yes);
    m_screen->combo2->setEnabled(yes);
    buildtext13();
}

void CertificateOnScreen::releaseBoxClicked(ReleaseBoxes::Box box)
{
    CertificateScreen &s = *m_screen;
    const ReleaseBoxes::Outcome out = ReleaseBoxes::afterClick(
        {s.block13aApproved->isChecked(), s.block13aNonApproved->isChecked(), s.block14aReturnToService->isChecked(), s.block14aOtherRegulation->isChecked()}, box);
    setTicked(s.block13aApproved, out.ticks.approvedDesign);
    setTicked(s.block13aNonApproved, out.ticks.nonApprovedDesign);
    setTicked(s.block14aReturnToService, out.ticks.returnToService);
    setTicked(s.block14aOtherRegulation, out.ticks.otherRegulation);
    if (out.rebuildRemarks)
        buildtext13();
}

void CertificateOnScreen::fillApprovals()
{
    // The signed-in signatory's, whatever the name lists show now.
    const std::optional<AgentEntry> &who = m_who.signatory;
    m_form->fillApprovals(selectsBlock13(currentStatus()), who ? std::optional(who->approvalNumber) : std::nullopt);
}

void CertificateOnScreen::next() { step(true); }

void CertificateOnScreen::previous() { step(false); }

void CertificateOnScreen::step(bool forward)
{
    DataView *header = m_folder.isOpen() ? &m_folder.header() : nullptr;
    if (!header || (forward ? header->isEof() : header->isBof())) {
        m_messages.ask(Prompts::kNoRecords);
        return;
    }
    if (!mayLeave())
        return;
    DbStatus s;
    if (m_newFormFlag == 1) {
        // Both ways, a new certificate gives way to the last one stored.
        if (s = header->moveLast(); s.ok())
            m_newFormFlag = 0;
    } else {
        s = forward ? header->moveNext() : header->movePrevious();
        if (s.ok() && (forward ? header->isEof() : header->isBof())) {
            m_messages.ask(Prompts::kNoMoreRecords);
            if (s = forward ? header->movePrevious() : header->moveNext(); s.ok())
                return;
        }
    }
    if (!s.ok()) {
        // The screen keeps what it shows.
        reportStoreFailure(CertificateOnScreenTexts::tr("The certificate could not be read"), s);
        return;
    }
    m_screen->combo3->hide();
    ShowForm();
}

bool CertificateOnScreen::newForm()
{
    // A new certificate from a server out of reach would show no numbers.
    if (!FolderMessages::ensureOpen(m_folder, m_messages) || !FolderMessages::ensureReachable(m_folder, m_messages)
        || !mayLeave())
        return false;
    m_newFormFlag = 1;
    NewFormDefaults();
    m_screen->grid1->setFocus();
    m_screen->combo3->show();
    emit told(CertificateOnScreenTexts::tr("New certificate %1").arg(tracking()));
    return true;
}

QString CertificateOnScreen::tracking() const { return m_screen->block3Tracking->text().trimmed(); }

void CertificateOnScreen::reportStoreFailure(const QString &what, const DbStatus &status)
{
    m_messages.ask(FolderMessages::storeFailure(what, status));
}

bool CertificateOnScreen::save()
{
    if (!FolderMessages::ensureOpen(m_folder, m_messages) || !FolderMessages::ensureReachable(m_folder, m_messages))
        return false;
    BusyPointer busy;
    qint64 key = m_currentFormIndex;
    const CertificateEntries entries = m_screen->entries(m_grid->lines());
    if (m_newFormFlag == 0) {
        if (!m_issued->refresh(false, key, true))
            return false;
        if (m_issued->isIssued())
            return saveIssued(entries);
    }
    if (!FolderMessages::numberIsFree(m_folder, m_messages, entries.tracking, m_newFormFlag == 1 ? 0 : key))
        return false;
    // A void number stays off every certificate.
    if (!m_number->mayStore(entries.tracking))
        return false;
    DbStatus s = m_store->save(entries, m_newFormFlag == 1, key);
    if (s.is(DbCondition::ConnectionLost)) {
        // Lost during the save itself: not a certificate deleted elsewhere.
        m_messages.ask(FolderMessages::serverUnreachable(m_folder.certificates().filePath(),
                                                         CertificateOnScreenTexts::tr("nothing was saved")));
        return false;
    }
    if (s.is(DbCondition::RecordGone)) {
        // Deleted elsewhere since it was shown: storing over it would store
        // nothing, and its lines would belong to no certificate.
        if (m_messages.ask(Prompts::kCertificateGone) != Message::Answer::Yes)
            return false;
        s = m_store->save(entries, true, key);
    }
    if (s.is(DbCondition::ChangedElsewhere)) {
        // Writing over it would silently undo the other station's save.
        if (m_messages.ask(Prompts::kCertificateChanged) == Message::Answer::Yes
            && m_folder.header().findFirst(QStringLiteral("\"FormIndex\" = ?"), {key}).ok()
            && !m_folder.header().noMatch())
            ShowForm();
        return false;
    }
    if (!s.ok() && !s.is(DbCondition::FieldTooSmall)) {
        // The entries stay on screen so the user can try again.
        reportStoreFailure(CertificateOnScreenTexts::tr("The certificate was not saved"), s);
        return false;
    }
    m_number->stored(entries.tracking);
    m_currentFormIndex = key;
    m_newFormFlag = 0;
    m_edits->reset();
    emit certificateShown(key);
    emit told(CertificateOnScreenTexts::tr("Certificate %1 saved").arg(tracking()));
    if (s.is(DbCondition::FieldTooSmall))
        m_messages.ask(Prompts::kTooLong);
    return true;
}

bool CertificateOnScreen::saveIssued(const CertificateEntries &entries)
{
    const std::optional<Correction::Result> stored = m_issued->storeChanges(entries);
    if (!stored)
        return false;
    // The new certificate is the one on screen, as after any first save.
    setText(m_screen->block3Tracking, stored->tracking);
    setText(m_screen->block12Remarks, stored->remarks);
    m_remarks->forget();
    m_currentFormIndex = stored->formIndex;
    m_newFormFlag = 0;
    m_issued->refresh(false, m_currentFormIndex);
    m_edits->reset();
    emit certificateShown(m_currentFormIndex);
    emit told(CertificateOnScreenTexts::tr("Certificate %1 saved").arg(tracking()));
    if (stored->status.is(DbCondition::FieldTooSmall))
        m_messages.ask(Prompts::kTooLong);
    return true;
}

bool CertificateOnScreen::changed() const { return m_edits->changed(); }

void CertificateOnScreen::markChanged() { m_edits->markChanged(); }

void CertificateOnScreen::keepForm(const QString &form, const QString &block1) { m_form->keep(form, block1); }

bool CertificateOnScreen::mayLeave()
{
    if (!m_edits->changed())
        return true;
    switch (m_messages.ask(Prompts::saveChanges(m_screen->block3Tracking->text().trimmed()))) {
    case Message::Answer::Save: return save();
    case Message::Answer::Discard: return true;
    default: return false;
    }
}

void CertificateOnScreen::deleteForm()
{
    if (!FolderMessages::ensureOpen(m_folder, m_messages))
        return;
    if (m_newFormFlag == 1) {
        m_messages.ask(Prompts::kNothingToDelete);
        return;
    }
    if (!m_issued->mayDelete(m_currentFormIndex))
        return;
    if (m_messages.ask(Prompts::kDeleteForm) != Message::Answer::Yes)
        return;
    const QString gone = tracking();
    const DbStatus s = m_store->deleteCurrent();
    if (!s.ok()) {
        reportStoreFailure(CertificateOnScreenTexts::tr("The certificate was not deleted"), s);
        return;
    }
    emit told(CertificateOnScreenTexts::tr("Certificate %1 deleted").arg(gone));
    DataView &header = m_folder.header();
    if (!header.tableHasRows()) {
        if (const DbStatus r = header.refresh(); !r.ok())
            reportStoreFailure(
                CertificateOnScreenTexts::tr("The certificate was deleted, but the list of certificates could not be "
                                             "read again"),
                r);
        m_newFormFlag = 1;
        NewFormDefaults();
        return;
    }
    if (const DbStatus r = header.moveLast(); !r.ok()) {
        reportStoreFailure(
            CertificateOnScreenTexts::tr("The certificate was deleted, but the last one stored could not be read"), r);
        return;
    }
    ShowForm();
}

void CertificateOnScreen::chooseOrganization(int index)
{
    CertificateScreen &s = *m_screen;
    if (index < 0)
        return;
    const OrganizationEntry o = s.combo3->itemData(index).value<OrganizationEntry>();
    setText(s.block4Organization, QStringList{o.name, o.address1, o.address2, o.address3}.join(QStringLiteral("\r\n")));
    s.combo3->shrink();
    m_form->organisationChosen(m_newFormFlag == 1);
    fillApprovals();
    s.block5Invoice->setFocus();
}

} // namespace arc
