#pragma once
#include <algorithm>
#include <atomic>
#include <thread>
#include <vector>

namespace lumbrell::data {

// Runs job(i) for every i below count on every core; each job writes only its
// own slot, so results keep their order.
template <typename Job>
void forEachInParallel(size_t count, const Job& job)
{
    std::atomic<size_t> next{0};
    auto worker = [&] {
        for (size_t i = next++; i < count; i = next++)
            job(i);
    };
    std::vector<std::thread> threads;
    const unsigned cores = std::max(1u, std::thread::hardware_concurrency());
    for (unsigned t = 0; t < cores; ++t)
        threads.emplace_back(worker);
    for (std::thread& t : threads)
        t.join();
}

}
