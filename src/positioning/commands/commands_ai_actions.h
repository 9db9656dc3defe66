// The named commands of AI perspective: which AI aircraft external cameras are
// placed around, and how far their offsets reach.
#pragma once

void runAiCommand(int index);
