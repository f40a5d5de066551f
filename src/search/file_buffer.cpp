#include "search/file_buffer.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <filesystem>

namespace skrybon {
namespace {

constexpr std::size_t kLargestFile = std::size_t{1} << 30;
constexpr std::size_t kFirstCapacity = 64 * 1024;

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};

}  // namespace

CFileBuffer::CFileBuffer(std::size_t capacity)
    : data_(capacity > 0 ? std::make_unique_for_overwrite<std::uint8_t[]>(capacity) : nullptr),
      capacity_(capacity) {}

bool CFileBuffer::Grow() {
  if (capacity_ >= kLargestFile) return false;
  const std::size_t capacity = std::max(kFirstCapacity, capacity_ * 2);
  auto data = std::make_unique_for_overwrite<std::uint8_t[]>(capacity);
  if (size_ > 0) std::memcpy(data.get(), data_.get(), size_);
  data_ = std::move(data);
  capacity_ = capacity;
  return true;
}

bool CFileBuffer::Read(const std::string& path) {
  size_ = 0;
  // A folder or a pipe named like a data file is not read: a pipe could keep
  // the reader waiting for ever.
  std::error_code ec;
  if (!std::filesystem::is_regular_file(path, ec)) return false;
  const std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
  if (!file) return false;
  // Unbuffered: each read goes straight into our buffer.
  std::setvbuf(file.get(), nullptr, _IONBF, 0);
  for (;;) {
    if (size_ == capacity_ && !Grow()) break;
    const std::size_t wanted = capacity_ - size_;
    const std::size_t got = std::fread(data_.get() + size_, 1, wanted, file.get());
    size_ += got;
    if (got < wanted) {
      if (std::ferror(file.get()) || size_ >= kLargestFile) break;
      return true;
    }
  }
  size_ = 0;
  return false;
}

}  // namespace skrybon
