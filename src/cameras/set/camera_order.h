// Reordering the set: two neighbouring records exchange places, whole, and the
// cursor moves with the record it pointed at. Unique IDs are kept, so a list
// being dragged keeps its held item.
#pragma once

// Categories at the two indexes; 0 when either is not one in use.
int swapCategories(int first, int second);
// Cameras at the two indexes of the current category; 0 when either is not
// one of its cameras.
int swapCameras(int first, int second);
