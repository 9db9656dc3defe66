// Whether the control panel, the camera set's editor, shows: the set then
// visits hidden cameras, and the engine and its commands behave as while the
// set is edited. The panels answer from the plug-in's start to its stop;
// without them no control panel shows.
#pragma once

// visible: the panels' answer; null removes it.
void answerControlPanelVisable(bool (*visible)());
bool isControlPanelVisable();
