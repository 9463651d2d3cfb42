#pragma once
// The owning list behind every TRegistroXXXXList: records in insertion order, each owned by
// the list, so freeing a parent record frees its whole subtree.
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

template <typename T>
class TRegistroList {
public:
  T& New() {
    items_.push_back(std::make_unique<T>());
    return *items_.back();
  }
  int Count() const { return static_cast<int>(items_.size()); }
  bool Empty() const { return items_.empty(); }
  T& Items(int index) { return *items_.at(static_cast<size_t>(index)); }
  const T& Items(int index) const { return *items_.at(static_cast<size_t>(index)); }
  T& operator[](int index) { return Items(index); }
  const T& operator[](int index) const { return Items(index); }
  void SetItem(int index, std::unique_ptr<T> item) { items_.at(static_cast<size_t>(index)) = std::move(item); }
  // The most recently created record: the parent of the next child created in this list's block.
  T& Last(const char* missingParentMessage) {
    if (items_.empty()) throw std::out_of_range(missingParentMessage);
    return *items_.back();
  }
  void Clear() { items_.clear(); }
  void Reserve(size_t n) { items_.reserve(n); }

  template <typename Base>
  struct Iterator {
    Base it;
    auto& operator*() const { return **it; }
    auto* operator->() const { return it->get(); }
    Iterator& operator++() { ++it; return *this; }
    bool operator!=(const Iterator& o) const { return it != o.it; }
    bool operator==(const Iterator& o) const { return it == o.it; }
  };
  auto begin() { return Iterator<typename std::vector<std::unique_ptr<T>>::iterator>{items_.begin()}; }
  auto end() { return Iterator<typename std::vector<std::unique_ptr<T>>::iterator>{items_.end()}; }
  auto begin() const { return Iterator<typename std::vector<std::unique_ptr<T>>::const_iterator>{items_.begin()}; }
  auto end() const { return Iterator<typename std::vector<std::unique_ptr<T>>::const_iterator>{items_.end()}; }

  // Linear search from the first record, as the extraction expects.
  template <typename Pred>
  T* Find(Pred pred) {
    for (auto& p : items_) if (pred(*p)) return p.get();
    return nullptr;
  }

private:
  std::vector<std::unique_ptr<T>> items_;
};

// Message of the index error raised when a child is created without a parent.
inline std::string SemPai(const std::string& child, const std::string& parent) {
  return "O registro " + child + " deve ser filho do registro " + parent + ", e não existe nenhum " + parent + " pai!";
}
