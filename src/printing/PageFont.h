#pragma once

#include <QFont>
#include <QString>

namespace arc::PageFont {

// The family the page is drawn in: Arial where it is installed, otherwise
// Liberation Sans, which has the same widths. Chosen once per process so
// that measuring and drawing never disagree.
const QString &family();

// The printed family for a requested name: "Arial" means family().
QString resolve(const QString &requested);

// The size a canvas takes for `points`: fonts are sized in whole twips
// (1/20 point).
double takenSize(double points);

// A font sized in pixels where one pixel is one twip, for painters whose
// coordinates are twips: a point size would be scaled a second time.
QFont font(const QString &family, double points, bool bold);

} // namespace arc::PageFont
