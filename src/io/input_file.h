// The lever database as the converter reads it: an untyped file of bytes,
// read front to back, with moves to record ends.
//
// Every operation is checked: a failure throws IoError with the I/O result
// code and the site of the check. Reading goes through a block buffer, so
// that the one- and four-byte reads of the record walk cost no system call,
// but the observable rules are those of a plain unbuffered file:
//  - Read(n) delivers exactly n bytes or fails with code 100 ("Read beyond
//    end of file"), the position then being after the bytes that were there;
//  - Seek accepts any position at or beyond the end; a negative one fails
//    with code 131;
//  - AtEnd() is position >= file size.
// Positions are 64-bit: files over 2 GiB convert and record ends never wrap.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "io/check_site.h"
#include "io/platform.h"

namespace kovrant {

class InputFile {
 public:
  static constexpr std::size_t kBufferSize = 256 * 1024;

  // Opens `path` for reading. Returns the I/O result code (0 on success); the
  // caller reports a failed open itself.
  static int Open(Platform& platform, const std::string& path, std::unique_ptr<InputFile>* file);

  InputFile(Platform& platform, FileHandle handle);
  InputFile(const InputFile&) = delete;
  InputFile& operator=(const InputFile&) = delete;
  // Releases the handle if Close was not reached (a failure is under way).
  ~InputFile();

  void Read(void* destination, std::int64_t size, CheckSite site);
  std::uint8_t ReadByte(CheckSite site);
  std::uint32_t ReadUint32(CheckSite site);

  // Reads `size` bytes and hands them to `sink(const uint8_t*, size_t)` in
  // pieces, without copying them anywhere else first. Same rules as Read.
  template <typename Sink>
  void ReadInto(std::int64_t size, CheckSite site, Sink&& sink);

  // Moves past `size` bytes that must be in the file, as Read would, without
  // looking at them.
  void Skip(std::int64_t size, CheckSite site);

  std::int64_t Position() const { return position_; }
  void Seek(std::int64_t position, CheckSite site);
  bool AtEnd(CheckSite site);
  void Close(CheckSite site);

 private:
  // Bytes available in the buffer at the current position.
  std::size_t Buffered() const {
    std::int64_t offset = position_ - buffer_start_;
    if (offset < 0 || offset >= static_cast<std::int64_t>(buffer_length_)) return 0;
    return buffer_length_ - static_cast<std::size_t>(offset);
  }
  const std::uint8_t* Cursor() const {
    return buffer_.data() + static_cast<std::size_t>(position_ - buffer_start_);
  }
  // Loads the buffer at the current position; fails with code 100 when the
  // file has no byte there.
  void Fill(CheckSite site);
  void SeekHandle(std::int64_t position, CheckSite site);
  std::int64_t Size(CheckSite site);

  Platform& platform_;
  FileHandle handle_;
  bool open_ = true;
  std::int64_t position_ = 0;         // the file's logical position
  std::int64_t handle_position_ = 0;  // where the OS handle stands
  std::int64_t size_ = -1;            // queried once, on first need
  std::vector<std::uint8_t> buffer_;
  std::int64_t buffer_start_ = 0;
  std::size_t buffer_length_ = 0;
};

template <typename Sink>
void InputFile::ReadInto(std::int64_t size, CheckSite site, Sink&& sink) {
  while (size > 0) {
    std::size_t available = Buffered();
    if (available == 0) {
      Fill(site);
      available = Buffered();
    }
    std::size_t piece =
        static_cast<std::int64_t>(available) < size ? available : static_cast<std::size_t>(size);
    const std::uint8_t* data = Cursor();
    position_ += static_cast<std::int64_t>(piece);
    size -= static_cast<std::int64_t>(piece);
    sink(data, piece);
  }
}

}  // namespace kovrant
