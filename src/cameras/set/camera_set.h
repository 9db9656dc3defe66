// The single in-memory camera set: up to 20 categories of up to 150 cameras,
// the cursor, the active camera file, and the two saved sets that let the
// aircraft set survive while an airport set is active and the other way round.
// Main thread only. Pointers to cameras stay valid only until the next
// operation that moves records (delete, insert, paste, reorder, reading a file).
#pragma once

#include "cameras/set/camera.h"
#include "cameras/files/camera_file_entry.h"

// Empties one category slot.
void initCategory(int index);
// Empties the set.
void initCategories();

// The current camera; reads the aircraft's camera file first when the set is
// empty. Null only when the set is still empty after that.
Camera* getCurrentCamera();
Category* getCurrentCategory();
int getCurrentCategoryIndex();
int getNumberOfCategories();
// The category at index, or null when index is not one in use.
Category* getCategory(int index);
// The entry of the camera file the set was read from; null when none.
GlobalCameraFileNameEntry* getCurrentActiveCameraFile();
// Camera 0 of category 0, where the ring of the whole set starts; null when empty.
Camera* getCameraSetHead();
int getCameraCategory(Camera* camera);
bool isSameCategory(Camera* first, Camera* second);
// Slot 0 keeps the aircraft set, slot 1 the airport set.
CategoryCache* getCategoryCache(int fileType);
// Null for IDs outside 1..65 and for IDs no camera holds.
Camera* getCameraByViewID(int viewId);
bool haveFavorites();
int getNumberOfFavorites();
int getMaxCategories();
int getMaxCameras();

// Rebuilds indices, both rings, the view-ID table and the favourite count;
// with renumber also the unique IDs.
void updateCameraReferences(bool renumber);
void refreshViewIdCameras();
void evaluateFavorites();
void updateUniqueIDs();

// For the operations of this subsystem that reshape the set: any of the 20
// slots (null outside them), and the raw cursor and count.
Category* getCategorySlot(int index);
void setNumberOfCategories(int count);
void setCurrentCategoryIndex(int index);
void setCurrentActiveCameraFile(GlobalCameraFileNameEntry* entry);
// Whether the active file is an airport camera file.
bool isAirportFileActive();
// Brings the cursor back into the set after its shape changed from outside.
void clampCursor();
