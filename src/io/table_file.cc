#include "io/table_file.h"

#include "io/failure.h"

namespace kovrant {

TableFile::TableFile(Platform& platform, std::string path, CheckSite site)
    : platform_(platform), path_(std::move(path)), buffer_(kBufferSize) {
  // The buffer is allocated first: once the temporary file exists, only the
  // destructor (which a throwing constructor would not reach) may remove it.
  if (int code = platform_.CreateTemporary(path_, &temporary_path_, &handle_); code != 0) {
    throw IoError(code, site);
  }
  open_ = true;
}

TableFile::~TableFile() {
  if (committed_) return;
  // The blocks in flight still read their buffers; their failure no longer
  // matters, a failure is already under way.
  if (in_flight_count_ > 0) platform_.AwaitWrite(handle_, Platform::kWholeFile);
  if (open_) platform_.Close(handle_);
  platform_.RemoveFile(temporary_path_);
}

void TableFile::AwaitOldest() {
  const Block& block = in_flight_[oldest_];
  oldest_ = (oldest_ + 1) % kBlocksInFlight;
  --in_flight_count_;
  // The last block in flight ends the file's writes: a later AwaitWrite
  // (the destructor's) then has nothing to wait for.
  const std::int64_t end = in_flight_count_ == 0 ? Platform::kWholeFile : block.end;
  if (int code = platform_.AwaitWrite(handle_, end); code != 0) throw IoError(code, block.site);
}

void TableFile::AwaitAll() {
  while (in_flight_count_ > 0) AwaitOldest();
}

void TableFile::Flush(CheckSite site) {
  if (!platform_.WritesInBackground()) {
    FlushNow(site);
    return;
  }
  if (buffer_length_ == 0) return;
  // The oldest block must be out of its buffer before the buffer is
  // reused, and its failure comes first.
  if (in_flight_count_ == kBlocksInFlight) AwaitOldest();
  Block& block = in_flight_[(oldest_ + in_flight_count_) % kBlocksInFlight];
  if (block.buffer.empty()) block.buffer.resize(kBufferSize);
  const std::size_t length = buffer_length_;
  buffer_length_ = 0;
  Begin(buffer_.data(), length, site);
  block.end = written_;
  block.site = site;
  ++in_flight_count_;
  buffer_.swap(block.buffer);
}

void TableFile::Begin(const void* data, std::size_t size, CheckSite site) {
  if (int code = platform_.BeginWrite(handle_, written_, data, size); code != 0) {
    throw IoError(code, site);
  }
  written_ += static_cast<std::int64_t>(size);
}

void TableFile::FlushNow(CheckSite site) {
  AwaitAll();
  if (buffer_length_ == 0) return;
  std::size_t length = buffer_length_;
  buffer_length_ = 0;
  if (int code = platform_.Write(handle_, buffer_.data(), length); code != 0) {
    throw IoError(code, site);
  }
  written_ += static_cast<std::int64_t>(length);
}

void TableFile::AppendSlow(const void* data, std::size_t size, CheckSite site) {
  if (size >= buffer_.size()) {
    // Too big for the buffer: written from where it is, after the buffer.
    if (platform_.WritesInBackground()) {
      Flush(site);
      AwaitAll();
      Begin(data, size, site);
      if (int code = platform_.AwaitWrite(handle_, Platform::kWholeFile); code != 0) {
        throw IoError(code, site);
      }
      return;
    }
    FlushNow(site);
    if (int code = platform_.Write(handle_, data, size); code != 0) throw IoError(code, site);
    written_ += static_cast<std::int64_t>(size);
    return;
  }
  Flush(site);
  std::memcpy(buffer_.data(), data, size);
  buffer_length_ = size;
}

void TableFile::Commit(CheckSite site) {
  if (!open_) throw IoError(kIoFileNotOpen, site);
  if (platform_.WritesInBackground() && written_ > 0) {
    Flush(site);
    AwaitAll();
  } else {
    // A table of one block is written at once, without waiting for a
    // thread (and, in the background, nothing was written before it).
    FlushNow(site);
  }
  open_ = false;
  if (int code = platform_.Close(handle_); code != 0) throw IoError(code, site);
  if (int code = platform_.MoveOver(temporary_path_, path_); code != 0) throw IoError(code, site);
  committed_ = true;
}

}  // namespace kovrant
