// What the community dialogs keep between openings (the share dialog's
// composed text, the browse dialog's filter and selection).
#pragma once

// The plug-in stops: the next start composes and filters afresh.
void resetCommunityDialogs();
