#pragma once

#include <QString>
#include <utility>

namespace arc {

// A new widget made from `args` (a caption, an icon and caption, ...), under
// the object name that tests and the accessibility tools find it by.
template <class Widget, typename... Args>
Widget *namedWidget(const char *name, Args &&...args)
{
    auto *w = new Widget(std::forward<Args>(args)...);
    w->setObjectName(QString::fromLatin1(name));
    return w;
}

} // namespace arc
