// A glance: while its key is held the view looks aside. It is an offset on
// the pose shown, as a mouse look is; no camera is turned by it.
#pragma once

struct CameraPosition;

// The begin of glance command index: the view turns by degrees, in place of
// any glance still held.
void beginGlance(int index, float degrees);
// The release of index's key ends the glance that key began.
void releaseGlance(int index);
// Forgets a held glance: at a change of camera, whose view looks its own
// way, and when camera control goes off, since the release will not reach
// the plug-in then.
void cancelGlance();
// Turns the pose about to be shown by the glance held, if any.
void addGlanceOffset(CameraPosition* pose);
// The degrees addGlanceOffset turns the heading by; 0 without a glance.
float glanceDegrees();
