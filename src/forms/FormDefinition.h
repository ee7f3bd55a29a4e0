#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>
#include <optional>

namespace arc {

// What one form prints and the screen shows: the captions of its blocks,
// its tick-box texts, the block 14a statement, the User/Installer text,
// the footer, whether it prints in landscape only, and the completion
// rules it adds. Read from the form's data file, so that a corrected text
// is a change of that file alone.
class FormDefinition {
public:
    // The definition of the form a certificate names; an FAA form for a
    // certificate that names none.
    static const FormDefinition &of(const QString &formName);
    // Read from a data file's text; nullopt, with the reason, when it is
    // not one or lacks a text the page or screen asks for.
    static std::optional<FormDefinition> parse(const QByteArray &json, QString *error = nullptr);

    // The blocks whose captions the page prints, in the form's order.
    static const QStringList &pageBlocks();
    // The screen's captions beyond the page's: its frames and tick boxes.
    static const QStringList &screenKeys();

    QString name;
    bool landscapeOnly = false;
    QStringList title; // block 2, two lines

    // A block's caption on the page, line by line; the first line led by
    // the block's number ("13b. Authorized Signature:").
    QStringList caption(const QString &block) const;
    QString numbered(const QString &block) const;

    QStringList boxes13a, boxes14a; // the page's tick-box texts, approved/return to service first
    QStringList statement14a;       // printed line by line
    QString userInstallerTitle, userInstallerFirst, userInstallerSecond;
    QString footerLeft, footerRight; // right may be empty

    // What the pages print when continuation sheets carry what the form's
    // page cannot: each sheet's number ("%1 of %2"), each page's number
    // ("%1 of %2"), block 12's heading on a sheet, and the line block 12
    // ends with on the form (%1: the number of sheets). Never stored.
    struct Continuation {
        QString sheet, page, remarks, reference;
    } continuation;

    // Where a text comes from, by its key in the data file ("captions",
    // "13e", "statement14a", ...): every definition says so for each
    // of sourcedKeys().
    QString source(const QString &key) const { return m_sources.value(key); }
    static const QStringList &sourcedKeys();

    // On screen: the frame captions by block ("3", "13a") and the tick boxes.
    QString screen(const QString &block) const { return m_screen.value(block); }
    QStringList screenBoxes13a, screenBoxes14a;

    // Completion rules of the form beyond those of every form.
    struct Rules {
        QStringList statusWords;          // the block 11 words it allows; empty: any
        bool itemNumbers = false;         // lines numbered when there are several
        bool serialNotApplicable = false; // "N/A", never empty, for an item without a serial number
        bool prototypeToNew = false;      // re-certification from PROTOTYPE to NEW needs its design data
    } rules;

private:
    QHash<QString, QStringList> m_captions;
    QHash<QString, QString> m_screen;
    QHash<QString, QString> m_sources;
};

} // namespace arc
