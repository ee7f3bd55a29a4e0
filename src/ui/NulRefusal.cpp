#include "NulRefusal.h"

#include <QLineEdit>
#include <QValidator>

namespace arc {

namespace {

// Text set by the program is shown as it is; an edit that would bring in a
// NUL is undone by the box.
class NulRefuser : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString &input, int &) const override { return input.contains(QChar(0)) ? Invalid : Acceptable; }
};

} // namespace

void refuseNul(QLineEdit *box) { box->setValidator(new NulRefuser(box)); }

} // namespace arc
