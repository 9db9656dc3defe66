#include "community/community_worker.h"

#include <exception>
#include <vector>

#include "shell/flight_loop.h"

namespace {
// Every worker not yet joined, in the order they started.
std::vector<std::shared_ptr<CommunityWorker>> workers;
std::unique_ptr<FlightLoop> serviceLoop;

float serviceEachFrame(float, float, int, void*) {
    serviceCommunityWorkers();
    // Asleep while no worker runs; a new one wakes it.
    return workers.empty() ? 0.0f : -1.0f;
}

// The loop is made once and kept until the stop: X-Plane does not let it be
// destroyed from inside its own callback.
void scheduleService() {
    if (serviceLoop) {
        serviceLoop->scheduleNextFrame();
    }
}
}  // namespace

void serviceCommunityWorkersEachFrame() {
    if (!serviceLoop) {
        serviceLoop = std::make_unique<FlightLoop>(serviceEachFrame, nullptr);
    } else {
        scheduleService();
    }
}

std::shared_ptr<CommunityWorker> CommunityWorker::start(Body body, WhenJoined whenJoined,
                                                        std::string* error) {
    std::shared_ptr<CommunityWorker> worker(new CommunityWorker());
    worker->body = std::move(body);
    worker->whenJoined = std::move(whenJoined);
    try {
        worker->thread = std::thread(&CommunityWorker::run, worker.get());
    } catch (const std::exception& failure) {
        *error = failure.what();
        return nullptr;
    }
    workers.push_back(worker);
    scheduleService();
    return worker;
}

CommunityWorker::~CommunityWorker() {
    // Only ever reached once joined: the list holds each worker until then.
    if (thread.joinable()) {
        thread.join();
    }
}

void CommunityWorker::run() {
    body(*this);
    // What the body holds goes here, not with the last holder of the worker.
    body = nullptr;
    done.store(true, std::memory_order_release);
}

void CommunityWorker::join() {
    thread.join();
    WhenJoined then = std::move(whenJoined);
    whenJoined = nullptr;
    if (then) {
        then(*this);
    }
}

void serviceCommunityWorkers() {
    std::vector<std::shared_ptr<CommunityWorker>> ended;
    for (auto it = workers.begin(); it != workers.end();) {
        (*it)->cancel.cutOffWhenDue();
        if ((*it)->finished()) {
            ended.push_back(*it);
            it = workers.erase(it);
        } else {
            ++it;
        }
    }
    // Out of the list first: what they run when joined may start another.
    for (const std::shared_ptr<CommunityWorker>& worker : ended) {
        worker->join();
    }
}

void cutOffCommunityWorkers() {
    for (const std::shared_ptr<CommunityWorker>& worker : workers) {
        worker->cancel.cutOff();
    }
}

void joinCommunityWorkersForUnload() {
    while (!workers.empty()) {
        std::vector<std::shared_ptr<CommunityWorker>> ending;
        ending.swap(workers);
        for (const std::shared_ptr<CommunityWorker>& worker : ending) {
            worker->cancel.cutOff();
        }
        for (const std::shared_ptr<CommunityWorker>& worker : ending) {
            worker->join();
        }
    }
    serviceLoop.reset();
}

int runningCommunityWorkers() {
    int running = 0;
    for (const std::shared_ptr<CommunityWorker>& worker : workers) {
        running += worker->finished() ? 0 : 1;
    }
    return running;
}

int heldCommunityWorkers() { return static_cast<int>(workers.size()); }
