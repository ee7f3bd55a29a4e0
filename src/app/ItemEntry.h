#pragma once

#include <QObject>

class QListWidgetItem;

namespace arc {

class CertificateScreen;
class DataFolder;
class ItemGridModel;

// How item lines are filled from the part list, the status list and the
// catalogue: the handlers of the grid's column buttons and pop-up lists.
class ItemEntry : public QObject {
    Q_OBJECT
public:
    ItemEntry(CertificateScreen &screen, ItemGridModel &lines, DataFolder &folder, QObject *parent = nullptr);

    // "8. Part No.": show the part list, or only switch the toggle off.
    void togglePartList();
    // "11. Status": show the status list and give it the focus.
    void showStatusList();
    // The current row's part number looked up in the catalogue (Enter).
    void lookUpCurrentPart();
    void takeSelectedPart();
    void takeStatus(QListWidgetItem *item);
    // F4 or Alt+Down in the grid: the list of the current cell's column
    // opens, as its button opens it. False for a column without a list.
    bool openListByKey();

    // The window is going: its lists still send events while they are
    // destroyed, after the screen they belong to.
    void stop();

signals:
    // A status was taken from the list: the statuses are to be checked.
    void statusTaken();
    // A catalogue part filled a line: block 12 is to be built again.
    void partTaken();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    CertificateScreen &m_screen;
    ItemGridModel &m_lines;
    DataFolder &m_folder;
    bool m_partToggle = false;
};

} // namespace arc
