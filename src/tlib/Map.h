// Hash map from TString keys to one plain value each (a pointer in every use):
// a chained table of 8 buckets to start, doubled whenever an insertion finds it
// holding trunc(0.8 x buckets) entries. Entries are only added and looked up.
// The map owns its keys and nodes, never what the values point to.
#pragma once

#include <cstdint>

#include "tlib/Exception.h"
#include "tlib/String.h"

namespace tlib {

// h = h * 7 + byte + 1 over the UTF-16 bytes of the key, low byte of each unit first.
inline std::uint32_t HashKey(const TString& key) {
  std::uint32_t hash = 0;
  const char16_t* units = key.CStr();
  for (int i = 0; i < key.Length(); ++i) {
    hash = hash * 7 + (units[i] & 0xFFu) + 1;
    hash = hash * 7 + (units[i] >> 8) + 1;
  }
  return hash;
}

template <typename V>
class TMap {
 public:
  TMap() : table_(new Table{1, 0, 0, nullptr, 0}) { table_->Resize(8); }
  TMap(const TMap&) = delete;
  TMap& operator=(const TMap&) = delete;
  ~TMap() {
    for (int b = 0; b < table_->bucketCount; ++b) {
      for (Node* node = table_->buckets[b]; node != nullptr;) {
        Node* next = node->next;
        delete node;
        node = next;
      }
    }
    delete[] table_->buckets;
    delete table_;
  }

  void Add(TString key, V value) {
    if (Contains(key)) throw TException(u"Key already exists");
    Set(key, value);
  }

  V& Get(TString key) const {
    Node* node = Find(key);
    if (node == nullptr) throw TException(u"Key does not exist");
    return node->value;
  }

  bool Contains(TString key) const { return Find(key) != nullptr; }

  int Count() const { return table_->entryCount; }
  int BucketCount() const { return table_->bucketCount; }
  int GrowthThreshold() const { return table_->threshold; }

 private:
  struct Node {
    TString key;
    V value;
    Node* next;
  };

  struct Table {
    int shares;
    int bucketCount;
    int threshold;
    Node** buckets;
    int entryCount;

    Node*& Bucket(const TString& key) const {
      return buckets[HashKey(key) % static_cast<std::uint32_t>(bucketCount)];
    }

    // Installs `count` empty buckets and the threshold that goes with them.
    void Resize(int count) {
      buckets = new Node*[count]();
      bucketCount = count;
      threshold = static_cast<int>(count * 0.8);
    }

    static void AppendToChain(Node*& head, Node* node) {
      Node** link = &head;
      while (*link != nullptr) link = &(*link)->next;
      *link = node;
    }

    // Doubles the buckets, relinking every node in bucket and chain order.
    void Grow() {
      Node** old = buckets;
      int oldCount = bucketCount;
      Resize(oldCount * 2);
      for (int b = 0; b < oldCount; ++b) {
        for (Node* node = old[b]; node != nullptr;) {
          Node* next = node->next;
          node->next = nullptr;
          AppendToChain(Bucket(node->key), node);
          node = next;
        }
      }
      delete[] old;
    }
  };

  Node* Find(const TString& key) const {
    for (Node* node = table_->Bucket(key); node != nullptr; node = node->next) {
      if (node->key == key) return node;
    }
    return nullptr;
  }

  // Insert-or-replace; Add has already made sure the key is new.
  void Set(const TString& key, V value) {
    if (Node* existing = Find(key)) {
      existing->value = value;
      return;
    }
    Table::AppendToChain(table_->Bucket(key), new Node{key, value, nullptr});
    if (table_->entryCount == table_->threshold) table_->Grow();
    ++table_->entryCount;
  }

  Table* table_;
};

}  // namespace tlib
