#include "positioning/transitions/frames.h"

#include <new>

Frame* newFrameFromPosition(const CameraPosition* pose) {
    Frame* frame = new (std::nothrow) Frame();
    if (frame != nullptr) {
        frame->pose = *pose;
    }
    return frame;
}

void deleteRemaingFrames(Frame* head) {
    if (head != nullptr && head->prev != nullptr) {
        head->prev->next = nullptr;
    }
    while (head != nullptr) {
        Frame* next = head->next;
        delete head;
        head = next;
    }
}

Frame* linkFrame(Frame* tail, Frame* frame) {
    frame->prev = tail;
    frame->next = nullptr;
    if (tail != nullptr) {
        tail->next = frame;
    }
    return frame;
}

Frame* lastFrame(Frame* head) {
    while (head != nullptr && head->next != nullptr) {
        head = head->next;
    }
    return head;
}

int countFrames(const Frame* head) {
    int count = 0;
    for (; head != nullptr; head = head->next) {
        ++count;
    }
    return count;
}

int frameLookBack(const Frame* frame) {
    int count = 0;
    for (const Frame* f = frame->prev; f != nullptr && f->camera == frame->camera; f = f->prev) {
        ++count;
    }
    return count;
}

int frameLookForward(const Frame* frame) {
    int count = 0;
    for (const Frame* f = frame->next; f != nullptr && f->camera == frame->camera; f = f->next) {
        ++count;
    }
    return count;
}

Frame* backUpframe(Frame* frame, int n) {
    for (int i = 0; i < n && frame != nullptr; ++i) {
        frame = frame->prev;
    }
    return frame;
}

Frame* forwardFrame(Frame* frame, int n) {
    for (int i = 0; i < n && frame != nullptr; ++i) {
        frame = frame->next;
    }
    return frame;
}

void fixHeadingPitchValues(CameraPosition* pose) {
    if (pose->heading >= 360.0f) {
        pose->heading -= 360.0f;
    } else if (pose->heading < 0.0f) {
        pose->heading += 360.0f;
    }
    if (pose->pitch >= 360.0f) {
        pose->pitch -= 360.0f;
    } else if (pose->pitch < 0.0f) {
        pose->pitch += 360.0f;
    }
    if (pose->roll < 0.0f) {
        pose->roll += 360.0f;
    }
}
