// Resources known by name, each loaded once on first request. The preloader's
// thread and the main thread both ask for resources, so every lookup and entry
// happens under the registry's own lock; a load runs under it too, so a name
// is never loaded twice.
#pragma once

#include <mutex>

#include "tlib/Map.h"
#include "tlib/String.h"

template <typename T>
class CRegistry {
 public:
  // The entry for `name`; when there is none yet, `load()` makes it first.
  template <typename Load>
  T GetOrLoad(const tlib::TString& name, Load load) {
    std::lock_guard<std::mutex> lock(mutex_);
    if (entries_.Contains(name)) return entries_.Get(name);
    T entry = load();
    // TString counts its shares without atomics: the map keeps a copy of its
    // own, which never shares a buffer with a string of the calling thread.
    entries_.Add(tlib::TString(name.Length(), name.CStr()), entry);
    return entry;
  }

 private:
  std::mutex mutex_;
  tlib::TMap<T> entries_;
};
