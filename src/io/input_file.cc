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
    : platform_(platform), handle_(handle), buffer_(kBufferSize) {}

InputFile::~InputFile() {
  if (open_) platform_.Close(handle_);
}

void InputFile::SeekHandle(std::int64_t position, CheckSite site) {
  if (handle_position_ == position) return;
  if (int code = platform_.Seek(handle_, position); code != 0) throw IoError(code, site);
  handle_position_ = position;
}

void InputFile::Fill(CheckSite site) {
  if (!open_) throw IoError(kIoFileNotOpen, site);
  SeekHandle(position_, site);
  std::size_t got = 0;
  int code = platform_.Read(handle_, buffer_.data(), buffer_.size(), &got);
  handle_position_ += static_cast<std::int64_t>(got);
  buffer_start_ = position_;
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

std::uint8_t InputFile::ReadByte(CheckSite site) {
  if (Buffered() == 0) Fill(site);
  std::uint8_t byte = *Cursor();
  ++position_;
  return byte;
}

std::uint32_t InputFile::ReadUint32(CheckSite site) {
  std::uint8_t bytes[4];
  if (Buffered() >= 4) {
    std::memcpy(bytes, Cursor(), 4);
    position_ += 4;
  } else {
    Read(bytes, 4, site);
  }
  // The database is little-endian whatever the machine is.
  return static_cast<std::uint32_t>(bytes[0]) | static_cast<std::uint32_t>(bytes[1]) << 8 |
         static_cast<std::uint32_t>(bytes[2]) << 16 | static_cast<std::uint32_t>(bytes[3]) << 24;
}

void InputFile::Skip(std::int64_t size, CheckSite site) {
  if (size <= 0) return;
  std::size_t available = Buffered();
  if (static_cast<std::int64_t>(available) >= size) {
    position_ += size;
    return;
  }
  // Whatever lies beyond the buffer need not be read, only be there.
  std::int64_t file_size = Size(site);
  if (position_ + size <= file_size) {
    position_ += size;
    return;
  }
  ReadInto(size, site, [](const std::uint8_t*, std::size_t) {});
}

void InputFile::Seek(std::int64_t position, CheckSite site) {
  if (!open_) throw IoError(kIoFileNotOpen, site);
  if (position < 0) throw IoError(kIoNegativeSeek, site);
  // The handle follows lazily, when the buffer next has to be filled.
  position_ = position;
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

bool InputFile::AtEnd(CheckSite site) { return position_ >= Size(site); }

void InputFile::Close(CheckSite site) {
  if (!open_) throw IoError(kIoFileNotOpen, site);
  open_ = false;
  if (int code = platform_.Close(handle_); code != 0) throw IoError(code, site);
}

}  // namespace kovrant
