#pragma once

#include <cstddef>
#include <memory>
#include <new>
#include <type_traits>
#include <vector>

namespace tolvane::html {

// An append-only array in fixed-size chunks: growing it never copies what it holds, so a large
// page's nodes take their own size in memory, not up to three times that while a vector regrows.
// A chunk's memory is only touched as elements are added, so a small page costs little.
template <typename T, size_t ChunkBits = 14>
class ChunkedVector {
  static_assert(std::is_trivially_destructible_v<T> && std::is_trivially_copyable_v<T>);

 public:
  static constexpr size_t kChunkSize = size_t{1} << ChunkBits;

  ChunkedVector() = default;
  ChunkedVector(ChunkedVector&&) noexcept = default;
  ChunkedVector& operator=(ChunkedVector&&) noexcept = default;
  ChunkedVector(const ChunkedVector& other) { *this = other; }
  ChunkedVector& operator=(const ChunkedVector& other) {
    if (this == &other) return *this;
    m_chunks.clear();
    m_size = 0;
    for (size_t i = 0; i < other.m_size; ++i) push_back(other[i]);
    return *this;
  }

  size_t size() const { return m_size; }
  bool empty() const { return m_size == 0; }

  T& operator[](size_t i) { return m_chunks[i >> ChunkBits].get()[i & (kChunkSize - 1)]; }
  const T& operator[](size_t i) const { return m_chunks[i >> ChunkBits].get()[i & (kChunkSize - 1)]; }
  T& back() { return (*this)[m_size - 1]; }

  void push_back(const T& value) {
    if ((m_size & (kChunkSize - 1)) == 0)
      m_chunks.emplace_back(static_cast<T*>(::operator new(sizeof(T) * kChunkSize)));
    std::construct_at(m_chunks.back().get() + (m_size & (kChunkSize - 1)), value);
    ++m_size;
  }

 private:
  struct Release {
    void operator()(T* chunk) const { ::operator delete(chunk); }
  };
  std::vector<std::unique_ptr<T, Release>> m_chunks;
  size_t m_size = 0;
};

}  // namespace tolvane::html
