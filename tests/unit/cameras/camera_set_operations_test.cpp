// The camera set as the commands and panels change it: the rings, the cursor,
// selection by view ID, adding, deleting, pasting and the cockpit correction.
#include <gtest/gtest.h>

#include <memory>

#include "camera_fixture.h"
#include "cameras/set/camera_editing.h"
#include "cameras/files/camera_file.h"
#include "cameras/set/camera_paste.h"
#include "cameras/set/camera_selection.h"
#include "cameras/set/cockpit_correction.h"
#include "libwinkit/message_box.h"
#include "shell/plugin_state.h"
#include "shell/speech.h"
#include "xpsim.h"

namespace {

struct Row {
    const char* category;
    const char* name;
    int viewId;
};

class CameraSetOperations : public CameraFixture {
protected:
    void SetUp() override {
        CameraFixture::SetUp();
        enablePlugin();
    }

    void readSet(std::initializer_list<Row> rows) {
        std::string text = headerLine();
        for (const Row& row : rows) {
            text += joinRow(rowFields(row.category, row.name, row.viewId));
        }
        writeCameraFile(text);
        initCategories();
        ASSERT_EQ(readCameras(nullptr), 1);
    }

    std::string current() { return getCurrentCamera()->name; }

    std::vector<std::string> namesOf(int category) {
        std::vector<std::string> names;
        for (int i = 0; i < getCategory(category)->numberOfCameras; ++i) {
            names.push_back(cameraAt(category, i).name);
        }
        return names;
    }

    std::string lastSpoken() {
        std::string text;
        while (SpeechManager::pending() > 0) {
            SpeechManager::processSpeech();
        }
        return xpsim::spokenTexts().empty() ? "" : xpsim::spokenTexts().back();
    }

