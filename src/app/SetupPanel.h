#pragma once

#include <QFrame>

class QLabel;
class QPushButton;
class QStackedWidget;

namespace arc {

// The set-up panel. Here: the data folder, its indicator and the chooser.
class SetupPanel : public QFrame {
    Q_OBJECT
public:
    explicit SetupPanel(QWidget *parent = nullptr);

    // Image 1: the data folder in use is open; image 0: it is being changed
    // or its files were not found.
    void showIndicator(int image);
    int indicator() const;

    // The folder the chooser points at.
    void setFolder(const QString &path);
    // The "Databases" group; the data folder chooser stays usable.
    void setDatabasesEnabled(bool enabled);
    QString folder() const;

    QPushButton *partsButton;     // SSCommand4
    QPushButton *dmirsButton;     // SSCommand9
    QPushButton *countriesButton; // SSCommand15
    QPushButton *housesButton;    // SSCommand16
    QPushButton *printersButton;  // Command3D29

signals:
    // The user picked a data folder.
    void folderChosen(const QString &path);

private:
    void chooseFolder();

    QStackedWidget *m_picture1;
    QLabel *m_dir1;
    QPushButton *m_choose;
    QWidget *m_databases;
};

} // namespace arc
