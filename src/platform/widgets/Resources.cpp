#include "platform/widgets/Resources.h"

#include <QtGlobal>

// Q_INIT_RESOURCE names a function of the global namespace.
static void registerWidgetResources()
{
    Q_INIT_RESOURCE(resources);
}

namespace brivane::platform {

void ensureResources()
{
    static const bool registered = (registerWidgetResources(), true);
    Q_UNUSED(registered)
}

} // namespace brivane::platform
