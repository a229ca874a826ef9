#include "io/input_file.h"

#include <cstring>

#include "io/failure.h"

namespace kovrant {

int InputFile::Open(Platform& platform, const std::string& path, std::unique_ptr<InputFile>* file) {
  FileHandle handle = 0;
  int code = platform.OpenInput(path, &handle);
  if (code != 0) return code;
  *file = std::make_unique<InputFile>(platform, handle);
  return 0;
}

InputFile::InputFile(Platform& platform, FileHandle handle)
    : platform_(platform),
      handle_(handle),
      // Not value-initialised: bytes are only ever read after a Fill.
      buffer_(new std::uint8_t[kBufferSize]),
      data_(buffer_.get()),
      view_alignment_(platform.ViewAlignment()) {}

InputFile::~InputFile() {
  ReleaseAhead();
  if (view_ != nullptr) platform_.UnmapView(view_, buffer_length_);
  if (open_) platform_.Close(handle_);
}

bool InputFile::FillView(CheckSite site) {
  const std::int64_t position = Position();
  const std::int64_t size = Size(site);
  // Beyond the known size (a file that has grown since) the file is read.
  if (position >= size) return false;
  if (size <= static_cast<std::int64_t>(kBufferSize)) {
    // A file that fits the buffer costs one read; mapping it costs more.
    view_alignment_ = 0;
    return false;
  }
  ReleaseView(site);
  const std::int64_t alignment = static_cast<std::int64_t>(view_alignment_);
  const auto view_length = [size](std::int64_t start) {
    return size - start < static_cast<std::int64_t>(kViewSize)
               ? static_cast<std::size_t>(size - start)
               : kViewSize;
  };
  if (ahead_ != nullptr && position >= ahead_start_ &&
      position - ahead_start_ < static_cast<std::int64_t>(ahead_length_)) {
    // Read on into the view ahead.
    view_ = ahead_;
    buffer_start_ = ahead_start_;
    buffer_length_ = ahead_length_;
    ahead_ = nullptr;
  } else {
    ReleaseAhead();
    const std::int64_t start = position - position % alignment;
    const std::size_t length = view_length(start);
    const std::uint8_t* view = nullptr;
    if (platform_.MapView(handle_, start, length, &view) != 0) {
      // Not mappable after all: read from now on.
      view_alignment_ = 0;
      return false;
    }
    view_ = view;
    buffer_start_ = start;
    buffer_length_ = length;
  }
  data_ = view_;
  offset_ = position - buffer_start_;
  // The next view, mapped now so that its pages come in while this one is
  // read; a failure here leaves it to be mapped when it is reached.
  const std::int64_t next = buffer_start_ + static_cast<std::int64_t>(buffer_length_);
  if (next < size && next % alignment == 0 &&
      platform_.MapViewAhead(handle_, next, view_length(next), &ahead_) == 0) {
    ahead_start_ = next;
    ahead_length_ = view_length(next);
  } else {
    ahead_ = nullptr;
  }
  return true;
}

void InputFile::ReleaseAhead() {
  if (ahead_ == nullptr) return;
  // Never read: the reader cannot have met a cut in it.
  platform_.UnmapView(ahead_, ahead_length_);
  ahead_ = nullptr;
}

void InputFile::ReleaseView(CheckSite site) {
  if (view_ == nullptr) return;
  const bool whole = platform_.UnmapView(view_, buffer_length_);
  view_ = nullptr;
  // Nothing is buffered any more.
  data_ = buffer_.get();
  buffer_length_ = 0;
  if (!whole) throw IoError(kIoReadBeyondEnd, site);
}

void InputFile::SeekHandle(std::int64_t position, CheckSite site) {
  if (handle_position_ == position) return;
  if (int code = platform_.Seek(handle_, position); code != 0) throw IoError(code, site);
  handle_position_ = position;
}

void InputFile::Fill(CheckSite site) {
  if (!open_) throw IoError(kIoFileNotOpen, site);
  if (view_alignment_ != 0 && FillView(site)) return;
  ReleaseAhead();
  ReleaseView(site);
  const std::int64_t position = Position();
  SeekHandle(position, site);
  std::size_t got = 0;
  int code = platform_.Read(handle_, buffer_.get(), kBufferSize, &got);
  handle_position_ += static_cast<std::int64_t>(got);
  data_ = buffer_.get();
  buffer_start_ = position;
  offset_ = 0;
  buffer_length_ = got;
  if (code != 0) throw IoError(code, site);
  if (got == 0) throw IoError(kIoReadBeyondEnd, site);
}

void InputFile::Read(void* destination, std::int64_t size, CheckSite site) {
  auto* out = static_cast<std::uint8_t*>(destination);
  ReadInto(size, site, [&out](const std::uint8_t* data, std::size_t length) {
    std::memcpy(out, data, length);
    out += length;
  });
}

std::uint8_t InputFile::ReadByteSlow(CheckSite site) {
  Fill(site);
  return data_[static_cast<std::size_t>(offset_++)];
}

std::uint32_t InputFile::ReadUint32Slow(CheckSite site) {
  std::uint8_t bytes[4];
  Read(bytes, 4, site);
  return LittleEndian32(bytes);
}

void InputFile::SkipBeyondBuffer(std::int64_t size, CheckSite site) {
  // Whatever lies beyond the buffer need not be read, only be there.
  const std::int64_t position = Position();
  if (position + size <= Size(site)) {
    offset_ += size;
    return;
  }
  ReadInto(size, site, [](const std::uint8_t*, std::size_t) {});
}

void InputFile::RefuseSeek(CheckSite site) {
  // Called for a closed file or a negative position, in that order of checks.
  throw IoError(open_ ? kIoNegativeSeek : kIoFileNotOpen, site);
}

std::int64_t InputFile::Size(CheckSite site) {
  if (!open_) throw IoError(kIoFileNotOpen, site);
  if (size_ < 0) {
    std::int64_t size = 0;
    if (int code = platform_.FileSize(handle_, &size); code != 0) throw IoError(code, site);
    size_ = size;
  }
  return size_;
}

void InputFile::Close(CheckSite site) {
  if (!open_) throw IoError(kIoFileNotOpen, site);
  ReleaseAhead();
  ReleaseView(site);
  open_ = false;
  if (int code = platform_.Close(handle_); code != 0) throw IoError(code, site);
}

}  // namespace kovrant
