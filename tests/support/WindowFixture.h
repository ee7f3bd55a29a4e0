#pragma once

#include "AccessPanel.h"
#include "CertificateScreen.h"
#include "DataFolder.h"
#include "EntryBox.h"
#include "EntryText.h"
#include "ItemGrid.h"
#include "ItemGridModel.h"
#include "MainWindow.h"
#include "OpenedSource.h"
#include "OrganizationChooser.h"
#include "Passwords.h"
#include "ReferenceLists.h"
#include "Rows.h"
#include "ScriptedMessages.h"
#include "SetupPanel.h"
#include "SetupStore.h"
#include "SignIn.h"
#include "SignatoriesPanel.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDate>
#include <QImage>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QVariantMap>
#include <memory>

namespace arc {
inline void PrintTo(const ItemLine &l, std::ostream *os)
{
    ::PrintTo(QStringList{l.item, l.description, l.partNum, l.quantity, l.serialNum, l.status, l.pmaPartNumber}, os);
}
} // namespace arc

// Signs in as the `nth` signatory listed as `name`; a null name with the master password.
inline void signInAs(arc::MainWindow &window, const QString &name, const QString &password = {}, int nth = 0)
{
    arc::AccessPanel &panel = window.accessPanel();
    panel.show();
    int entry = -1;
    // By the name itself: the list adds the approval number to a shared one.
    for (int i = 0; !name.isNull() && i < panel.combo4->count() && entry < 0; ++i)
        if (panel.combo4->itemData(i).value<arc::AgentEntry>().name == name && nth-- == 0)
            entry = i;
    EXPECT_TRUE(name.isNull() || entry >= 0) << name.toStdString() << " is not listed for sign-in";
    panel.combo4->setCurrentIndex(entry);
    panel.text44->setText(name.isNull() ? arc::Passwords::master : password);
    window.signIn().AgentSecurity();
}

// A program folder, a data folder filled through the stores, and a main window over them.
class WindowTest : public TempFolderTest {
protected:
    QString programFolder() const { return folder() + "program/"; }
    QString dataFolder() const { return folder() + "data/"; }

    void SetUp() override
    {
        TempFolderTest::SetUp();
        QDir().mkpath(programFolder());
        QDir().mkpath(dataFolder());
    }

    void storeDataPath(const std::optional<QString> &path)
    {
        arc::SetupStore setup;
        ASSERT_TRUE(setup.open(programFolder()).ok());
        ASSERT_TRUE(setup.setDataPath(path).ok());
    }

    // Returns the key of a Header row.
    qint64 addRow(const QString &table, const QVariantMap &values)
    {
        arc::DataFolder f;
        EXPECT_TRUE(f.open(dataFolder()).ok());
        const bool certificates = QStringList{"Header", "Detail", "Defaults"}.contains(table);
        arc::DataView view(certificates ? f.certificates() : f.reference(), table);
        return writeRow(view, values);
    }
    void addSignatory(const QString &name, const QString &password, const QString &approvalNumber, QVariantMap row = {})
    {
        row.insert({{"Name", name}, {"Password", password}, {"ApprovalNumber", approvalNumber}});
        addRow("Agents", row);
    }

    // The row of the signatory named `name`, read afresh.
    qint64 rowOf(const QString &name)
    {
        arc::DataFolder f;
        EXPECT_TRUE(f.open(dataFolder()).ok());
        return signatoryRow(f.reference(), name);
    }

    // Read afresh from the certificates (or the reference) file.
    QVariant stored(const QString &sql, bool reference = false)
    {
        arc::DataFolder f;
        EXPECT_TRUE(f.open(dataFolder()).ok());
        return (reference ? f.reference() : f.certificates()).scalar(sql);
    }
    void storedExec(const QString &sql, bool reference = false)
    {
        arc::DataFolder f;
        ASSERT_TRUE(f.open(dataFolder()).ok());
        ASSERT_TRUE((reference ? f.reference() : f.certificates()).exec(sql).ok()) << sql.toStdString();
    }

