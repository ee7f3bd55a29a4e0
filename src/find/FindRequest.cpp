#include "FindRequest.h"

#include "DateText.h"

namespace arc {

FindRequest FindRequest::read(const std::array<QString, kFindBoxes> &texts)
{
    FindRequest r;
    for (size_t i = 0; i < kFindBoxes; ++i) {
        const QString &text = texts[i];
        if (text.isEmpty())
            continue;
        const FindField &f = findFields()[i];
        SearchCondition c{QString::fromLatin1(f.table), QString::fromLatin1(f.field), {}, {}};
        if (f.date) {
            c.day = DateText::parse(text);
            if (!c.day.isValid()) {
                r.notADate = static_cast<int>(i);
                r.conditions.clear();
                return r;
            }
        } else {
            c.beginsWith = text;
        }
        r.conditions.push_back(std::move(c));
    }
    return r;
}

} // namespace arc
