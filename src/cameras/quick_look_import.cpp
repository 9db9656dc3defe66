#include "cameras/quick_look_import.h"

// The aircraft preferences are not read yet: no aircraft offers quick looks.
int readQuickLookViews() { return 0; }

void importQuickLookViews() {}
