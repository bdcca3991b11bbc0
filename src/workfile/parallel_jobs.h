#pragma once
// Runs independent jobs on a few threads. Each job makes its own result, so
// the results do not depend on the number of threads.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

namespace lumena {

using ByteJob = std::function<std::vector<uint8_t>()>;
using ByteConsumer = std::function<void(size_t index, std::vector<uint8_t>&& bytes)>;

// Runs the jobs on `threads` worker threads and hands their results to
// `consume` on the caller's thread in job order, each as soon as it and all
// before it are done, so that writing overlaps the encoding. The first
// exception of a job or of `consume` is rethrown once the workers ended;
// after it no further job is started.
void RunJobsInOrder(const std::vector<ByteJob>& jobs, unsigned threads, const ByteConsumer& consume);

}  // namespace lumena
