#include "server/ParallelWork.h"

#include <atomic>
#include <exception>
#include <mutex>
#include <thread>
#include <vector>

namespace standin {

void RunInParallel(std::size_t count, std::size_t workers,
                   const std::function<void(std::size_t item, std::size_t worker)>& work) {
  std::atomic<std::size_t> next{0};
  std::atomic<bool> failed{false};
  std::mutex problemLock;
  std::exception_ptr problem;
  const auto takeItems = [&](std::size_t worker) {
    try {
      for (std::size_t item = next++; item < count && !failed; item = next++) work(item, worker);
    } catch (...) {
      const std::lock_guard<std::mutex> lock(problemLock);
      if (!problem) problem = std::current_exception();
      failed = true;
    }
  };
  std::vector<std::thread> helpers;
  const std::size_t wanted = workers < count ? workers : count;
  if (wanted > 1) helpers.reserve(wanted - 1);
  for (std::size_t worker = 1; worker < wanted; ++worker) {
    try {
      helpers.emplace_back(takeItems, worker);
    } catch (const std::exception&) {
      break;  // no thread to be had: the threads running share the work
    }
  }
  takeItems(0);
  for (std::thread& helper : helpers) helper.join();
  if (problem) std::rethrow_exception(problem);
}

}  // namespace standin
