// The program's growable array of plain values: a handle to a shared body that
// is copied before a change when another handle shares it. Elements are copied
// byte for byte and never cleaned up, so an array of pointers owns nothing.
#pragma once

#include <cstring>
#include <new>
#include <type_traits>
#include <utility>

#include "tlib/Exception.h"

namespace tlib {

template <typename T>
class TArray {
  static_assert(std::is_trivially_copyable_v<T>, "TArray holds plain values only");

 public:
  TArray() : body_(new Body{1, 0, nullptr, 0}) {}
  TArray(const TArray& other) : body_(other.body_) { ++body_->shares; }
  TArray& operator=(const TArray& other) {
    TArray shared(other);  // takes its share first, so self-assignment is safe
    std::swap(body_, shared.body_);
    return *this;
  }
  ~TArray() { Release(body_); }

  int Count() const { return body_->count; }
  int Capacity() const { return body_->capacity; }

  // The element, for reading or changing in place; the body is not detached.
  T& At(int index) const {
    CheckIndex(index);
    return body_->items[index];
  }

  T& Last() const {
    if (body_->count == 0) throw TException(u"Array is empty");
    return body_->items[body_->count - 1];
  }

  void Append(const T& element) {
    T copy = element;  // the element may live in this array's storage
    Detach();
    Reserve(body_->count + 1);
    std::memcpy(static_cast<void*>(&body_->items[body_->count]), &copy, sizeof(T));
    ++body_->count;
  }

  void RemoveAt(int index) {
    Detach();
    CheckIndex(index);
    --body_->count;
    std::memmove(static_cast<void*>(&body_->items[index]), &body_->items[index + 1],
                 sizeof(T) * static_cast<std::size_t>(body_->count - index));
  }

  // Removes the first element equal to `element`, compared as a whole value.
  void RemoveValue(const T& element) {
    Detach();
    for (int i = 0; i < body_->count; ++i) {
      if (std::memcmp(&body_->items[i], &element, sizeof(T)) == 0) {
        RemoveAt(i);
        return;
      }
    }
    throw TException(u"Item is not in array");
  }

  // Makes room for at least minItems elements, growing by half (at least 8).
  void Reserve(int minItems) {
    if (minItems == 0) throw TException(u"minItems == 0");
    Body& body = *body_;
    if (body.capacity >= minItems) return;
    int capacity = body.capacity + body.capacity / 2;
    if (capacity < minItems) capacity = minItems;
    if (capacity < 8) capacity = 8;
    T* items = static_cast<T*>(::operator new(sizeof(T) * static_cast<std::size_t>(capacity)));
    if (body.count > 0) {
      std::memcpy(static_cast<void*>(items), body.items, sizeof(T) * std::size_t(body.count));
    }
    ::operator delete(body.items);
    body.items = items;
    body.capacity = capacity;
  }

 private:
  struct Body {
    int shares;
    int count;
    T* items;
    int capacity;
  };

  void CheckIndex(int index) const {
    if (index < 0 || index >= body_->count) throw TException(u"Item index out of bounds");
  }

  // Gives this handle a body of its own before a change, if the body is shared.
  // The copy is reserved as Append would (5 elements get 8 slots).
  void Detach() {
    if (body_->shares == 1) return;
    TArray copy;
    if (body_->count != 0) {
      copy.Reserve(body_->count);
      std::memcpy(static_cast<void*>(copy.body_->items), body_->items,
                  sizeof(T) * std::size_t(body_->count));
      copy.body_->count = body_->count;
    }
    std::swap(body_, copy.body_);  // the shared body is released with `copy`
  }

  static void Release(Body* body) {
    if (body->shares < 0) throw TException(u"Invalid array");
    if (--body->shares == 0) {
      ::operator delete(body->items);
      delete body;
    }
  }

  Body* body_;
};

}  // namespace tlib