    // Links and indices agree with the places of the records.
    void expectSoundReferences() {
        Camera* head = getCameraSetHead();
        Camera* walk = head;
        for (int c = 0; c < getNumberOfCategories(); ++c) {
            Category* category = getCategory(c);
            ASSERT_GE(category->numberOfCameras, 1);
            EXPECT_LT(category->currentCameraIndex, category->numberOfCameras);
            for (int i = 0; i < category->numberOfCameras; ++i) {
                Camera* camera = &category->cameras[i];
                EXPECT_EQ(walk, camera);
                EXPECT_EQ(camera->categoryIndex, c);
                EXPECT_EQ(camera->indexInCategory, i);
                int next = (i + 1) % category->numberOfCameras;
                EXPECT_EQ(camera->nextInCategory, &category->cameras[next]);
                walk = walk->nextInSet;
            }
        }
        EXPECT_EQ(walk, head);
        EXPECT_LT(getCurrentCategoryIndex(), getNumberOfCategories());
    }
};

TEST_F(CameraSetOperations, RingsViewIdsAndUniqueIds) {
    readSet({{"Cockpit", "A", 4}, {"Cockpit", "B", 4}, {"Outside", "C", 0}, {"Single", "D", 66}});
    expectSoundReferences();
    EXPECT_EQ(cameraAt(2, 0).nextInCategory, &cameraAt(2, 0));
    EXPECT_EQ(getCameraByViewID(4), &cameraAt(0, 1));  // the later holder wins
    EXPECT_EQ(getCameraByViewID(0), nullptr);
    EXPECT_EQ(getCameraByViewID(66), nullptr);
    EXPECT_EQ(getNumberOfFavorites(), 2);
    EXPECT_EQ(getCategory(0)->uniqueId, 1);
    EXPECT_EQ(cameraAt(0, 1).uniqueId, 3);
    EXPECT_EQ(getCategory(1)->uniqueId, 4);
}

TEST_F(CameraSetOperations, SelectingAViewIdWalksItsHoldersInSetOrder) {
    readSet({{"Cockpit", "A", 4}, {"Cockpit", "X", 0}, {"Outside", "B", 4}});
    EXPECT_EQ(current(), "A");
    EXPECT_EQ(selectCameraByViewID(4), 1);
    EXPECT_EQ(current(), "B");
    EXPECT_EQ(selectCameraByViewID(4), 1);
    EXPECT_EQ(current(), "A");
    EXPECT_EQ(selectCameraByViewID(9), 0);
    EXPECT_EQ(current(), "A");
    EXPECT_EQ(lastSpoken(), "Unable to find view ID 9");
}

TEST_F(CameraSetOperations, SelectingTheCurrentCameraAgainUndoesATemporaryMove) {
    readSet({{"Cockpit", "A", 4}, {"Cockpit", "B", 0}});
    Camera* a = getCurrentCamera();
    a->x = 5.0f;
    a->roll = 7.0f;
    EXPECT_EQ(selectCameraByViewID(4), 1);
    EXPECT_FLOAT_EQ(a->x, 0.0f);
    EXPECT_FLOAT_EQ(a->roll, 7.0f);

    a->temporaryPositioning = false;
    a->x = 5.0f;
    EXPECT_EQ(selectCameraByViewID(4), 1);
    EXPECT_FLOAT_EQ(a->x, 5.0f);

    a->temporaryPositioning = true;
    EXPECT_EQ(selectCameraByCategoryID(0), 1);
    EXPECT_FLOAT_EQ(a->x, 0.0f);
    a->x = 3.0f;
    setCameraIndex(0);
    EXPECT_FLOAT_EQ(a->x, 0.0f);
    EXPECT_EQ(selectCameraByCategoryID(20), 0);
    EXPECT_EQ(lastSpoken(), "Category 21 does not exist");
}

TEST_F(CameraSetOperations, NextAndPreviousCameraStayInTheCategoryAndSkipHidden) {
    readSet({{"Cockpit", "A", 0}, {"Cockpit", "B", 0}, {"Cockpit", "C", 0}, {"Solo", "S", 0}});
    cameraAt(0, 1).hidden = true;
    EXPECT_STREQ(getNextCamera(false)->name, "C");
    EXPECT_STREQ(getNextCamera(false)->name, "A");
    EXPECT_STREQ(getPreviousCamera(false)->name, "C");
    EXPECT_STREQ(getPreviousCamera(true)->name, "B");
    EXPECT_STREQ(peakNextCamera()->name, "C");
    EXPECT_EQ(current(), "B");

    cameraAt(0, 0).hidden = true;
    cameraAt(0, 1).hidden = false;
    cameraAt(0, 2).hidden = true;
    EXPECT_STREQ(getNextCamera(false)->name, "B");  // all others hidden: it stays

    EXPECT_STREQ(getNextCategory()->name, "S");
    EXPECT_STREQ(getNextCamera(false)->name, "S");
    EXPECT_STREQ(getNextCategory()->name, "B");  // each category keeps its camera
    EXPECT_STREQ(getPreviousCategory()->name, "S");
}

TEST_F(CameraSetOperations, NextAndPreviousViewIdWalkTheWholeSet) {
    readSet({{"Cockpit", "A", 1}, {"Cockpit", "B", 0}, {"Outside", "C", 3}, {"Outside", "D", 1}});
    EXPECT_EQ(selectNextViewID(), 1);
    EXPECT_EQ(current(), "C");
    EXPECT_EQ(selectNextViewID(), 1);
    EXPECT_EQ(current(), "D");
    EXPECT_EQ(selectNextViewID(), 1);  // past the last category to the first
    EXPECT_EQ(current(), "A");
    EXPECT_EQ(selectPreviousViewID(), 1);  // back past category 0 to the last
    EXPECT_EQ(current(), "D");

    readSet({{"Cockpit", "A", 2}, {"Cockpit", "B", 0}});
    EXPECT_EQ(selectNextViewID(), 0);
    EXPECT_EQ(selectPreviousViewID(), 0);
    EXPECT_EQ(current(), "A");
}

TEST_F(CameraSetOperations, AddingInsertingAndDeleting) {
    readSet({{"Cockpit", "A", 1}, {"Cockpit", "B", 0}, {"Cockpit", "C", 0}});
    getCurrentCamera()->x = 2.5f;
    ASSERT_EQ(addCameraToCategory(), 1);
    EXPECT_EQ(current(), "Camera 4");
    EXPECT_EQ(getCurrentCamera()->viewId, 0);
    EXPECT_FLOAT_EQ(getCurrentCamera()->x, 2.5f);
    EXPECT_EQ(lastSpoken(), "Added Camera 4 to category Cockpit");

    setCameraIndex(1);
    ASSERT_EQ(insertCameraInCategory(), 1);
    EXPECT_EQ(namesOf(0), (std::vector<std::string>{"A", "Camera 5", "B", "C", "Camera 4"}));
    EXPECT_EQ(getCategory(0)->currentCameraIndex, 1);
    expectSoundReferences();

    setCameraIndex(4);
    ASSERT_EQ(deleteCamera(), 1);
    EXPECT_EQ(current(), "C");  // the last one went: the previous is current
    setCameraIndex(0);
    ASSERT_EQ(deleteCamera(), 1);
    EXPECT_EQ(current(), "Camera 5");

    ASSERT_EQ(addCategory(), 1);
    EXPECT_STREQ(getCurrentCategory()->name, "Category 2");
    EXPECT_EQ(current(), "Camera 1");
    ASSERT_EQ(addCategory(), 1);
    setCategory(1);
    ASSERT_EQ(insertCategory(), 1);
    EXPECT_STREQ(getCategory(1)->name, "Category 4");
    EXPECT_EQ(getCurrentCategoryIndex(), 1);
    expectSoundReferences();

    setCategory(0);
    ASSERT_EQ(deleteCategory(), 1);
    EXPECT_STREQ(getCurrentCategory()->name, "Category 4");
    setCategory(getNumberOfCategories() - 1);
    ASSERT_EQ(deleteCategory(), 1);
    EXPECT_EQ(getCurrentCategoryIndex(), getNumberOfCategories() - 1);
    expectSoundReferences();
}

TEST_F(CameraSetOperations, LimitsAreReportedAndTheLastOnesAreKept) {
    readSet({{"Cockpit", "A", 1}});
    EXPECT_EQ(deleteCamera(), 0);
    EXPECT_EQ(deleteCategory(), 0);
    EXPECT_EQ(setHiddenCamera(getCurrentCamera()), 0);
    for (int i = 1; i < kMaxCamerasPerCategory; ++i) {
        ASSERT_EQ(addCameraToCategory(), 1);
    }
    EXPECT_EQ(addCameraToCategory(), 0);
    for (int c = 1; c < kMaxCategories; ++c) {
        ASSERT_EQ(addCategory(), 1);
    }
    EXPECT_EQ(addCategory(), 0);
    auto boxes = messageBoxes();
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[0], std::make_pair(std::string("ERROR"),
                                       std::string("There are no more cameras available in this "
                                                   "category")));
    EXPECT_EQ(boxes[1], std::make_pair(std::string("ERROR"),
                                       std::string("There are no more categories available")));
}

