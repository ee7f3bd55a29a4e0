#include "PartsPanel.h"

#include "NamedWidget.h"
#include "PanelKeys.h"
#include "AddMode.h"
#include "BusyPointer.h"
#include "DataFolder.h"
#include "EntryBox.h"
#include "EntryText.h"
#include "LineBreaks.h"
#include "MessageBoxes.h"
#include "ReferenceLists.h"
#include "ReferenceRows.h"
#include "StampTexts.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

namespace arc {

namespace {

struct PartsPanelTexts {
    Q_DECLARE_TR_FUNCTIONS(arc::PartsPanel)
};

EntryText *textBox(const char *name, int limit)
{
    auto *t = new EntryText(name);
    t->setEntryLimit(limit);
    t->setFixedHeight(48);
    return t;
}


QString stored(const EntryText *t) { return LineBreaks::toStored(t->toPlainText()); }

} // namespace

PartsPanel::PartsPanel(DataFolder &folder, AddMode &addMode, MessageBoxes &messages, QListWidget *partList,
                       QWidget *parent)
    : QFrame(parent), m_folder(folder), m_addMode(addMode), m_messages(messages), m_partList(partList)
{
    setObjectName(QStringLiteral("SSPanel2"));
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Raised);
    setAutoFillBackground(true);

    combo5 = new QComboBox;
    combo5->setObjectName(QStringLiteral("Combo5"));
    combo5->setPlaceholderText(tr("Press NEW to enter new part"));
    partEntry = new EntryBox("PartEntry", 20);
    partEntry->hide();
    description = textBox("PartDescription", 50);
    pma = new EntryBox("PartPma", 20);
    vi = new EntryBox("PartVi", 3);
    relDwg = new EntryBox("PartRelDwg", 3);
    for (int i = 0; i < 3; ++i) {
        stampCodes[i] = new EntryBox(QStringLiteral("PartStamp_%1").arg(i).toLatin1().constData(), 3);
        stampTexts[i] = textBox(QStringLiteral("PartStampText_%1").arg(i).toLatin1().constData(), 255);
    }
    eligibility = textBox("PartEligibility", 50);
    savePartButton = namedWidget<QPushButton>("SavePart", tr("Save Part"));
    deleteButton = namedWidget<QPushButton>("DeletePart", tr("Delete"));
    newButton = namedWidget<QPushButton>("NewPart", tr("New"));
    exitButton = namedWidget<QPushButton>("ExitPart", tr("Exit"));
    saveStampButton = namedWidget<QPushButton>("SaveStamp", tr("Save Stamp"));

    auto *g = new QGridLayout(this);
    const auto row = [&](int r, const QString &label, QWidget *w) {
        g->addWidget(new QLabel(label), r, 0);
        g->addWidget(w, r, 1, 1, 3);
        w->setAccessibleName(label.trimmed()); // names it when a value is refused
    };
    row(0, PartsPanelTexts::tr("Part Number"), combo5);
    g->addWidget(partEntry, 0, 1, 1, 3); // in the chooser's place while a new part is entered
    partEntry->setAccessibleName(PartsPanelTexts::tr("Part Number"));
    row(1, PartsPanelTexts::tr("Description"), description);
    row(2, PartsPanelTexts::tr("PMA'd Part Number"), pma);
    row(3, PartsPanelTexts::tr("Validation Initials"), vi);
    row(4, PartsPanelTexts::tr("Release Drawing "), relDwg);
    for (int i = 0; i < 3; ++i) {
        g->addWidget(new QLabel(tr("Stamp %1").arg(i + 1)), 5, 1 + i);
        g->addWidget(stampCodes[i], 6, 1 + i);
        g->addWidget(stampTexts[i], 7, 1 + i);
        stampCodes[i]->setAccessibleName(PartsPanelTexts::tr("Stamp %1").arg(i + 1));
        stampTexts[i]->setAccessibleName(PartsPanelTexts::tr("Stamp %1 text").arg(i + 1));
    }
    row(8, PartsPanelTexts::tr("Eligibility"), eligibility);
    auto *buttons = new QHBoxLayout;
    for (QPushButton *b : {savePartButton, deleteButton, newButton, exitButton, saveStampButton})
        buttons->addWidget(b);
    g->addLayout(buttons, 9, 0, 1, 4);
    PanelKeys::attach(this, exitButton);
    g->setRowStretch(10, 1);

