#include "ActivityReport.h"

#include "ActivityCounts.h"
#include "BusyPointer.h"
#include "DataFolder.h"
#include "DateText.h"
#include "EntryBox.h"
#include "MessageBoxes.h"

#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

namespace arc {

namespace {
constexpr int kResultLength = 10;
// Room for a date as the program writes it, "31/Dec/2026": a limit of ten
// would cut the year of the very form the boxes suggest.
constexpr int kPeriodLength = 11;
} // namespace

ActivityReport::ActivityReport(DataFolder &folder, MessageBoxes &messages, QComboBox *signatory, QWidget *parent)
    : QGroupBox(QStringLiteral("Activity"), parent), m_folder(folder), m_messages(messages), m_signatory(signatory)
{
    // Room for the characters a box takes, and no more.
    const int width = fontMetrics().horizontalAdvance(QStringLiteral("00/MMM/0000")) + 16;
    from = new EntryBox("ReportFrom");
    to = new EntryBox("ReportTo");
    for (EntryBox *b : {from, to}) {
        b->setFixedWidth(width);
        b->setEntryLimit(kPeriodLength);
        b->setTodayOnDoubleClick(true);
        b->setPlaceholderText(tr("DD/MMM/YYYY"));
        connect(b, &QLineEdit::textChanged, this, &ActivityReport::periodChanged);
    }
    calculate = new QPushButton(tr("Calculate"));
    calculate->setObjectName(QStringLiteral("Calculate"));
    calculate->setEnabled(false);

    auto *g = new QGridLayout(this);
    g->addWidget(new QLabel(tr("Report Period")), 0, 0);
    g->addWidget(from, 0, 1);
    g->addWidget(new QLabel(tr("To")), 0, 2);
    g->addWidget(to, 0, 3);
    g->addWidget(calculate, 0, 4);
    const char *labels[] = {"New", "Prototype", "Repaired", "Total"};
    for (int i = 0; i < 4; ++i) {
        auto *box = new QLineEdit;
        box->setObjectName(QStringLiteral("Text48_%1").arg(i));
        box->setAlignment(Qt::AlignRight);
        box->setMaxLength(kResultLength);
        box->setReadOnly(true);
        box->setFixedWidth(width);
        results[static_cast<size_t>(i)] = box;
        // The total sits below a ruled line.
        const int row = i < 3 ? i + 1 : 5;
        g->addWidget(new QLabel(QString::fromLatin1(labels[i])), row, 2);
        g->addWidget(box, row, 3);
    }
    auto *rule = new QFrame;
    rule->setFrameShape(QFrame::HLine);
    rule->setFixedWidth(width);
    g->addWidget(rule, 4, 3);
    g->setColumnStretch(5, 1);
    connect(calculate, &QPushButton::clicked, this, &ActivityReport::Calculate);
    // Figures counted for one signatory must never stand beside another's name.
    connect(m_signatory, &QComboBox::currentTextChanged, this, [this] { showFigures(nullptr); });
}

void ActivityReport::periodChanged()
{
    calculate->setEnabled(DateText::parse(from->text()).isValid() && DateText::parse(to->text()).isValid());
}

std::array<QString, 4> ActivityReport::figures(const ActivityCounts *counts)
{
    if (!counts)
        return {};
    return {QString::number(counts->newParts), QString::number(counts->prototypes),
            QString::number(counts->repairs),
            QString::number(counts->newParts + counts->prototypes + counts->repairs)};
}

void ActivityReport::showFigures(const ActivityCounts *counts)
{
    const std::array<QString, 4> shown = figures(counts);
    for (size_t i = 0; i < shown.size(); ++i)
        results[i]->setText(shown[i]);
}

void ActivityReport::Calculate()
{
    const QDate first = DateText::parse(from->text());
    const QDate last = DateText::parse(to->text());
    if (!first.isValid() || !last.isValid() || !m_folder.isOpen())
        return;
    ActivityCounts counts;
    DbStatus s;
    {
        BusyPointer busy;
        s = ActivityCounts::count(m_folder.reads(), m_signatory->currentText(), first, last, counts);
    }
    // No number of an earlier count may stand beside the new ones.
    showFigures(s.ok() ? &counts : nullptr);
    if (!s.ok())
        m_messages.ask({MessageTexts::tr("The item lines could not be counted: %1").arg(s.detail()),
                        MessageTexts::tr("Activity report"), Message::Buttons::Ok, Message::Icon::Critical});
}

} // namespace arc
