#pragma once

class QLineEdit;

namespace arc {

// A NUL character, which no field can store or be searched for, is
// refused however it comes: typed, pasted, dropped or from an input
// method. Every box of the window refuses it.
void refuseNul(QLineEdit *box);

} // namespace arc
