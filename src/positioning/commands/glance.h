// A glance: while its key is held, the camera it began on looks aside.
#pragma once

struct Camera;

// The begin of glance command index on camera: a glance still held ends, then
// the camera's heading is remembered and turned by degrees.
void beginGlance(int index, Camera* camera, float degrees);
// The release of index's key ends the glance that key began.
void releaseGlance(int index);
// Ends a held glance: its camera, when still in the set, is back at the
// heading it had before. Camera control going off, a save and a camera set
// read anew all end it, so a glance heading is never kept.
void endGlance();
// The same for a glance held on another camera than this, the one now shown.
void endGlanceUnlessOn(const Camera* camera);
