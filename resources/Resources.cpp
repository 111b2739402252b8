#include "resources/Resources.h"

#include <QtCore/qresource.h>

static void InitializeImages() {
    Q_INIT_RESOURCE(nuvra);
}

namespace resources {

void Initialize() {
    InitializeImages();
}

} // namespace resources
