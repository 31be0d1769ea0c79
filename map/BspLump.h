#pragma once
#include <cstddef>
#include <initializer_list>
#include <vector>

// One lump's records. A map read from a file views them where they lie in the file's bytes
// (which the map holds), so loading copies nothing; a map built in memory (tools, tests) holds
// them itself. Reading and editing records in place is the same either way. Adding or removing
// records first takes viewed records into the lump's own storage (Own). A
// copied lump holds its records itself, so copies never share them.
template <class T>
class BspLump {
 public:
  BspLump() = default;
  BspLump(std::initializer_list<T> records) : own_(records) {}
  BspLump(const BspLump& other) : own_(other.begin(), other.end()) {}
  BspLump& operator=(const BspLump& other) {
    if (this != &other) {
      std::vector<T> copy(other.begin(), other.end());
      own_ = std::move(copy);
      view_ = nullptr;
      viewCount_ = 0;
    }
    return *this;
  }
  // A moved vector keeps its storage and a view keeps its file bytes: both stay valid.
  BspLump(BspLump&& other) noexcept
      : own_(std::move(other.own_)), view_(other.view_), viewCount_(other.viewCount_) {
    other.view_ = nullptr;
    other.viewCount_ = 0;
  }
  BspLump& operator=(BspLump&& other) noexcept {
    own_ = std::move(other.own_);
    view_ = other.view_;
    viewCount_ = other.viewCount_;
    other.view_ = nullptr;
    other.viewCount_ = 0;
    return *this;
  }

  // Views `count` records at `first`, which must outlive the lump (the map's file bytes).
  void View(T* first, size_t count) {
    own_.clear();
    view_ = count ? first : nullptr;
    viewCount_ = count;
  }
  std::vector<T>& Own() {
    if (view_) {
      own_.assign(view_, view_ + viewCount_);
      view_ = nullptr;
      viewCount_ = 0;
    }
    return own_;
  }

  // The usual edits, on the lump's own records.
  void push_back(const T& record) { Own().push_back(record); }
  void resize(size_t count) { Own().resize(count); }
  void assign(size_t count, const T& record) { Own().assign(count, record); }
  void clear() { Own().clear(); }

  size_t size() const { return view_ ? viewCount_ : own_.size(); }
  bool empty() const { return size() == 0; }
  T* data() { return view_ ? view_ : own_.data(); }
  const T* data() const { return view_ ? view_ : own_.data(); }
  T& operator[](size_t i) { return data()[i]; }
  const T& operator[](size_t i) const { return data()[i]; }
  T* begin() { return data(); }
  T* end() { return data() + size(); }
  const T* begin() const { return data(); }
  const T* end() const { return data() + size(); }

 private:
  std::vector<T> own_;
  T* view_ = nullptr;  // set while the records are viewed in the file's bytes
  size_t viewCount_ = 0;
};
