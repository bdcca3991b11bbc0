#include "workfile/parallel_jobs.h"

#include <algorithm>
#include <atomic>
#include <future>
#include <thread>

namespace lumena {

void RunJobsInOrder(const std::vector<ByteJob>& jobs, unsigned threads, const ByteConsumer& consume) {
  std::vector<std::promise<std::vector<uint8_t>>> results(jobs.size());
  std::vector<std::future<std::vector<uint8_t>>> ready;
  for (auto& r : results) ready.push_back(r.get_future());
  std::atomic<size_t> next{0};
  std::atomic<bool> stop{false};
  const auto work = [&] {
    for (size_t i = next++; i < jobs.size(); i = next++) {
      if (stop) {
        results[i].set_value({});
        continue;
      }
      try {
        results[i].set_value(jobs[i]());
      } catch (...) {
        results[i].set_exception(std::current_exception());
      }
    }
  };
  std::vector<std::jthread> pool;
  for (unsigned i = 0; i < std::clamp<size_t>(threads, 1, std::max<size_t>(jobs.size(), 1)); ++i)
    pool.emplace_back(work);
  try {
    for (size_t i = 0; i < jobs.size(); ++i) consume(i, ready[i].get());
  } catch (...) {
    stop = true;
    pool.clear();
    throw;
  }
}

}  // namespace lumena
