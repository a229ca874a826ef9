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
  // The block in flight still reads its buffer; its failure no longer
  // matters, a failure is already under way.
  if (in_flight_) platform_.AwaitWrite(handle_);
  if (open_) platform_.Close(handle_);
  platform_.RemoveFile(temporary_path_);
}

void TableFile::AwaitBlock() {
  if (!in_flight_) return;
  in_flight_ = false;
  if (int code = platform_.AwaitWrite(handle_); code != 0) throw IoError(code, in_flight_site_);
}

void TableFile::Flush(CheckSite site) {
  if (!platform_.WritesInBackground()) {
    FlushNow(site);
    return;
  }
  if (buffer_length_ == 0) return;
  // The block before this one must be out of the other buffer first, and
  // its failure comes first.
  AwaitBlock();
  if (spare_.empty()) spare_.resize(kBufferSize);
  const std::size_t length = buffer_length_;
  buffer_length_ = 0;
  Begin(buffer_.data(), length, site);
  buffer_.swap(spare_);
}

void TableFile::Begin(const void* data, std::size_t size, CheckSite site) {
  if (int code = platform_.BeginWrite(handle_, written_, data, size); code != 0) {
    throw IoError(code, site);
  }
  in_flight_ = true;
  in_flight_site_ = site;
  written_ += static_cast<std::int64_t>(size);
}

void TableFile::FlushNow(CheckSite site) {
  AwaitBlock();
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
      AwaitBlock();
      Begin(data, size, site);
      AwaitBlock();
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
    AwaitBlock();
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
