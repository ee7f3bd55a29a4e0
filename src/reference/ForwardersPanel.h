#pragma once

#include <QFrame>
#include <array>

class QComboBox;
class QPushButton;

namespace arc {

class AddMode;
class DataFolder;
class EntryBox;
class MessageBoxes;

// The freight forwarders with the four address lines an export remark
// carries.
class ForwardersPanel : public QFrame {
    Q_OBJECT
public:
    // `screenList` is the certificate screen's forwarder list, kept in step.
    ForwardersPanel(DataFolder &folder, AddMode &addMode, MessageBoxes &messages, QComboBox *screenList,
                    QWidget *parent = nullptr);

    void open();
    void choose(int index);
    void newHouse();
    void save();
    void deleteHouse();
    void exitPanel();

    QComboBox *combo8;                 // "Forwarding House"
    EntryBox *newName;                 // Text47_4
    std::array<EntryBox *, 4> address; // Text47_5, Text47_6, Text47_14, Text47_16
    QPushButton *saveButton, *deleteButton, *newButton, *exitButton;

private:
    void showList(bool list);
    void refused(const QString &why);

    DataFolder &m_folder;
    AddMode &m_addMode;
    MessageBoxes &m_messages;
    QComboBox *m_screenList;
    qint64 m_loadedRow = 0; // the house loaded, by its key; 0 when none
};

} // namespace arc
