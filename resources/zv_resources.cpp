#include "zv_resources.h"

#include <QtGlobal>

void zvInitResources()
{
    Q_INIT_RESOURCE(icon);
}
