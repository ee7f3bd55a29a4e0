#include "ItemEntry.h"

#include "CertificateScreen.h"
#include "DataFolder.h"
#include "ItemGrid.h"
#include "ItemGridModel.h"
#include "PartCatalogue.h"

#include <QEvent>
#include <QKeyEvent>
#include <QListWidget>
#include <QPushButton>

namespace arc {

ItemEntry::ItemEntry(CertificateScreen &screen, ItemGridModel &lines, DataFolder &folder, QObject *parent)
    : QObject(parent), m_screen(screen), m_lines(lines), m_folder(folder)
{
    connect(screen.columnButtons[ItemGridModel::PartNoColumn], &QPushButton::clicked, this,
            &ItemEntry::togglePartList);
    connect(screen.columnButtons[ItemGridModel::StatusColumn], &QPushButton::clicked, this,
            &ItemEntry::showStatusList);
    connect(screen.grid1, &ItemGrid::lookUpRequested, this, &ItemEntry::lookUpCurrentPart);
    connect(screen.list1, &QListWidget::itemDoubleClicked, this, &ItemEntry::takeSelectedPart);
    connect(screen.list2, &QListWidget::itemClicked, this, &ItemEntry::takeStatus);
    screen.list1->installEventFilter(this);
    screen.list2->installEventFilter(this);
    screen.grid1->installEventFilter(this);
}

void ItemEntry::stop()
{
    m_screen.list1->removeEventFilter(this);
    m_screen.list2->removeEventFilter(this);
    m_screen.grid1->removeEventFilter(this);
}

bool ItemEntry::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_screen.grid1 && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        const bool opens = key->key() == Qt::Key_F4
                           || (key->key() == Qt::Key_Down && key->modifiers().testFlag(Qt::AltModifier));
        return opens && openListByKey();
    }
    auto *list = qobject_cast<QListWidget *>(watched);
    if (list && event->type() == QEvent::FocusOut) {
        list->hide(); // the lists only live while they are used
    } else if (list && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            if (list == m_screen.list1)
                takeSelectedPart();
            else
                takeStatus(list->currentItem()); // as a click, for a list opened by key
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

bool ItemEntry::openListByKey()
{
    const int column = m_lines.currentColumn();
    if (column != ItemGridModel::PartNoColumn && column != ItemGridModel::StatusColumn)
        return false;
    // As the column's button does; the part list's button may first only
    // switch its toggle off.
    QPushButton *button = m_screen.columnButtons[column];
    button->click();
    QListWidget *list = column == ItemGridModel::PartNoColumn ? m_screen.list1 : m_screen.list2;
    if (list->isHidden())
        button->click();
    // Chosen from with the arrows and Enter.
    if (!list->isHidden())
        list->setFocus();
    return true;
}

void ItemEntry::togglePartList()
{
    QListWidget *list = m_screen.list1;
    if (!m_partToggle && list->count() > 0) {
        list->setCurrentRow(0);
        m_screen.placeLists();
        list->show();
        m_partToggle = true;
    } else {
        m_partToggle = false;
    }
}

void ItemEntry::showStatusList()
{
    QListWidget *list = m_screen.list2;
    if (list->count() == 0)
        return;
    list->setCurrentRow(0);
    m_screen.placeLists();
    list->show();
    list->setFocus();
}

void ItemEntry::lookUpCurrentPart()
{
    const std::optional<CataloguePart> part =
        m_folder.isOpen() ? PartCatalogue::lookUp(m_folder.parts(), m_lines.currentLine().partNum) : std::nullopt;
    if (m_lines.lookedUp(part, m_screen.grid1->newForm())) {
        emit partTaken();
        m_screen.grid1->setFocus();
    }
}

void ItemEntry::takeSelectedPart()
{
    QListWidget *list = m_screen.list1;
    if (list->isHidden() || !list->currentItem())
        return;
    const QString partNumber = list->currentItem()->text();
    const std::optional<CataloguePart> part =
        m_folder.isOpen() ? PartCatalogue::lookUp(m_folder.parts(), partNumber) : std::nullopt;
    if (m_lines.takePart(partNumber, part, m_screen.grid1->newForm()) && part)
        emit partTaken();
    m_screen.grid1->setFocus();
    list->hide();
}

void ItemEntry::takeStatus(QListWidgetItem *item)
{
    QListWidget *list = m_screen.list2;
    if (list->isHidden() || !item)
        return;
    m_lines.takeStatus(item->text(), m_screen.grid1->newForm());
    emit statusTaken();
    m_screen.grid1->setFocus();
    list->hide();
}

} // namespace arc
