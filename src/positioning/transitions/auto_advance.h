// Whether camera chains may advance on their own. Not while the control panel
// shows unfolded with its "Allow Camera Auto Advance" box cleared: the panel
// holds them back as it is made, folded and ticked, and the engine asks
// whether it shows.
#pragma once

// held: the control panel's box cleared and the panel unfolded.
void holdAutoAdvance(bool held);
bool allowAutoAdvance();
