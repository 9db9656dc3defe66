#include "panels/panels.h"


void UpdaterWidget::create() {}