TEST_F(CameraSetOperations, ViewIdsMoveToTheCameraGivenThem) {
    readSet({{"Cockpit", "A", 0}, {"Cockpit", "B", 7}});
    setViewId(7);
    EXPECT_EQ(cameraAt(0, 0).viewId, 7);
    EXPECT_EQ(cameraAt(0, 1).viewId, 0);
    EXPECT_EQ(getCameraByViewID(7), &cameraAt(0, 0));
    EXPECT_EQ(hasViewId(7), 1);
    clearAllCategoryViewIDs(getCategory(0));
    EXPECT_EQ(hasViewId(7), 0);
    EXPECT_FALSE(haveFavorites());
}

TEST_F(CameraSetOperations, PasteModes) {
    readSet({{"Cockpit", "A", 1}, {"Cockpit", "B", 2}, {"Cockpit", "C", 3}});
    Camera copied = cameraAt(0, 2);
    setCameraIndex(1);

    ASSERT_EQ(pasteCamera(&copied, getCurrentCamera(), PasteInsertBefore), 1);
    EXPECT_EQ(namesOf(0), (std::vector<std::string>{"A", "C", "B", "C"}));
    EXPECT_EQ(current(), "C");  // the pasted camera took the current index

    ASSERT_EQ(pasteCamera(&copied, getCurrentCamera(), PasteInsertAfter), 1);
    EXPECT_EQ(namesOf(0), (std::vector<std::string>{"A", "C", "C", "B", "C"}));
    EXPECT_EQ(getCategory(0)->currentCameraIndex, 1);

    Camera* a = &cameraAt(0, 0);
    ASSERT_EQ(pasteCamera(&cameraAt(0, 4), a, PasteReplace), 1);
    EXPECT_STREQ(a->name, "C");
    EXPECT_EQ(a->viewId, 3);
    expectSoundReferences();

    Camera outside;
    EXPECT_EQ(pasteCamera(&copied, &outside, PasteReplace), 0);

    auto category = std::make_unique<Category>(*getCategory(0));
    snprintf(category->name, kNameSize, "Copy");
    ASSERT_EQ(pasteCategory(category.get(), getCategory(0), PasteInsertAfter), 1);
    EXPECT_STREQ(getCategory(1)->name, "Copy");
    ASSERT_EQ(pasteCategory(category.get(), getCategory(0), PasteInsertBefore), 1);
    EXPECT_STREQ(getCurrentCategory()->name, "Copy");
    EXPECT_EQ(getNumberOfCategories(), 3);
    expectSoundReferences();
}

