#include "FindPanel.h"

#include "NamedWidget.h"
#include "PanelKeys.h"

#include "BusyPointer.h"
#include "CertificateSearch.h"
#include "DataFolder.h"
#include "EntryBox.h"
#include "FindRequest.h"
#include "FindResults.h"
#include "FoundCertificates.h"
#include "FoldedCopies.h"
#include "PanelDrag.h"
#include "ProgressWindow.h"
#include "MessageBoxes.h"
#include "ScreenTwips.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

namespace arc {

const Message FindPanel::kNoMatch{MessageTexts::tr("No matches found within database"),
                                  MessageTexts::tr("Search Results"), Message::Buttons::Ok, Message::Icon::None,
                                  Message::Answer::Ok};

FindPanel::FindPanel(DataFolder &folder, MessageBoxes &messages, QWidget *parent)
    : QFrame(parent), m_folder(folder), m_messages(messages)
{
    setObjectName(QStringLiteral("Panel3D3"));
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Raised);
    setAutoFillBackground(true);

    auto *title = new QLabel(tr("Find Match"));
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    auto *instruction = new QLabel(tr("Enter the value you wish to match in the appropriate section(s). "
                                                  "Begin by clicking Find First or Find Last."));
    instruction->setWordWrap(true);

    // Two columns of six, read down the first column and then the second.
    auto *grid = new QGridLayout;
    constexpr int rows = static_cast<int>(kFindBoxes) / 2;
    for (size_t i = 0; i < kFindBoxes; ++i) {
        const FindField &f = findFields()[i];
        const QByteArray name = "FindText_" + QByteArray::number(static_cast<int>(i));
        boxes[i] = new EntryBox(name.constData());
        boxes[i]->setEntryLimit(f.limit);
        boxes[i]->setTodayOnDoubleClick(f.date);
        auto *label = new QLabel(tr(f.label));
        label->setBuddy(boxes[i]);
        const int row = static_cast<int>(i) % rows;
        const int column = static_cast<int>(i) / rows * 2;
        grid->addWidget(label, row, column);
        grid->addWidget(boxes[i], row, column + 1);
    }

    firstButton = namedWidget<QPushButton>("FindFirst", tr("Find First"));
    lastButton = namedWidget<QPushButton>("FindLast", tr("Find Last"));
    allButton = namedWidget<QPushButton>("ShowAll", tr("Show All Records"));
    closeButton = namedWidget<QPushButton>("FindClose", tr("&Close"));
    closeButton->setToolTip(tr("Close the find panel (Escape)"));
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton *b : {firstButton, lastButton, allButton, closeButton})
        buttons->addWidget(b);
    // Enter searches from the first certificate; Escape closes.
    PanelKeys::attach(this, closeButton, firstButton);
    for (EntryBox *b : boxes)
        connect(b, &EntryBox::enterPressed, firstButton, &QPushButton::click);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(title);
    layout->addWidget(instruction);
    layout->addLayout(grid);
    layout->addLayout(buttons);

    connect(firstButton, &QPushButton::clicked, this, &FindPanel::findFirst);
    connect(lastButton, &QPushButton::clicked, this, &FindPanel::findLast);
    connect(allButton, &QPushButton::clicked, this, &FindPanel::showAll);
    connect(closeButton, &QPushButton::clicked, this, &FindPanel::close);
    hide();

    // Over the window beside the panel; without a window, with the panel.
    m_results = new FindResults(parent ? parent : this);
    PanelDrag::attach(m_results);
    connect(m_results, &FindResults::chosen, this, &FindPanel::showCertificate);
    connect(m_results, &FindResults::failed, this, &FindPanel::listUnread);
}

void FindPanel::open()
{
    if (!isHidden())
        return;
    move(twipsToPixels(615), twipsToPixels(2340));
    adjustSize();
    show();
    raise();
    emit commandsEnabled(false);
    boxes[0]->setFocus();
}

void FindPanel::close()
{
    hide();
    emit commandsEnabled(true);
}

void FindPanel::findFirst()
{
    m_first = true;
    FindRecords();
}

void FindPanel::findLast()
{
    m_first = false;
    FindRecords();
}

void FindPanel::showAll()
{
    for (EntryBox *b : boxes)
        b->clear();
    m_first = false;
    m_listing = false;
    FindRecords();
    m_listing = true;
}

