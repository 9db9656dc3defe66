#include "cameras/files/camera_file_rows.h"

#include <cstring>
#include <strings.h>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "cameras/files/camera_columns.h"
#include "cameras/files/camera_file_lines.h"
#include "cameras/set/camera_editing.h"
#include "cameras/files/camera_file.h"
#include "cameras/set/camera_set.h"
#include "cameras/set/free_camera.h"
#include "shell/log.h"

namespace {
void applyExclusiveOptions(Camera* camera) {
    if (camera->initialMovementRange < 0 || camera->initialMovementRange > 3) {
        camera->initialMovementRange = 1;
    }
    if (camera->bezierTransition) {
        camera->smoothCameraJoins = false;
        camera->linearTransition = false;
        camera->smoothTransition = false;
    } else if (camera->linearTransition) {
        camera->bezierTransition = false;
        camera->smoothTransition = false;
    } else if (camera->smoothTransition) {
        camera->bezierTransition = false;
        camera->linearTransition = false;
    }
}
// Rows of one category mostly follow each other: the previous row's category
// is tried first. Every category of a read is made by it under a name that no
// other one matches ignoring case, so a match there is findCategoryIndex's.
int categoryOfRow(const char* name, int* previous) {
    if (previous != nullptr && *previous >= 0 && *previous < getNumberOfCategories()) {
        char wanted[kNameSize];
        setCameraName(wanted, name);
        if (strcasecmp(getCategory(*previous)->name, wanted) == 0) {
            return *previous;
        }
    }
    int index = findCategoryIndex(name, true);
    if (previous != nullptr) {
        *previous = index;
    }
    return index;
}
}  // namespace

int placeCameraRow(char** fields, int count, int* previousCategory) {
    const char* categoryName = isBlankText(fields[0]) ? "" : fields[0];
    int index = categoryOfRow(categoryName, previousCategory);
    if (index < 0) {
        logMsg("Maximum allowed camera categories");
        return 0;
    }
    Category* category = getCategorySlot(index);
    if (category->numberOfCameras >= kMaxCamerasPerCategory) {
        logMsg("Maximum allowed cameras in a category");
        return 0;
    }
    Camera* camera = &category->cameras[category->numberOfCameras];
    initCamera(camera);

    CameraFileProperty unused;
    GlobalCameraFileNameEntry* active = getCurrentActiveCameraFile();
    CameraRow row;
    row.camera = camera;
    row.properties = active != nullptr ? &active->properties : &unused;
    readCameraRow(fields, count, row);
    applyExclusiveOptions(camera);

    if (camera->freeCamera) {
        if (row.reachedElevation) {
            refreshFreeCamera(camera);
        } else {
            updateFreeCameraLatLon(camera);
        }
    }
    camera->categoryIndex = index;
    camera->indexInCategory = category->numberOfCameras;
    rememberCameraPosition(camera);
    category->numberOfCameras++;
    return 1;
}

bool cameraRowHasRoom(char** fields) {
    int index = findCategoryIndex(isBlankText(fields[0]) ? "" : fields[0], false);
    if (index < 0) {
        return getNumberOfCategories() < kMaxCategories;
    }
    return getCategorySlot(index)->numberOfCameras < kMaxCamerasPerCategory;
}

int splitCameraFileFields(char* line, char** fields, int capacity) {
    int count = 0;
    char* field = line;
    auto endField = [&](char* separator) {
        *separator = 0;
        if (*field != 0) {
            if (count < capacity) {
                fields[count] = field;
            }
            ++count;
        }
        field = separator + 1;
    };
    char* end = line + strlen(line);
    char* c = line;
#if defined(__SSE2__)
    // Sixteen characters at a time: bit i of `commas` marks a ',' at c + i.
    const __m128i commaBytes = _mm_set1_epi8(',');
    for (; end - c >= 16; c += 16) {
        __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(c));
        unsigned commas =
            static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(bytes, commaBytes)));
        for (; commas != 0; commas &= commas - 1) {
            endField(c + __builtin_ctz(commas));
        }
    }
#endif
    for (; c < end; ++c) {
        if (*c == ',') {
            endField(c);
        }
    }
    endField(end);
    return count;
}

bool isCameraFileHeader(char** fields) {
    return strcasecmp(fields[0], "Category Name") == 0 && strcasecmp(fields[1], "Camera Name") == 0;
}

CameraFileRow splitCameraFileRow(char* line, char** fields, int capacity, int* count) {
    *count = 0;
    if (isBlankText(line)) {
        return CameraFileRow::Skipped;
    }
    *count = splitCameraFileFields(line, fields, capacity);
    if (*count == 0) {
        return CameraFileRow::Skipped;
    }
    if (*count < kMinimumCameraFileFields) {
        return CameraFileRow::TooShort;
    }
    return isCameraFileHeader(fields) ? CameraFileRow::Header : CameraFileRow::Camera;
}

int addCamera(char** fields, int count) {
    if (count < 1) {
        return 0;
    }
    if (!placeCameraRow(fields, count < kCameraFileColumns ? count : kCameraFileColumns, nullptr)) {
        return 0;
    }
    updateCameraReferences(true);
    return 1;
}

