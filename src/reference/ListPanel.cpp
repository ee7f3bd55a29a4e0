#include "ListPanel.h"

#include "PanelKeys.h"
#include "AddMode.h"
#include "BusyPointer.h"
#include "DataFolder.h"
#include "EntryBox.h"
#include "MessageBoxes.h"
#include "PanelParts.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>

namespace arc {

namespace {

struct ListPanelTexts {
    Q_DECLARE_TR_FUNCTIONS(arc::ListPanel)
};

} // namespace

ListPanel::ListPanel(DataFolder &folder, AddMode &addMode, MessageBoxes &messages, const Texts &texts, QWidget *parent)
    : QFrame(parent), list(new QComboBox), newName(new EntryBox(texts.newName)),
      saveButton(PanelParts::button(texts.buttons[0], ListPanelTexts::tr("Save"), "green")),
      deleteButton(PanelParts::button(texts.buttons[1], ListPanelTexts::tr("Delete"), "red")),
      newButton(PanelParts::button(texts.buttons[2], ListPanelTexts::tr("New"), "black")),
      exitButton(PanelParts::button(texts.buttons[3], ListPanelTexts::tr("Exit"), "red")), m_folder(folder),
      m_addMode(addMode), m_messages(messages), m_texts(texts), m_grid(new QGridLayout(this))
{
    setObjectName(QString::fromLatin1(texts.panel));
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Raised);
    setAutoFillBackground(true);

    list->setObjectName(QString::fromLatin1(texts.list));
    list->setPlaceholderText(texts.placeholder);
    newName->setEntryLimit(texts.nameLimit);
    newName->hide();
    m_grid->addWidget(new QLabel(texts.label), 0, 0);
    m_grid->addWidget(list, 0, 1);
    m_grid->addWidget(newName, 0, 1); // in the list's place while a new row is entered

    connect(list, &QComboBox::activated, this, &ListPanel::choose);
    connect(saveButton, &QPushButton::clicked, this, &ListPanel::save);
    connect(deleteButton, &QPushButton::clicked, this, &ListPanel::deleteEntry);
    connect(newButton, &QPushButton::clicked, this, &ListPanel::newEntry);
    connect(exitButton, &QPushButton::clicked, this, &ListPanel::exitPanel);
    PanelKeys::attach(this, exitButton);
    hide();
}

void ListPanel::addButtons(int row)
{
    auto *buttons = new QHBoxLayout;
    for (QPushButton *b : {saveButton, deleteButton, newButton, exitButton})
        buttons->addWidget(b);
    m_grid->addLayout(buttons, row, 0, 1, 2);
    m_grid->setRowStretch(row + 1, 1);
}

void ListPanel::showList(bool showIt)
{
    list->setVisible(showIt);
    newName->setVisible(!showIt);
}

int ListPanel::indexOfRow(qint64 rowId) const
{
    for (int i = 0; i < list->count(); ++i)
        if (rowOf(list->itemData(i)) == rowId)
            return i;
    return -1;
}

void ListPanel::open()
{
    {
        BusyPointer busy;
        list->clear();
        for (const auto &[name, data] : listed())
            list->addItem(name, data);
    }
    PanelParts::placeInside(this);
    show();
    raise();
    m_loadedRow = 0;
    newName->clear();
    if (list->count() > 0) {
        list->setCurrentIndex(0);
        choose(0);
        showList(true);
    } else {
        // The only way on is New.
        showList(false);
        newName->setEnabled(false);
    }
}

void ListPanel::choose(int index)
{
    if (index >= 0) {
        const qint64 rowId = rowOf(list->itemData(index));
        DataView &rows = view();
        if (rows.moveToRow(rowId).ok() && rows.hasRow()) {
            m_loadedRow = rowId;
            showRow(rows);
        }
    }
    exitButton->setFocus();
    deleteButton->setEnabled(true);
}

void ListPanel::newEntry()
{
    showList(false);
    newName->setEnabled(true);
    m_addMode.set();
    newName->clear();
    clearDetails();
    newName->setFocus();
    deleteButton->setEnabled(false);
    newButton->setEnabled(false);
}

void ListPanel::refused(const QString &why)
{
    m_messages.ask({why, m_texts.title, Message::Buttons::Ok, Message::Icon::Exclamation});
}

void ListPanel::save()
{
    const bool adding = m_addMode.isOn();
    const QString name = newName->text();
    if (!name.isEmpty() && !adding && m_loadedRow == 0) {
        // After a Delete nothing is loaded: never write over another row.
        refused(m_texts.nothingChosen);
    } else if (!name.isEmpty()) {
        const RowWritten w = store(adding ? 0 : m_loadedRow, name);
        if (!w.ok()) {
            refused(m_texts.notSaved.arg(name, w.status.is(DbCondition::RecordGone)
                                                   ? ListPanelTexts::tr("it has been deleted meanwhile")
                                                   : w.status.detail()));
            return;
        }
        m_loadedRow = w.rowId;
        const QVariant data = entry(name, w.rowId);
        if (adding) {
            const int at = placeFor(name);
            list->insertItem(at, name, data);
            list->setCurrentIndex(at);
            added(name, data);
            showList(true);
            m_addMode.clear();
        } else {
            if (const int i = indexOfRow(m_loadedRow); i >= 0)
                list->setItemData(i, data);
            changed(data);
        }
        emit told(ListPanelTexts::tr("%1 %2 saved").arg(m_texts.label, name));
    }
    deleteButton->setEnabled(true);
    newButton->setEnabled(true);
}

void ListPanel::deleteEntry()
{
    if (m_addMode.isOn() || m_loadedRow == 0)
        return;
    if (const DbStatus s = ReferenceRows::remove(view(), m_loadedRow); !s.ok() && !s.is(DbCondition::RecordGone)) {
        refused(m_texts.notDeleted.arg(s.detail()));
        return;
    }
    const QString name = list->itemText(indexOfRow(m_loadedRow));
    list->removeItem(indexOfRow(m_loadedRow));
    list->setCurrentIndex(-1);
    showList(true);
    deleteButton->setEnabled(false);
    const qint64 gone = m_loadedRow;
    m_loadedRow = 0;
    deleted(gone);
    emit told(ListPanelTexts::tr("%1 %2 deleted").arg(m_texts.label, name));
}

void ListPanel::exitPanel()
{
    showList(true);
    hide();
}

} // namespace arc
