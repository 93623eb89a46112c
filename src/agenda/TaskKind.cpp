#include "agenda/TaskKind.h"

using namespace Qt::StringLiterals;

namespace brivane::agenda {

QString kindFlag(TaskKind kind)
{
    switch (kind) {
    case TaskKind::OneShot:
        return u"O"_s;
    case TaskKind::Yearly:
        return u"Y"_s;
    case TaskKind::Monthly:
        return u"M"_s;
    case TaskKind::Weekly:
        return u"W"_s;
    }
    return {};
}

} // namespace brivane::agenda