    qint64 addCertificate(const QString &tracking, const QStringList &statuses = {"NEW"}, const QStringList &parts = {},
                          QVariantMap header = {})
    {
        header.insert({{"Tracking", tracking}, {"Country", "FAA/United States"}});
        const qint64 key = addRow("Header", header);
        for (int i = 0; i < statuses.size(); ++i)
            addRow("Detail", {{"FormIndex", key}, {"Item", QString::number(i + 1)}, {"Status", statuses[i]},
                              {"PartNum", parts.value(i)}});
        return key;
    }

    // The master password gets past sign-in without filling a signatory block.
    void openWindow(bool signIn = true)
    {
        window = std::make_unique<arc::MainWindow>(programFolder(), messages);
        window->resize(900, 800);
        window->activate();
        if (signIn)
            signInAs(*window, QString());
    }
    // Focus and event filters work only in a shown, active window.
    void showWindow()
    {
        window->show();
        QApplication::setActiveWindow(window.get());
    }

    arc::CertificateScreen &screen() { return window->screen(); }
    // Line 1 a fuel pump of `status`, the blocks following its status.
    void fuelPumpLine(const QString &status)
    {
        window->setItemLine(0, {"1", "Fuel pump", "PN-7", "1", "SN-1", status, {}});
        window->checkstat();
    }
    static void choose(QComboBox *list, const QString &text)
    {
        const int i = list->findText(text);
        ASSERT_GE(i, 0) << text.toStdString();
        list->setCurrentIndex(i);
        emit list->activated(i);
    }
    // "8. Part No." on line `row`, then Enter on `number` in the part list.
    void pickPart(int row, const QString &number)
    {
        window->itemLines().setCurrentCell(row, arc::ItemGridModel::PartNoColumn, true);
        screen().columnButtons[arc::ItemGridModel::PartNoColumn]->click();
        screen().list1->setFocus();
        screen().list1->setCurrentItem(screen().list1->findItems(number, Qt::MatchExactly).value(0));
        QTest::keyClick(screen().list1, Qt::Key_Return);
    }
    static void writeBitmap(const QString &path)
    {
        QImage ink(40, 20, QImage::Format_RGB32);
        ink.fill(Qt::blue);
        ASSERT_TRUE(ink.save(path, "BMP")) << path.toStdString();
    }
    static void expectShown(const QList<std::pair<QWidget *, QString>> &boxes)
    {
        for (const auto &[box, text] : boxes) {
            const auto *line = qobject_cast<const QLineEdit *>(box);
            EXPECT_EQ(line ? line->text() : qobject_cast<const QPlainTextEdit *>(box)->toPlainText(), text)
                << box->objectName().toStdString();
        }
    }
    QString cell(int row, int column) { return screen().grid1->model()->index(row, column).data().toString(); }
    static QString today() { return QLocale::c().toString(QDate::currentDate(), "dd/MMM/yyyy"); }
    std::optional<QString> storedDataPath() { return window->setupStore().dataPath(); }
    // Stored, open and shown on the set-up panel.
    void expectInUse(const QString &source)
    {
        EXPECT_EQ(storedDataPath(), source);
        EXPECT_TRUE(window->dataFolder().isOpen());
        EXPECT_EQ(window->dataFolder().path(), source);
        EXPECT_EQ(window->setupPanel().folder(), source);
    }

    ScriptedMessages messages;
    std::unique_ptr<arc::MainWindow> window;
};

class DataWindowTest : public WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        ASSERT_TRUE(arc::DataFolder::create(dataFolder()).ok());
        storeDataPath(dataFolder());
    }
};

// Pat Doe, who signs with a signature file, signed in.
class SignedInWindowTest : public DataWindowTest {
protected:
    void SetUp() override
    {
        DataWindowTest::SetUp();
        writeBitmap(dataFolder() + "pat.bmp");
        addSignatory(kSignatory, kPassword, "DMIR-7", {{"ElectronicSign", "pat.bmp"}, {"UseElectronic", 1}});
        fillBeforeOpening();
        openWindow(false);
        signInAs(*window, kSignatory, kPassword);
        ASSERT_FALSE(window->signIn().signature().isNull());
    }
    // What a test stores before the window first reads the data folder.
    virtual void fillBeforeOpening() {}

    static inline const QString kSignatory = "Pat Doe";
    static inline const QString kPassword = "Secret1";
};