void FindPanel::FindRecords()
{
    std::array<QString, kFindBoxes> texts;
    for (size_t i = 0; i < texts.size(); ++i)
        texts[i] = boxes[i]->text();
    const FindRequest request = FindRequest::read(texts);
    if (request.notADate >= 0) {
        // Nothing is searched; the panel stays for the date to be put right.
        const auto which = static_cast<size_t>(request.notADate);
        EntryBox *box = boxes[which];
        m_messages.ask({MessageTexts::tr("\"%1\" in %2 is not a date. Type the day as DD/MMM/YYYY, for example "
                                         "05/Dec/2026, or empty the box.")
                            .arg(box->text(), QString::fromLatin1(findFields()[which].label)),
                        MessageTexts::tr("Find Match"), Message::Buttons::Ok, Message::Icon::Exclamation});
        box->setFocus();
        box->selectAll();
        return;
    }
    if (!m_folder.isOpen() || (m_mayLeave && !m_mayLeave())) {
        close();
        return;
    }
    BusyPointer busy;
    {
        // Many rows another program wrote beyond ASCII are folded first,
        // with the dialog once that takes a second. Each batch is kept, so
        // a stop leaves nothing half-done: no search, the panel stays open.
        ProgressWindow folding(window(), tr("Find Match"), ProgressWindow::Stop::Allowed);
        if (FoldedCopies::bringUpToDate(m_folder.certificates(), folding.progress()).is(DbCondition::Cancelled))
            return;
    }
    DataView &header = m_folder.header();
    DbStatus s = CertificateSearch::show(m_folder, request.conditions);
    if (s.ok())
        s = m_first ? header.moveFirst() : header.moveLast();
    if (!s.ok()) {
        m_messages.ask({MessageTexts::tr("The search could not be made: %1").arg(s.detail()),
                        MessageTexts::tr("Search Results"), Message::Buttons::Ok, Message::Icon::Critical});
    } else if (!header.hasRow()) {
        // The certificate on screen stays, new or stored, to be saved as it is.
        m_results->clear();
        m_messages.ask(kNoMatch);
    } else {
        // Show All Records lists nothing: every certificate is no finding.
        listFound(m_listing);
        emit found();
    }
    close();
}

void FindPanel::listFound(bool show)
{
    if (const DbStatus s = m_results->setFound(show ? std::make_unique<FoundCertificates>(m_folder.header(), &m_folder.reads()) : nullptr);
        !s.ok())
        listUnread(s);
    if (m_results->rowCount() == 0)
        return;
    // Beside where the panel stands, inside the window.
    if (QWidget *window = parentWidget()) {
        const int left = std::min(x() + width() + 8, window->width() - m_results->width() - 8);
        m_results->move(PanelDrag::keptReachable({std::max(0, left), y()}, m_results->size(), window->size()));
    }
    m_results->show();
    m_results->raise();
}

void FindPanel::listUnread(const DbStatus &s)
{
    m_messages.ask({MessageTexts::tr("The list of certificates found could not be read: %1").arg(s.detail()),
                    MessageTexts::tr("Search Results"), Message::Buttons::Ok, Message::Icon::Exclamation});
}

bool FindPanel::showCertificate(qint64 formIndex)
{
    if (!m_folder.isOpen() || (m_mayLeave && !m_mayLeave()))
        return false;
    DataView &header = m_folder.header();
    DbStatus s = header.moveToRow(formIndex);
    if (s.is(DbCondition::RecordGone) && header.showsResult()) {
        // Stored, perhaps, but not among what the last search found.
        if (s = header.include(formIndex); s.ok())
            s = header.moveToRow(formIndex);
    }
    if (s.is(DbCondition::RecordGone)) {
        m_messages.ask({MessageTexts::tr("That certificate is no longer stored."), MessageTexts::tr("Search Results"),
                        Message::Buttons::Ok, Message::Icon::Exclamation});
        return false;
    }
    if (!s.ok()) {
        m_messages.ask({MessageTexts::tr("The certificate could not be read: %1").arg(s.detail()),
                        MessageTexts::tr("Search Results"), Message::Buttons::Ok, Message::Icon::Critical});
        return false;
    }
    emit found();
    emit told(tr("Certificate %1 opened").arg(header.value(QStringLiteral("Tracking")).toString().trimmed()));
    return true;
}

} // namespace arc
