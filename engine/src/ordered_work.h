#pragma once
// Items of work computed on several threads and taken up one by one in their order on the
// calling thread, so that whatever the taking writes comes out as a one-thread loop writes it.
// The threads share nothing but the item counter and the finished results.
#include <algorithm>
#include <condition_variable>
#include <cstddef>
#include <exception>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

namespace talmo {

// Computes items 0 .. count-1 with `compute` on `threads` worker threads and hands each result
// to `take` in item order on the calling thread; `take` returns false to stop, and the items
// not yet taken are dropped. At most `ahead` results wait to be taken. With one thread (or one
// item) everything runs on the calling thread. An exception from `compute` or `take` is thrown
// here once the workers have stopped. `compute` must not touch what `take` changes.
template <typename Result>
void computeInOrder(std::size_t count, int threads, std::size_t ahead,
                    const std::function<Result(std::size_t)>& compute,
                    const std::function<bool(std::size_t, Result&)>& take) {
  if (threads <= 1 || count <= 1) {
    for (std::size_t i = 0; i < count; ++i) {
      Result r = compute(i);
      if (!take(i, r)) return;
    }
    return;
  }
  std::mutex mutex;
  std::condition_variable changed;
  std::vector<std::optional<Result>> done(count);
  std::size_t nextToCompute = 0, nextToTake = 0;
  bool stop = false;
  std::exception_ptr failure;

  auto worker = [&] {
    std::unique_lock lock(mutex);
    while (true) {
      changed.wait(lock, [&] { return stop || nextToCompute >= count || nextToCompute < nextToTake + ahead; });
      if (stop || nextToCompute >= count) return;
      const std::size_t i = nextToCompute++;
      lock.unlock();
      try {
        Result r = compute(i);
        lock.lock();
        done[i].emplace(std::move(r));
      } catch (...) {
        lock.lock();
        if (!failure) failure = std::current_exception();
        stop = true;
      }
      changed.notify_all();
    }
  };
  std::vector<std::thread> pool;
  const auto workers = static_cast<std::size_t>(std::max(1, threads));
  for (std::size_t t = 0; t < std::min(workers, count); ++t) pool.emplace_back(worker);

  auto finish = [&] {
    {
      const std::lock_guard lock(mutex);
      stop = true;
    }
    changed.notify_all();
    for (auto& t : pool) t.join();
  };
  try {
    for (std::size_t i = 0; i < count; ++i) {
      std::optional<Result> r;
      {
        std::unique_lock lock(mutex);
        changed.wait(lock, [&] { return done[i].has_value() || failure; });
        if (!done[i]) break;
        r = std::move(done[i]);
        done[i].reset();
        nextToTake = i + 1;
      }
      changed.notify_all();
      if (!take(i, *r)) break;
    }
  } catch (...) {
    finish();
    throw;
  }
  finish();
  if (failure) std::rethrow_exception(failure);
}

}  // namespace talmo