TEST_F(CameraSetOperations, PastingAWholeSetBringsTheCursorIntoIt) {
    readSet({{"Cockpit", "A", 1}});
    auto copied = std::make_unique<CategoryCache>();
    fillCategoryCache(copied.get());
    readSet({{"Cockpit", "A", 1}, {"Outside", "B", 0}, {"Outside", "C", 0}, {"Outside", "D", 0}});
    setCategory(1);
    setCameraIndex(2);
    restoreCategoriesFromCache(copied.get());
    ASSERT_EQ(getNumberOfCategories(), 1);
    EXPECT_EQ(current(), "A");
    expectSoundReferences();
}

TEST_F(CameraSetOperations, NewAircraftSetStartsAtThePoseCameraControlBeganWith) {
    readSet({{"Cockpit", "A", 1}, {"Outside", "B", 0}});
    xpsim::setValue("sim/graphics/view/pilots_head_x", -0.4);
    xpsim::setValue("sim/graphics/view/pilots_head_psi", 12);
    saveOrginalPosition();
    newAircraftCameraSet();
    ASSERT_EQ(getNumberOfCategories(), 1);
    EXPECT_STREQ(getCategory(0)->name, "Cockpit");
    EXPECT_EQ(current(), "Pilot View");
    EXPECT_EQ(getCurrentCamera()->viewId, 1);
    EXPECT_FLOAT_EQ(getCurrentCamera()->x, -0.4f);
    EXPECT_FLOAT_EQ(getCurrentCamera()->savedPosition.heading, 12.0f);
}

TEST_F(CameraSetOperations, CockpitCorrectionMovesTheSeatAndItsNeighbours) {
    readSet({{"Cockpit", "Pilot", 1}, {"Cockpit", "Right", 0}, {"Cockpit", "Far", 0},
             {"Outside", "Chase", 0}});
    cameraAt(0, 0).x = -0.5f;
    cameraAt(0, 1).x = 0.4f;
    cameraAt(0, 2).x = -0.5f;
    cameraAt(0, 2).z = 6.0f;
    cameraAt(1, 0).x = 0.4f;
    cameraAt(1, 0).external = true;
    Camera reference;
    reference.x = -0.2f;
    reference.y = 0.1f;
    attempAutoCorrectCockpitCamera(&reference);
    EXPECT_FLOAT_EQ(cameraAt(0, 0).x, -0.2f);
    EXPECT_FLOAT_EQ(cameraAt(0, 0).y, 0.1f);
    EXPECT_FLOAT_EQ(cameraAt(0, 0).savedPosition.x, -0.2f);
    EXPECT_NEAR(cameraAt(0, 1).x, 0.1f, 1e-6);
    EXPECT_FLOAT_EQ(cameraAt(0, 2).x, -0.5f);
    EXPECT_FLOAT_EQ(cameraAt(1, 0).x, 0.4f);
}

TEST_F(CameraSetOperations, RecordOperations) {
    readSet({{"Cockpit", "A", 1}, {"Cockpit", "B", 2}});
    Camera& a = cameraAt(0, 0);
    Camera& b = cameraAt(0, 1);
    a.x = 1.0f, a.roll = 3.0f, a.external = true, a.externalZoom = 4.0f, a.uniqueId = 77;
    int bUniqueId = b.uniqueId;
    copyCamera(&a, &b);
    EXPECT_STREQ(b.name, "B");
    EXPECT_EQ(b.viewId, 2);
    EXPECT_EQ(b.uniqueId, bUniqueId);
    EXPECT_FLOAT_EQ(b.externalZoom, 1.0f);
    EXPECT_FLOAT_EQ(b.x, 1.0f);
    EXPECT_TRUE(b.external);

    rememberCameraPosition(&b);
    EXPECT_FLOAT_EQ(b.savedPosition.zoom, 1.0f);  // an external camera's zoom is its external one
    b.x = 9.0f, b.roll = 8.0f, b.zoom = 5.0f, b.positionRestored = 0;
    restoreCameraPosition(&b);
    EXPECT_FLOAT_EQ(b.x, 1.0f);
    EXPECT_FLOAT_EQ(b.roll, 8.0f);
    EXPECT_FLOAT_EQ(b.zoom, 5.0f);
    EXPECT_EQ(b.positionRestored, 1);
}

TEST_F(CameraSetOperations, TheCurrentCameraIsReadWhenTheSetIsEmpty) {
    writeCameraFile(headerLine() + joinRow(rowFields("Cockpit", "From File", 1)));
    initCategories();
    ASSERT_NE(getCurrentCamera(), nullptr);
    EXPECT_EQ(current(), "From File");
}

}  // namespace
