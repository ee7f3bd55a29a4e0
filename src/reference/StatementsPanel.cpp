#include "StatementsPanel.h"

#include "PanelKeys.h"
#include "DataFolder.h"
#include "EntryBox.h"
#include "EntryText.h"
#include "Schema.h"
#include "MessageBoxes.h"
#include "PanelParts.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QSignalBlocker>

namespace arc {

namespace {

struct StatementsPanelTexts {
    Q_DECLARE_TR_FUNCTIONS(arc::StatementsPanel)
};

} // namespace

StatementsPanel::StatementsPanel(DataFolder &folder, MessageBoxes &messages, QWidget *parent)
    : QFrame(parent), m_folder(folder), m_messages(messages)
{
    setObjectName(QStringLiteral("StatementsPanel"));
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Raised);
    setAutoFillBackground(true);

    list = new QListWidget;
    list->setObjectName(QStringLiteral("StatementList"));
    // Entry boxes, which refuse what a data file cannot keep (NUL characters).
    auto *textBox = new EntryText("StatementText");
    auto *sourceBox = new EntryBox("StatementSource");
    // What the statement's fields store, told in words (the window tells
    // every box's refusal) as it is typed or pasted, rather than by the
    // engine on saving.
    textBox->setEntryLimit(fieldLimit(QStringLiteral("Text")));
    sourceBox->setEntryLimit(fieldLimit(QStringLiteral("Source")));
    textBox->setAccessibleName(tr("Statement text"));
    sourceBox->setAccessibleName(tr("Source of the wording"));
    text = textBox;
    source = sourceBox;
    saveButton = PanelParts::button("StatementSave", tr("Save"), "green");
    closeButton = PanelParts::button("StatementClose", tr("Close"), "red");
    m_readOnlyNote = new QLabel(tr("Only an administrator changes the statements."));

    auto *g = new QGridLayout(this);
    g->addWidget(new QLabel(tr("Statement")), 0, 0);
    g->addWidget(new QLabel(tr("Text written into block 12")), 0, 1);
    g->addWidget(list, 1, 0, 3, 1);
    g->addWidget(text, 1, 1);
    g->addWidget(new QLabel(tr("Source of the wording")), 2, 1);
    g->addWidget(source, 3, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_readOnlyNote, 1);
    buttons->addWidget(saveButton);
    buttons->addWidget(closeButton);
    g->addLayout(buttons, 4, 0, 1, 2);
    PanelKeys::attach(this, closeButton);
    g->setColumnStretch(1, 1);
    g->setRowStretch(1, 1);

    connect(list, &QListWidget::currentRowChanged, this, &StatementsPanel::choose);
    connect(saveButton, &QPushButton::clicked, this, &StatementsPanel::save);
    connect(closeButton, &QPushButton::clicked, this, &StatementsPanel::closePanel);
    hide();
}

int StatementsPanel::fieldLimit(const QString &field)
{
    const TableDef *table = Schema::table(QStringLiteral("Statements"));
    const FieldDef *f = table ? table->field(field) : nullptr;
    return f ? f->maxLength : 0;
}

bool StatementsPanel::open(bool administrator)
{
    QList<Statement> stored;
    if (const DbStatus s = Statements::read(m_folder.reference(), stored); !s.ok()) {
        refused(StatementsPanelTexts::tr("The statements cannot be read: %1.").arg(s.detail()));
        return false;
    }
    m_stored = m_edited = stored;
    m_administrator = administrator;
    m_shown = -1;
    text->setReadOnly(!administrator);
    source->setReadOnly(!administrator);
    saveButton->setEnabled(administrator);
    m_readOnlyNote->setVisible(!administrator);
    {
        const QSignalBlocker block(list);
        list->clear();
        for (const Statement &st : m_edited)
            list->addItem(st.name);
    }
    list->setCurrentRow(m_edited.isEmpty() ? -1 : 0);
    choose(list->currentRow());
    PanelParts::placeInside(this);
    show();
    raise();
    return true;
}

void StatementsPanel::keepEdits()
{
    if (m_shown < 0 || m_shown >= m_edited.size() || !m_administrator)
        return;
    m_edited[m_shown].text = text->toPlainText();
    m_edited[m_shown].source = source->text();
}

void StatementsPanel::choose(int row)
{
    keepEdits();
    m_shown = row >= 0 && row < m_edited.size() ? row : -1;
    text->setPlainText(m_shown < 0 ? QString() : m_edited[m_shown].text);
    source->setText(m_shown < 0 ? QString() : m_edited[m_shown].source);
    source->setCursorPosition(0);
}

bool StatementsPanel::save()
{
    if (!m_administrator)
        return false;
    keepEdits();
    for (int i = 0; i < m_edited.size(); ++i) {
        if (m_edited[i] == m_stored[i])
            continue;
        for (const auto &[field, value] : {std::pair{QStringLiteral("Text"), &m_edited[i].text},
                                           std::pair{QStringLiteral("Source"), &m_edited[i].source}}) {
            if (const int limit = fieldLimit(field); value->size() > limit) {
                refused(tr("Statement %1 was not saved: its %2 is %3 characters long, and a statement holds at most "
                           "%4.")
                            .arg(m_edited[i].name, field == QLatin1String("Text") ? tr("text") : tr("source"))
                            .arg(value->size())
                            .arg(limit));
                return false;
            }
        }
        if (const DbStatus s = Statements::save(m_folder.reference(), m_edited[i]); !s.ok()) {
            refused(StatementsPanelTexts::tr("Statement %1 was not saved: %2.").arg(m_edited[i].name, s.detail()));
            return false;
        }
        m_stored[i] = m_edited[i];
    }
    emit told(StatementsPanelTexts::tr("Statements saved"));
    return true;
}

bool StatementsPanel::settleEdits()
{
    keepEdits();
    // A save refused keeps the edits on the panel, which stays.
    if (m_edited != m_stored
        && m_messages.ask({tr("Save the changed statements?"), tr("Statements"), Message::Buttons::YesNo,
                           Message::Icon::Question, Message::Answer::Yes})
               == Message::Answer::Yes
        && !save())
        return false;
    m_edited = m_stored;
    m_shown = -1;
    return true;
}

bool StatementsPanel::closePanel()
{
    if (!settleEdits())
        return false;
    hide();
    return true;
}

void StatementsPanel::hideEvent(QHideEvent *event)
{
    QFrame::hideEvent(event);
    // Hidden with the panel it lies on (the set-up panel closing, a sign
    // out): its edits are asked about as by Close, and it stays closed;
    // edits whose save was refused stay on it, shown again with that panel.
    if (!isHidden() && settleEdits())
        QMetaObject::invokeMethod(this, &QWidget::hide, Qt::QueuedConnection);
}

void StatementsPanel::refused(const QString &why)
{
    m_messages.ask({why, MessageTexts::tr("Statements"), Message::Buttons::Ok, Message::Icon::Exclamation});
}

} // namespace arc
