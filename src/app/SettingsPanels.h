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
    struct Hooks {
        std::function<void()> placePanels;
        std::function<QString()> folderInUse;
        std::function<void()> hideFind;
        std::function<void()> keepSignInOnTop;
        std::function<void()> organizationsStored; // refill block 4's list
    };
    SettingsPanels(CertificateScreen &screen, SetupPanel &setup, DefaultsPanel &defaults, DataFolder &folder,
                   MessageBoxes &messages, Hooks hooks, QObject *parent = nullptr);

    void toggleSetup();
    void openSetup();
    void closeSetup();
    void toggleDefaults();
    void openDefaults();
    void closeDefaults();

private:
    void showSaveCaption(bool save, QPushButton *button, const QString &caption);
    void report(const QString &what, const DbStatus &status);

    CertificateScreen &m_screen;
    SetupPanel &m_setup;
    DefaultsPanel &m_defaults;
    DataFolder &m_folder;
    MessageBoxes &m_messages;
    Hooks m_hooks;
};

} // namespace arc
