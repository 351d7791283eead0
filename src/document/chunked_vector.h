#pragma once

#include <cstddef>
#include <memory>
#include <vector>

namespace tolvane::html {

// An append-only array in fixed-size chunks: growing it never copies what it holds, so a large
// page's nodes take their own size in memory, not up to three times that while a vector regrows.
// References to elements stay valid while it grows.
template <typename T, size_t ChunkBits = 14>
class ChunkedVector {
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

  T& operator[](size_t i) { return m_chunks[i >> ChunkBits][i & (kChunkSize - 1)]; }
  const T& operator[](size_t i) const { return m_chunks[i >> ChunkBits][i & (kChunkSize - 1)]; }
  T& back() { return (*this)[m_size - 1]; }

  void push_back(const T& value) {
    if ((m_size & (kChunkSize - 1)) == 0) m_chunks.push_back(std::make_unique<T[]>(kChunkSize));
    m_chunks[m_size >> ChunkBits][m_size & (kChunkSize - 1)] = value;
    ++m_size;
  }

 private:
  std::vector<std::unique_ptr<T[]>> m_chunks;
  size_t m_size = 0;
};

}  // namespace tolvane::html