    connect(combo5, &QComboBox::activated, this, &PartsPanel::choose);
    for (int i = 0; i < 3; ++i) {
        connect(stampCodes[i], &QLineEdit::editingFinished, this, [this, i] { lookUpStamp(i); });
        // Enter goes on to the next code, and from the last to the eligibility.
        QWidget *next = i < 2 ? static_cast<QWidget *>(stampCodes[i + 1]) : static_cast<QWidget *>(eligibility);
        connect(stampCodes[i], &EntryBox::enterPressed, next, qOverload<>(&QWidget::setFocus));
    }
    connect(savePartButton, &QPushButton::clicked, this, &PartsPanel::savePart);
    connect(deleteButton, &QPushButton::clicked, this, &PartsPanel::deletePart);
    connect(newButton, &QPushButton::clicked, this, &PartsPanel::newPart);
    connect(exitButton, &QPushButton::clicked, this, &PartsPanel::exitPanel);
    connect(saveStampButton, &QPushButton::clicked, this, &PartsPanel::saveStamps);
    hide();
}

void PartsPanel::addToChooser(const QString &partNumber)
{
    int at = 0;
    while (at < combo5->count() && !ReferenceLists::sortsBefore(partNumber, combo5->itemText(at)))
        ++at;
    combo5->insertItem(at, partNumber);
}

void PartsPanel::showChooser(bool chooser)
{
    combo5->setVisible(chooser);
    partEntry->setVisible(!chooser);
}

void PartsPanel::open()
{
    {
        BusyPointer busy;
        combo5->clear();
        for (int i = 0; i < m_partList->count(); ++i)
            addToChooser(m_partList->item(i)->text());
    }
    show();
    raise();
    emit setupMayClose(false);
    m_addMode.clear();
    // Unreadable now, a save or delete of a part says so.
    (void)m_folder.parts().refresh();
    m_loadedRow = 0;
    m_loadedNumber.clear();
    clearBoxes();
    newButton->setEnabled(true);
    saveStampButton->setEnabled(false);
    const bool any = combo5->count() > 0;
    combo5->setCurrentIndex(-1);
    if (any) {
        combo5->setCurrentIndex(0);
        choose(0);
    }
    combo5->setVisible(any);
    partEntry->hide();
    savePartButton->setEnabled(any);
    deleteButton->setEnabled(any);
}

void PartsPanel::choose(int index)
{
    if (index < 0)
        return;
    DataView &parts = m_folder.parts();
    const DbStatus s = parts.findFirst(QStringLiteral("\"PartNumber\" = ?"), {combo5->itemText(index)});
    if (!s.ok() || parts.noMatch() || !parts.hasRow())
        return;
    // Later saves and deletes act on this part by its key, wherever the
    // grid's look-ups move the shared cursor meanwhile.
    m_loadedRow = parts.rowId();
    m_loadedNumber = parts.text(QStringLiteral("PartNumber"));
    fillBoxes();
    exitButton->setFocus();
    deleteButton->setEnabled(true);
}

void PartsPanel::fillBoxes()
{
    const DataView &parts = m_folder.parts();
    description->setPlainText(LineBreaks::toScreen(parts.text(QStringLiteral("Description"))));
    pma->setText(parts.text(QStringLiteral("PMA_PartNumber")));
    vi->setText(parts.text(QStringLiteral("VI")));
    relDwg->setText(parts.text(QStringLiteral("REL_DWG")));
    eligibility->setPlainText(LineBreaks::toScreen(parts.text(QStringLiteral("Eligibility"))));
    const char *fields[] = {"S1", "S2", "S3"};
    for (int i = 0; i < 3; ++i) {
        stampCodes[i]->setText(parts.text(QString::fromLatin1(fields[i])));
        lookUpStamp(i);
    }
}

void PartsPanel::clearBoxes()
{
    for (EntryBox *b : {partEntry, pma, vi, relDwg})
        b->clear();
    for (EntryText *t : {description, eligibility})
        t->clear();
    for (int i = 0; i < 3; ++i) {
        stampCodes[i]->clear();
        stampTexts[i]->clear();
    }
}

void PartsPanel::lookUpStamp(int i)
{
    const QString code = stampCodes[i]->text();
    if (code.isEmpty()) {
        stampTexts[i]->clear();
        return;
    }
    // A code that is not stored, or a look-up that fails, leaves the text.
    if (m_folder.isOpen())
        if (const std::optional<QString> text = StampTexts::text(m_folder.reference(), code))
            stampTexts[i]->setPlainText(LineBreaks::toScreen(*text));
}

