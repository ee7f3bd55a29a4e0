#pragma once

#include <QString>

namespace arc {

// A new button, check box or label showing `caption`, under the object name
// that tests and the accessibility tools find it by.
template <class Widget>
Widget *namedWidget(const char *name, const QString &caption)
{
    auto *w = new Widget(caption);
    w->setObjectName(QString::fromLatin1(name));
    return w;
}

} // namespace arc
