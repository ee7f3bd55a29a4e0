#pragma once

#include <QFrame>
#include <functional>

class QCheckBox;
class QComboBox;
class QPushButton;

namespace arc {

class AddMode;
class DataFolder;
class EntryBox;
class MessageBoxes;

// The export countries with their bilateral-agreement and JAA-member flags.
class CountriesPanel : public QFrame {
    Q_OBJECT
public:
    struct Hooks {
        QComboBox *exportList;                // the certificate screen's country list
        std::function<void()> setCountryList; // refill that list
    };
    CountriesPanel(DataFolder &folder, AddMode &addMode, MessageBoxes &messages, Hooks hooks,
                   QWidget *parent = nullptr);

    void open();
    void choose(int index);
    void newCountry();
    void save();
    void deleteCountry();
    void exitPanel();

    QComboBox *combo7;  // "Country"
    EntryBox *newName;  // Text47_18
    QCheckBox *bilateral, *jaa; // SSCheck1, SSCheck2
    QPushButton *saveButton, *deleteButton, *newButton, *exitButton;

private:
    void showList(bool list);
    void refused(const QString &why);

    DataFolder &m_folder;
    AddMode &m_addMode;
    MessageBoxes &m_messages;
    Hooks m_hooks;
    qint64 m_loadedRow = 0; // the country loaded, by its key; 0 when none
};

} // namespace arc
