#pragma once

#include "CertificatePage.h"
#include "FormNames.h"
#include "PrintCertificate.h"
#include "PrintTo.h"
#include "RecordingCanvas.h"
#include "SheetFit.h"

#include <QImage>
#include <QPainter>
#include <algorithm>
#include <gtest/gtest.h>

namespace arc {
// Failures show a sheet fit by its figures.
inline void PrintTo(const SheetFit &f, std::ostream *os)
{
    *os << "{scale " << f.scale << ", dx " << f.dx << ", dy " << f.dy << '}';
}
} // namespace arc

// The three layouts by the User1 setting that chooses them.
struct ModeCase {
    const char *name;
    std::optional<QString> user1;
};
inline const ModeCase kModeCases[] = {{"P0", std::nullopt}, {"P1", QString("1")}, {"LS", QString("2")}};

// Every layout of every form: the FAA form's three, then each other form's one.
struct SheetLayout {
    QString form;
    std::optional<QString> user1;
    std::string name() const { return form.toStdString() + " " + user1.value_or("none").toStdString(); }
};
inline std::vector<SheetLayout> everyLayout()
{
    std::vector<SheetLayout> all;
    for (const ModeCase &m : kModeCases)
        all.push_back({arc::FormNames::kFaa, m.user1});
    for (const QString &form : arc::FormNames::all())
        if (form != arc::FormNames::kFaa)
            all.push_back({form, std::nullopt});
    return all;
}

// An item line by its printed fields; what is looked up stays empty.
inline arc::ItemLine itemLine(const QString &item, const QString &description, const QString &partNum = {},
                              const QString &quantity = {}, const QString &serialNum = {}, const QString &status = {})
{
    return {item, description, partNum, quantity, serialNum, status, {}};
}

// A certificate with every block filled, as a signed new part would be.
inline arc::CertificatePage fullCertificate()
{
    arc::CertificatePage p;
    p.country = "FAA/United States";
    p.tracking = "ARC-000123";
    p.organ1 = "Velloran Aero Components\r\n1200 Airport Road\r\nWichita, KS 67209";
    p.organ2 = "FAA Repair Station VA2R123K";
    p.invoice = "WO 4471 / INV 88120";
    p.lines[0] = itemLine("1", "FUEL PUMP ASSEMBLY", "PN 2204-118-3", "2", "SN 1001, SN 1002", "NEW");
    p.lines[1] = itemLine("2", "GASKET", "PN 77-45", "10", "BATCH B-17", "NEW");
    p.remarks = "Manufactured under PMA Q1234CE.\r\nCertified in accordance with the approved design data.";
    p.approvedDesign = true;
    p.block13cNumber = "DMIR-445-CE";
    p.block13dName = "Jane Doe";
    p.block13eDate = "05/Dec/2026";
    p.block14cNumber = "VA2R123K";
    p.settings.shade = true;
    p.signer = "Jane Doe";
    p.signature = QImage(300, 100, QImage::Format_RGB32);
    p.signature.fill(Qt::blue);
    return p;
}

// Every block as long as it can be, signed in both, in the layout of `orientation`.
inline arc::CertificatePage longCertificate(const std::optional<QString> &orientation)
{
    arc::CertificatePage p = fullCertificate();
    p.settings.orientation = orientation;
    p.organ1 = "Velloran Aero Components\r\n1200 Airport Road, Hangar 4\r\nBuilding 7, Gate C\r\n"
               "Wichita, KS 67209\r\nUnited States";
    p.organ2 = "FAA Repair Station VA2R123K\r\nEASA.145.0001\r\nTCCA 100-23\r\nCAAC F00100201\r\nANAC 2019-01-04";
    p.invoice = "WORK ORDER 4471-2026-0001234 / CONTRACT AB-99812-XYZ / INVOICE 88120-2026";
    const QString item = "FUEL PUMP ASSEMBLY, HIGH PRESSURE STAGE %1, WITH MOUNTING HARDWARE AND SEALS";
    for (int r = 0; r < arc::kGridRows; ++r)
        p.lines[r] = itemLine(QString::number(r + 1), item.arg(r), QString("PN 2204-118-%1-ALT-REV-C").arg(r), "12",
                              QString("SN 10%1, SN 20%1, SN 30%1, SN 40%1").arg(r), "OVERHAULED");
    QStringList remarks;
    for (int i = 0; i < 10; ++i)
        remarks << QString("Remark %1: manufactured under PMA Q1234CE, inspected to the approved design data.").arg(i);
    p.remarks = remarks.join("\r\n");
    p.block14dName = "John Roe";
    p.block14eDate = "06/Dec/2026";
    // Ink on white, as a scanned signature is.
    p.signature = QImage(600, 200, QImage::Format_RGB32);
    p.signature.fill(Qt::white);
    QPainter ink(&p.signature);
    ink.setPen(QPen(Qt::darkBlue, 8));
    ink.drawLine(20, 160, 580, 40);
    ink.drawLine(60, 60, 300, 170);
    return p;
}

// A page drawn on a recording canvas, with the titles of its cut cells and
// how many operations were drawn when each was told.
struct RecordedPage {
    using Op = arc::RecordingCanvas::Op;
    using Kind = Op::Kind;

    explicit RecordedPage(const arc::CertificatePage &page)
    {
        result = arc::PrintCertificate(canvas, page, [this](const QString &title) {
            notices << title;
            toldAfter << canvas.ops().size();
        });
    }

    // A canvas set to a font the page uses, to measure in.
    static arc::RecordingCanvas font(double size, bool bold)
    {
        arc::RecordingCanvas c;
        c.setFontSize(size);
        c.setFontBold(bold);
        return c;
    }

    arc::RecordingCanvas canvas;
    arc::PrintResult result;
    QStringList notices;
    QList<qsizetype> toldAfter;
};

// The texts drawn by `ops`, a line each.
inline QString pageText(const QList<arc::RecordingCanvas::Op> &ops)
{
    QStringList out;
    for (const arc::RecordingCanvas::Op &op : ops)
        if (op.kind == arc::RecordingCanvas::Op::Kind::Text)
            out << op.text;
    return out.join('\n');
}
