// Items of work shared out among a few threads: each thread takes the next item no one has
// taken yet, so the items are done in any order and each exactly once.
#pragma once

#include <cstddef>
#include <functional>

namespace standin {

// Runs work(item, worker) for every item from 0 to count - 1 on up to `workers` threads; the
// calling thread is worker 0 and the others are numbered from 1, so that each may keep tools of
// its own. When a thread cannot be started the others do its share. The first exception work
// throws stops the items not yet taken and is thrown again here once every thread is done.
void RunInParallel(std::size_t count, std::size_t workers,
                   const std::function<void(std::size_t item, std::size_t worker)>& work);

}  // namespace standin
