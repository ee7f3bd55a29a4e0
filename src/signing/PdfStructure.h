#pragma once

#include "SigningError.h"

#include <QByteArray>
#include <QHash>
#include <QList>

#include <optional>

namespace arc {

// "N G R": an indirect object's number and generation.
struct PdfRef {
    int number = 0;
    int generation = 0;
    bool isValid() const { return number > 0; }
    QByteArray text() const;
};

// Just enough of a PDF's structure to add a signature to its page as an
// incremental update, or to find the signature again: the cross-reference
// (tables or streams, with their older sections through /Prev), the
// trailer, the catalogue and the one page. Objects kept inside object
// streams are not read.
class PdfStructure {
public:
    static SigningResult<PdfStructure> read(const QByteArray &pdf);

    qint64 startXref() const { return m_startXref; }
    int size() const { return m_size; }
    // Some section of its cross-reference is a stream.
    bool hasXrefStreams() const { return m_xrefStreams; }
    const QByteArray &trailer() const { return m_trailer; } // "<< ... >>"
    PdfRef root() const { return m_root; }
    PdfRef page() const { return m_page; }
    // An object's body between "obj" and "endobj", trimmed; empty when the
    // table does not lead to it.
    QByteArray object(PdfRef ref) const;
    // Where that body lies in the file: [begin, end), end at "endobj";
    // begin is -1 when the table does not lead to it.
    struct Span {
        qsizetype begin = -1, end = -1;
    };
    Span span(PdfRef ref) const;
    // Every object the cross-reference leads to in the file's body (not
    // those inside object streams), in its newest version.
    QList<PdfRef> objects() const;

    // Where the value of `key` begins in a dictionary's text, looking at its
    // own keys only (not those of dictionaries inside it); -1 without one.
    static qsizetype valueOf(const QByteArray &dict, const char *key);
    // The reference or name that is `key`'s value, if it is one.
    static PdfRef refValue(const QByteArray &dict, const char *key);
    static QByteArray nameValue(const QByteArray &dict, const char *key);
    // The references an array "[N G R ...]" lists, at most `most` of them;
    // empty when it lists anything else.
    static QList<PdfRef> refsIn(const QByteArray &array, qsizetype most);
    // Where the dictionary or array opening at `open` ends (just past it); -1 if it does not.
    static qsizetype closing(const QByteArray &text, qsizetype open);

private:
    bool readXrefSections(qint64 offset);
    // A classic section's entries from `i`, just past "xref"; its trailer.
    std::optional<QByteArray> readXrefTable(qsizetype i);
    bool findPage();

    QByteArray m_pdf;
    QHash<int, qint64> m_offsets;
    qint64 m_startXref = -1;
    int m_size = 0;
    bool m_xrefStreams = false;
    QByteArray m_trailer;
    PdfRef m_root;
    PdfRef m_page;
};

} // namespace arc
