#pragma once

#include "RegisterExport.h"

#include <QDialog>
#include <functional>
#include <optional>

class QLineEdit;

namespace arc {

class DataFolder;
class MessageBoxes;

// File, Export register...: the period (either day may stay empty), then
// the file; the register is written and its certificates and lines
// counted for the status line.
class RegisterExportDialog : public QDialog {
    Q_OBJECT
public:
    explicit RegisterExportDialog(QWidget *parent = nullptr);

    // The period typed; nullopt (and the user told) when a box holds no date.
    std::optional<RegisterExport::Period> period(MessageBoxes &messages) const;

    // The whole command. `chooseFile` gives the file, empty when cancelled;
    // by default the desktop's save dialog. What to tell on the status line
    // once written; empty when nothing was (a refusal or failure is asked).
    static QString run(QWidget *window, DataFolder &folder, MessageBoxes &messages,
                    std::function<QString()> chooseFile = {});

    QLineEdit *from, *to; // ExportFrom, ExportTo
};

} // namespace arc
