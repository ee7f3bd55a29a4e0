#include "SettingsPanels.h"

#include "CertificateScreen.h"
#include "DataFolder.h"
#include "DefaultsForm.h"
#include "DefaultsPanel.h"
#include "FolderMessages.h"
#include "MessageBoxes.h"
#include "OrganizationsEditor.h"
#include "Prompts.h"
#include "ScreenTwips.h"
#include "SetupPanel.h"
#include "SetupSettings.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QPushButton>

namespace arc {

namespace {

struct SettingsPanelsTexts {
    Q_DECLARE_TR_FUNCTIONS(arc::SettingsPanels)
};

} // namespace

SettingsPanels::SettingsPanels(CertificateScreen &screen, SetupPanel &setup, DefaultsPanel &defaults,
                               DataFolder &folder, MessageBoxes &messages, QObject *parent)
    : QObject(parent), m_screen(screen), m_setup(setup), m_defaults(defaults), m_folder(folder),
      m_messages(messages)
{
    connect(screen.setupButton, &QPushButton::clicked, this, &SettingsPanels::toggleSetup);
    connect(screen.defaultsButton, &QPushButton::clicked, this, &SettingsPanels::toggleDefaults);
    // A panel's own Close (and Escape) stores and closes as the screen's button does.
    connect(setup.closeButton, &QPushButton::clicked, screen.setupButton, &QPushButton::click);
    connect(defaults.closeButton, &QPushButton::clicked, screen.defaultsButton, &QPushButton::click);
    connect(setup.organizations, &OrganizationsEditor::storeFailed, this,
            [this](const DbStatus &s) { report(SettingsPanelsTexts::tr("The organisation was not saved"), s); });
}

void SettingsPanels::showSaveCaption(bool save, QPushButton *button, const QString &caption)
{
    // "Sa&ve": Alt+S stays with the screen's own Save.
    button->setText(save ? SettingsPanelsTexts::tr("Sa&ve") : caption);
    // Red while it stores and closes; grey like any button when disabled.
    button->setStyleSheet(save ? QStringLiteral("QPushButton:enabled { color: rgb(255, 0, 0); }") : QString());
}

void SettingsPanels::report(const QString &what, const DbStatus &status)
{
    m_messages.ask({QStringLiteral("%1: %2").arg(what, status.detail()), MessageTexts::tr("Database"),
                    Message::Buttons::Ok, Message::Icon::Critical});
}

void SettingsPanels::toggleSetup()
{
    m_defaults.hide();
    emit pressed();
    if (m_setup.isHidden())
        openSetup();
    else
        closeSetup();
}

void SettingsPanels::openSetup()
{
    showSaveCaption(true, m_screen.setupButton, SettingsPanelsTexts::tr("Se&t-up"));
    m_screen.setCommandsEnabled(false);
    emit setupOpening();
    m_setup.show();
    m_setup.raise();
    emit setupShown();
    if (!m_folder.isOpen())
        return;
    SetupSettings settings;
    SetupSettings::load(m_folder.defaults(), settings);
    m_setup.showSettings(settings);
    m_setup.organizations->setEditable(m_administers && m_administers());
    m_setup.organizations->open(m_folder.reference());
}

void SettingsPanels::closeSetup()
{
    if (m_folder.isOpen()) {
        const DbStatus organization = m_setup.organizations->close();
        if (!organization.ok())
            report(SettingsPanelsTexts::tr("The organisation was not saved"), organization);
        const DbStatus settings = SetupSettings::store(m_folder.defaults(), m_setup.settings());
        if (!settings.ok())
            report(SettingsPanelsTexts::tr("The settings were not saved"), settings);
        emit organizationsStored();
        if (organization.ok() && settings.ok())
            emit told(SettingsPanelsTexts::tr("Set-up saved"));
    }
    m_setup.hide();
    showSaveCaption(false, m_screen.setupButton, SettingsPanelsTexts::tr("Se&t-up"));
    m_screen.setCommandsEnabled(true);
    for (QComboBox *list : {m_screen.combo1, m_screen.combo2})
        if (list->count() > 0)
            list->setCurrentIndex(0);
}

void SettingsPanels::toggleDefaults()
{
    emit pressed();
    if (m_defaults.isHidden())
        openDefaults();
    else
        closeDefaults();
}

void SettingsPanels::openDefaults()
{
    if (!FolderMessages::ensureOpen(m_folder, m_messages))
        return;
    m_defaults.move(twipsToPixels(855), twipsToPixels(105));
    m_defaults.adjustSize();
    showSaveCaption(true, m_screen.defaultsButton, SettingsPanelsTexts::tr("Def&aults"));
    m_screen.setCommandsEnabled(false);
    m_screen.defaultsButton->setEnabled(true);
    m_screen.setupButton->setEnabled(false);
    // With no stored row the boxes keep what they hold.
    DefaultsForm form = m_defaults.form();
    DefaultsForm::load(m_folder.defaults(), form);
    m_defaults.show(form);
}

void SettingsPanels::closeDefaults()
{
    if (m_folder.isOpen()) {
        QStringList kept;
        const DbStatus s = DefaultsForm::store(m_folder.defaults(), m_defaults.form(), &kept);
        if (!kept.isEmpty())
            m_messages.ask({MessageTexts::tr("Another station issued certificate numbers while the defaults were open: "
                                             "the stored %1 number was kept, not the one typed here.")
                                .arg(kept.join(QStringLiteral(", ")).toLower()),
                            MessageTexts::tr("Defaults"), Message::Buttons::Ok, Message::Icon::Exclamation});
        if (s.is(DbCondition::FieldTooSmall)) {
            m_messages.ask(Prompts::kTooLong);
        } else if (!s.ok()) {
            // The panel stays open with its entries for another try.
            report(SettingsPanelsTexts::tr("The defaults were not saved"), s);
            return;
        }
        if (s.ok())
            emit told(SettingsPanelsTexts::tr("Defaults saved"));
    }
    m_defaults.hide();
    showSaveCaption(false, m_screen.defaultsButton, SettingsPanelsTexts::tr("Def&aults"));
    m_screen.setCommandsEnabled(true);
    m_screen.setupButton->setEnabled(true);
}

} // namespace arc
