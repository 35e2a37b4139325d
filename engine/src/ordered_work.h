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

// Computes items 0 .. count-1 with `compute` on `threads` threads, the calling thread one of
// them, and hands each result to `take` in item order on the calling thread; `take` returns
// false to stop, and the items not yet taken are dropped. At most `ahead` results wait to be
// taken. With one thread (or one item) everything runs on the calling thread. An exception from
// `compute` or `take` is thrown here once the other threads have stopped. `compute` must not
// touch what `take` changes.
//
// The calling thread computes too, rather than sleeping until the next result is ready: with as
// many threads as cores no core is left idle or shared, and a thread waits (a system call) only
// when it runs ahead of the taking by `ahead` items or the next item is still being computed.
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
  ahead = std::max<std::size_t>(ahead, 1);
  std::mutex mutex;
  std::condition_variable changed;
  std::vector<std::optional<Result>> done(count);
  std::size_t nextToCompute = 0, nextToTake = 0;  // guarded by the mutex, as `done`
  bool stop = false;
  std::exception_ptr failure;

  // With the lock held: whether another item may be started now.
  const auto mayStart = [&] { return !stop && nextToCompute < count && nextToCompute < nextToTake + ahead; };
  // Computes item i without the lock and files its result (or the failure) under it.
  const auto computeItem = [&](std::unique_lock<std::mutex>& lock, std::size_t i) {
    lock.unlock();
    std::optional<Result> r;
    std::exception_ptr error;
    try {
      r.emplace(compute(i));
    } catch (...) {
      error = std::current_exception();
    }
    lock.lock();
    if (error) {
      if (!failure) failure = error;
      stop = true;
    } else {
      done[i] = std::move(r);
    }
    changed.notify_all();
  };

  auto worker = [&] {
    std::unique_lock lock(mutex);
    while (true) {
      changed.wait(lock, [&] { return stop || nextToCompute >= count || mayStart(); });
      if (!mayStart()) return;
      computeItem(lock, nextToCompute++);
    }
  };
  std::vector<std::thread> pool;
  const auto helpers = std::min(static_cast<std::size_t>(threads) - 1, count - 1);
  for (std::size_t t = 0; t < helpers; ++t) pool.emplace_back(worker);

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
        // Until item i is ready, compute the next one that may start, else wait.
        while (!done[i] && !failure) {
          if (mayStart()) {
            computeItem(lock, nextToCompute++);
          } else {
            changed.wait(lock);
          }
        }
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
