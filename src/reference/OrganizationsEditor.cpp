#include "OrganizationsEditor.h"

#include "Database.h"
#include "EntryBox.h"
#include "FormsTicks.h"
#include "NamedWidget.h"
#include "PaperChoice.h"
#include "SqlDialectErrors.h"

#include <QDataWidgetMapper>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSqlTableModel>
#include <QStyle>

namespace arc {

namespace {

const char *const kFields[] = {"Organization", "Address1", "Address2", "Address3", "CertificateNum", "JAANum"};
const char *const kAuthorityFields[] = {"EasaAuthority", "EasaCountry", "UkAuthority"};
const char *const kUkNumField = "UkNum";

QPushButton *arrow(const char *name, QStyle *style, QStyle::StandardPixmap icon)
{
    return namedWidget<QPushButton>(name, style->standardIcon(icon), QString());
}

} // namespace

OrganizationsEditor::OrganizationsEditor(QWidget *parent) : QWidget(parent), m_mapper(new QDataWidgetMapper(this))
{
    m_mapper->setSubmitPolicy(QDataWidgetMapper::ManualSubmit);
    const QString labels[] = {tr("Name"),   tr("Addr 1"),      tr("Addr 2"),
                              tr("Addr 3"), tr("FAA Cert. #"), tr("EASA Cert. #")};
    const int limits[] = {255, 255, 255, 255, 25, 25};
    auto *g = new QGridLayout(this);
    g->setContentsMargins(0, 0, 0, 0);
    for (int i = 0; i < 6; ++i) {
        text8[i] = new EntryBox(QStringLiteral("Text8_%1").arg(i).toLatin1().constData());
        text8[i]->setEntryLimit(limits[i]);
        g->addWidget(new QLabel(labels[i]), i, 0);
        g->addWidget(text8[i], i, 1);
    }
    ukNumber = new EntryBox(kUkNumField);
    ukNumber->setEntryLimit(25);
    g->addWidget(new QLabel(tr("UK CAA Cert. #")), 6, 0);
    g->addWidget(ukNumber, 6, 1);
    const QString authorityLabels[] = {tr("EASA authority"), tr("Authority country"),
                                       tr("UK authority")};
    const QString authorityTips[] = {tr("Block 1 of an EASA form: \"EASA\" when the Agency approved the "
                                        "organisation, else its authority, for example \"LBA\""),
                                     tr("The country of that authority, for example \"Germany\""),
                                     tr("Block 1 of a UK form: \"CAA\" when the organisation holds a UK "
                                        "approval")};
    for (int i = 0; i < 3; ++i) {
        authorityBoxes[i] = new EntryBox(kAuthorityFields[i]);
        authorityBoxes[i]->setEntryLimit(50);
        authorityBoxes[i]->setToolTip(authorityTips[i]);
        g->addWidget(new QLabel(authorityLabels[i]), 7 + i, 0);
        g->addWidget(authorityBoxes[i], 7 + i, 1);
    }
    formsTicks = new FormsTicks;
    g->addWidget(new QLabel(tr("Forms")), 10, 0, Qt::AlignTop);
    g->addWidget(formsTicks, 10, 1);
    paperChoice = new PaperChoice;
    g->addWidget(new QLabel(tr("Paper")), 11, 0);
    g->addWidget(paperChoice, 11, 1);
    firstButton = arrow("Data7First", style(), QStyle::SP_MediaSkipBackward);
    previousButton = arrow("Data7Prev", style(), QStyle::SP_MediaSeekBackward);
    nextButton = arrow("Data7Next", style(), QStyle::SP_MediaSeekForward);
    lastButton = arrow("Data7Last", style(), QStyle::SP_MediaSkipForward);
    auto *navigator = new QHBoxLayout;
    navigator->addWidget(firstButton);
    navigator->addWidget(previousButton);
    auto *caption = new QLabel(tr("Organizations"));
    caption->setObjectName(QStringLiteral("Data7"));
    caption->setAlignment(Qt::AlignCenter);
    navigator->addWidget(caption, 1);
    navigator->addWidget(nextButton);
    navigator->addWidget(lastButton);
    g->addLayout(navigator, 12, 0, 1, 2);
    deleteButton = new QPushButton(tr("Delete"));
    deleteButton->setObjectName(QStringLiteral("Command2"));
    g->addWidget(deleteButton, 13, 1, Qt::AlignLeft);

    connect(firstButton, &QPushButton::clicked, this, [this] { report(first()); });
    connect(previousButton, &QPushButton::clicked, this, [this] { report(previous()); });
    connect(nextButton, &QPushButton::clicked, this, [this] { report(next()); });
    connect(lastButton, &QPushButton::clicked, this, [this] { report(last()); });
    connect(deleteButton, &QPushButton::clicked, this, [this] { report(deleteCurrent()); });
}

OrganizationsEditor::~OrganizationsEditor() = default;

void OrganizationsEditor::report(const DbStatus &s)
{
    if (!s.ok())
        emit storeFailed(s);
}

void OrganizationsEditor::setEditable(bool editable)
{
    m_editable = editable;
    for (EntryBox *b : text8)
        b->setReadOnly(!editable);
    for (EntryBox *b : authorityBoxes)
        b->setReadOnly(!editable);
    formsTicks->setEnabled(editable);
    paperChoice->setEnabled(editable);
    deleteButton->setEnabled(editable && rowCount() > 0 && !m_model->isDirty(m_model->index(currentRow(), 0)));
}

void OrganizationsEditor::open(Database &reference)
{
    m_mapper->clearMapping();
    delete m_model;
    m_model = new QSqlTableModel(this, reference.connection());
    m_model->setTable(QStringLiteral("Organizations"));
    m_model->setEditStrategy(QSqlTableModel::OnManualSubmit);
    // A server returns rows in no fixed order (an updated row moves to the
    // end); its row id column keeps them in the order they were stored.
    if (const int rowId = m_model->fieldIndex(QStringLiteral("rowid")); rowId >= 0)
        m_model->setSort(rowId, Qt::AscendingOrder);
    m_model->select();
    while (m_model->canFetchMore())
        m_model->fetchMore();
    m_mapper->setModel(m_model);
    for (int i = 0; i < 6; ++i)
        m_mapper->addMapping(text8[i], m_model->fieldIndex(QString::fromLatin1(kFields[i])));
    for (int i = 0; i < 3; ++i)
        m_mapper->addMapping(authorityBoxes[i], m_model->fieldIndex(QString::fromLatin1(kAuthorityFields[i])));
    m_mapper->addMapping(ukNumber, m_model->fieldIndex(QString::fromLatin1(kUkNumField)));
    m_mapper->addMapping(formsTicks, m_model->fieldIndex(QStringLiteral("Forms")));
    m_mapper->addMapping(paperChoice, m_model->fieldIndex(QStringLiteral("PaperSize")));
    if (m_model->rowCount() == 0)
        startNewRow();
    else
        m_mapper->toFirst();
    setEditable(m_editable);
}

DbStatus OrganizationsEditor::close()
{
    const DbStatus s = storeCurrent();
    m_mapper->clearMapping();
    m_mapper->setModel(nullptr);
    delete m_model;
    m_model = nullptr;
    return s;
}

int OrganizationsEditor::currentRow() const { return m_mapper->currentIndex(); }
int OrganizationsEditor::rowCount() const { return m_model ? m_model->rowCount() : 0; }

bool OrganizationsEditor::boxesEmpty() const
{
    for (const EntryBox *b : text8)
        if (!b->text().isEmpty())
            return false;
    for (const EntryBox *b : authorityBoxes)
        if (!b->text().isEmpty())
            return false;
    if (!ukNumber->text().isEmpty())
        return false;
    return formsTicks->kept().isEmpty() && paperChoice->kept().isEmpty();
}

void OrganizationsEditor::startNewRow()
{
    const int row = m_model->rowCount();
    m_model->insertRow(row);
    m_mapper->setCurrentIndex(row);
    for (EntryBox *b : text8)
        b->clear();
    for (EntryBox *b : authorityBoxes)
        b->clear();
    ukNumber->clear();
    formsTicks->setKept({});
    paperChoice->setKept({});
    text8[0]->setFocus();
}

DbStatus OrganizationsEditor::storeCurrent()
{
    if (!m_model)
        return {};
    if (!m_editable) {
        m_model->revertAll();
        return {};
    }
    const int row = currentRow();
    const bool added = row >= 0 && m_model->isDirty(m_model->index(row, 0)) && boxesEmpty();
    if (added) {
        // A new row left empty is no organisation.
        m_model->revertAll();
        return {};
    }
    m_mapper->submit();
    if (!m_model->isDirty())
        return {};
    if (!m_model->submitAll()) {
        const DbStatus s = SqlDialect::status(m_model->lastError());
        m_model->revertAll();
        return s.ok() ? DbStatus::failure(DbCondition::Other, m_model->lastError().text()) : s;
    }
    while (m_model->canFetchMore())
        m_model->fetchMore();
    m_mapper->setCurrentIndex(std::min(row, m_model->rowCount() - 1));
    deleteButton->setEnabled(m_editable && m_model->rowCount() > 0);
    return {};
}

DbStatus OrganizationsEditor::goTo(int row)
{
    if (!m_model)
        return {};
    const DbStatus s = storeCurrent();
    if (!s.ok())
        return s;
    if (row >= m_model->rowCount() && m_editable)
        startNewRow();
    else if (row >= m_model->rowCount())
        m_mapper->setCurrentIndex(m_model->rowCount() - 1);
    else
        m_mapper->setCurrentIndex(std::max(0, row));
    return {};
}

DbStatus OrganizationsEditor::first() { return goTo(0); }
DbStatus OrganizationsEditor::previous() { return goTo(std::max(0, currentRow() - 1)); }
DbStatus OrganizationsEditor::next() { return goTo(currentRow() + 1); }
DbStatus OrganizationsEditor::last() { return goTo(m_model ? std::max(0, m_model->rowCount() - 1) : 0); }

DbStatus OrganizationsEditor::deleteCurrent()
{
    if (!m_model)
        return {};
    if (!m_editable)
        return DbStatus::failure(DbCondition::Other, tr("only an administrator changes the organisations"));
    const int row = currentRow();
    if (row < 0 || m_model->isDirty(m_model->index(row, 0))) {
        // Not stored yet: nothing to delete, the entries just go.
        m_model->revertAll();
    } else {
        m_model->removeRow(row);
        if (!m_model->submitAll()) {
            const DbStatus s = SqlDialect::status(m_model->lastError());
            m_model->revertAll();
            return s.ok() ? DbStatus::failure(DbCondition::Other, m_model->lastError().text()) : s;
        }
    }
    while (m_model->canFetchMore())
        m_model->fetchMore();
    if (m_model->rowCount() == 0) {
        deleteButton->setEnabled(false);
        startNewRow();
    } else {
        m_mapper->toLast();
        deleteButton->setEnabled(true);
    }
    return {};
}

} // namespace arc