void PartsPanel::newPart()
{
    showChooser(false);
    clearBoxes();
    m_addMode.set();
    partEntry->setFocus();
    deleteButton->setEnabled(false);
    newButton->setEnabled(false);
    savePartButton->setEnabled(true);
    saveStampButton->setEnabled(true);
}

void PartsPanel::takeStampTextAsEligibility()
{
    // The box's own limit is for typing; a stamp text is taken whole.
    if (eligibility->toPlainText().isEmpty())
        eligibility->setPlainText(stampTexts[0]->toPlainText());
}

void PartsPanel::refused(const QString &why)
{
    m_messages.ask({why, MessageTexts::tr("Part catalogue"), Message::Buttons::Ok, Message::Icon::Exclamation});
}

void PartsPanel::savePart()
{
    const bool adding = m_addMode.isOn();
    const QString number = adding ? partEntry->text() : m_loadedNumber;
    if (!adding && m_loadedRow == 0) {
        refused(
            PartsPanelTexts::tr("No part is loaded, so nothing was saved. Choose a part, or press New to add one."));
        return;
    }
    if (number.trimmed().isEmpty()) {
        refused(PartsPanelTexts::tr("A part needs a part number. Nothing was saved."));
        return;
    }
    if (adding && ReferenceRows::partStored(m_folder.parts(), number)) {
        refused(PartsPanelTexts::tr("Part %1 is already in the catalogue. Nothing was saved.").arg(number));
        return;
    }
    takeStampTextAsEligibility();
    const RowWritten w = ReferenceRows::storePart(
        m_folder.parts(), adding ? 0 : m_loadedRow,
        {number, stored(description), pma->text(), vi->text(), relDwg->text(), stored(eligibility),
         {stampCodes[0]->text(), stampCodes[1]->text(), stampCodes[2]->text()}});
    if (!w.ok()) {
        const DbStatus &s = w.status;
        const QString why =
            s.is(DbCondition::RecordGone) ? PartsPanelTexts::tr("it has been deleted meanwhile")
            : s.is(DbCondition::FieldTooSmall)
                ? PartsPanelTexts::tr("%1 is too long").arg(s.refusedFields().join(QStringLiteral(", ")))
                : s.detail();
        refused(PartsPanelTexts::tr("Part %1 was not saved: %2.").arg(number, why));
        return;
    }
    if (adding) {
        m_loadedRow = w.rowId;
        m_loadedNumber = number;
        addToChooser(number);
        combo5->setCurrentIndex(combo5->findText(number));
        m_partList->addItem(number);
        m_addMode.clear();
    }
    showChooser(true);
    deleteButton->setEnabled(true);
    newButton->setEnabled(true);
    emit told(PartsPanelTexts::tr("Part %1 saved").arg(number));
}

void PartsPanel::deletePart()
{
    if (m_addMode.isOn() || m_loadedRow == 0)
        return;
    if (const DbStatus s = ReferenceRows::remove(m_folder.parts(), m_loadedRow);
        !s.ok() && !s.is(DbCondition::RecordGone)) {
        refused(PartsPanelTexts::tr("Part %1 was not deleted: %2.").arg(m_loadedNumber, s.detail()));
        return;
    }
    combo5->removeItem(combo5->findText(m_loadedNumber));
    combo5->setCurrentIndex(-1);
    deleteButton->setEnabled(false);
    m_loadedRow = 0;
    emit told(PartsPanelTexts::tr("Part %1 deleted").arg(m_loadedNumber));
    m_loadedNumber.clear();
}

void PartsPanel::saveStamps()
{
    for (int i = 0; i < 3; ++i) {
        const QString code = stampCodes[i]->text();
        if (code.isEmpty())
            continue;
        if (const DbStatus s = StampTexts::save(m_folder.reference(), code, stored(stampTexts[i])); !s.ok()) {
            refused(PartsPanelTexts::tr("Stamp %1 was not saved: %2.").arg(code, s.detail()));
            return;
        }
    }
    takeStampTextAsEligibility();
}

void PartsPanel::exitPanel()
{
    m_addMode.clear();
    combo5->setEnabled(true);
    showChooser(true);
    hide();
    emit setupMayClose(true);
}

} // namespace arc
