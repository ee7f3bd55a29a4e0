#pragma once

#include <QObject>
#include <functional>

class QPushButton;

namespace arc {

class CertificateScreen;
class DataFolder;
class DefaultsPanel;
class MessageBoxes;
class SetupPanel;
class DbStatus;

// The "Set-up" and "Defaults" buttons: each opens its panel and reads
// "Save" while it is open, with the other buttons of the screen disabled;
// the next press stores the panel's values and closes it.
class SettingsPanels : public QObject {
    Q_OBJECT
public:
    SettingsPanels(CertificateScreen &screen, SetupPanel &setup, DefaultsPanel &defaults, DataFolder &folder,
                   MessageBoxes &messages, QObject *parent = nullptr);

    // Whether the one signed in is an administrator now, who alone changes
    // the organisations; without it, nobody is.
    void setAdministers(std::function<bool()> administers) { m_administers = std::move(administers); }

    void toggleSetup();
    void openSetup();
    void closeSetup();
    void toggleDefaults();
    void openDefaults();
    void closeDefaults();

signals:
    // "Set-up" or "Defaults" was pressed: the find panel gives way.
    void pressed();
    // The set-up panel is about to show: the panels are placed over the screen.
    void setupOpening();
    // The set-up panel shows; its folder box is still to be filled with the
    // folder in use.
    void setupShown();
    // The organisations were stored: block 4's list is filled again.
    void organizationsStored();
    // What was done, for the status line.
    void told(const QString &what);

private:
    void showSaveCaption(bool save, QPushButton *button, const QString &caption);
    void report(const QString &what, const DbStatus &status);

    CertificateScreen &m_screen;
    SetupPanel &m_setup;
    DefaultsPanel &m_defaults;
    DataFolder &m_folder;
    MessageBoxes &m_messages;
    std::function<bool()> m_administers;
};

} // namespace arc
