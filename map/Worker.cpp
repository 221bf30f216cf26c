#include "map/Worker.h"

#include <cerrno>
#include <ctime>
#include <new>

#include "map/Generator.h"
#include "map/Random.h"

namespace brambex {

WorkerState worker;

void runGenerator(Generator& generator) {
    try {
        generator.generate();
    } catch (const std::bad_alloc&) {
        throw WinException(ENOMEM, "Out of memory");
    }
}

void workerBody(Generator* generator, std::function<void()> seedRandom) {
    worker.workerBusy = true;
    // The worker's own random state; the theme is drawn from it before the map's seed takes over.
    if (seedRandom) seedRandom();
    else srand(static_cast<std::uint32_t>(std::time(nullptr)));
    try {
        runGenerator(*generator);
    } catch (const WinException& e) {
        worker.failure = e;
    } catch (const std::exception& e) {
        worker.failure = WinException(0, e.what());
    }
    worker.workerBusy = false;
}

bool startWorker(Generator* generator, std::function<void()> seedRandom) {
    if (worker.workerThread.joinable()) return false;
    worker.failure.reset();
    worker.workerBusy = true;
    worker.workerThread = std::thread(workerBody, generator, std::move(seedRandom));
    return true;
}

void joinWorker() { worker.workerThread.join(); }

}  // namespace brambex
