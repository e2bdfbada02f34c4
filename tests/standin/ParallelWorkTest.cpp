// Work shared out among threads: every item done exactly once, by a worker of the given
// number, and an exception from any item ends the run and comes back to the caller.
#include <gtest/gtest.h>

#include <atomic>
#include <stdexcept>
#include <vector>

#include "server/ParallelWork.h"

namespace {

using standin::RunInParallel;

TEST(ParallelWork, EveryItemIsDoneOnceByAWorkerOfItsNumber) {
  for (const std::size_t count : {0u, 1u, 5u, 1000u})
    for (const std::size_t workers : {1u, 2u, 4u}) {
      std::vector<std::atomic<int>> done(count);
      std::atomic<bool> workerInRange{true};
      RunInParallel(count, workers, [&](std::size_t item, std::size_t worker) {
        ++done[item];
        if (worker >= workers) workerInRange = false;
      });
      for (std::size_t item = 0; item < count; ++item)
        EXPECT_EQ(done[item], 1) << "item " << item << " of " << count << ", " << workers;
      EXPECT_TRUE(workerInRange);
    }
}

TEST(ParallelWork, AnItemThatFailsEndsTheRunAndItsExceptionComesBack) {
  for (const std::size_t workers : {1u, 2u}) {
    std::atomic<std::size_t> started{0};
    EXPECT_THROW(RunInParallel(100000, workers,
                               [&](std::size_t item, std::size_t) {
                                 ++started;
                                 if (item == 10) throw std::runtime_error("item 10");
                               }),
                 std::runtime_error);
    EXPECT_LT(started, 100000u) << "the items not taken yet are left";
  }
}

}  // namespace
