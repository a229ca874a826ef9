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
//
// Where the platform reads ahead (io/io_worker.h), a file larger than the
// buffer is read in blocks of kAheadBlockSize, up to kAheadBlocks - 1 after
// the one decoded being read on the platform's thread meanwhile; memory
// stays bounded at any file size and the rules above stay the same. A failure of a read ahead is
// thrown only when the bytes it was to bring are needed, at the site of the
// read that needs them; a block that a seek passes over is never looked at.
// A file that another program shortens while it is read ends in code 100
// where the bytes that are gone are needed.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "io/check_site.h"
#include "io/platform.h"

namespace kovrant {

class InputFile {
 public:
  static constexpr std::size_t kBufferSize = 256 * 1024;
  // One block decoded, the others read meanwhile; reads are begun two at a
  // time, so that the platform's thread, asleep once it has caught up, is
  // woken once for two blocks.
  static constexpr std::size_t kAheadBlockSize = 1024 * 1024;
  static constexpr int kAheadBlocks = 4;
  static constexpr int kAheadBatch = 2;

  // Opens `path` for reading. Returns the I/O result code (0 on success); the
  // caller reports a failed open itself.
  static int Open(Platform& platform, const std::string& path, std::unique_ptr<InputFile>* file);

  InputFile(Platform& platform, FileHandle handle);
  InputFile(const InputFile&) = delete;
  InputFile& operator=(const InputFile&) = delete;
  // Releases the handle if Close was not reached (a failure is under way).
  ~InputFile();

  void Read(void* destination, std::int64_t size, CheckSite site);

  // The one- and four-byte reads of the record walk. Inline: a byte that is
  // in the buffer costs one comparison.
  std::uint8_t ReadByte(CheckSite site) {
    if (static_cast<std::uint64_t>(offset_) < buffer_length_) [[likely]] {
      return data_[static_cast<std::size_t>(offset_++)];
    }
    return ReadByteSlow(site);
  }
  // A little-endian 32-bit value.
  std::uint32_t ReadUint32(CheckSite site) {
    if (Buffered() >= 4) [[likely]] {
      const std::uint8_t* p = Cursor();
      offset_ += 4;
      return LittleEndian32(p);
    }
    return ReadUint32Slow(site);
  }

  // Reads `size` bytes and hands them to `sink(const uint8_t*, size_t)` in
  // pieces, without copying them anywhere else first. Same rules as Read.
  template <typename Sink>
  void ReadInto(std::int64_t size, CheckSite site, Sink&& sink);

  // Moves past `size` bytes that must be in the file, as Read would, without
  // looking at them.
  void Skip(std::int64_t size, CheckSite site) {
    if (size <= 0) return;
    if (static_cast<std::int64_t>(Buffered()) >= size) {
      offset_ += size;
      return;
    }
    SkipBeyondBuffer(size, site);
  }

  std::int64_t Position() const { return buffer_start_ + offset_; }
  // The `count` bytes from `position` on when the buffer holds them all (the
  // bytes just read, for one), without moving; an empty view otherwise.
  std::string_view Buffered(std::int64_t position, std::int64_t count) const {
    const std::int64_t at = position - buffer_start_;
    if (at < 0 || count < 0 || at + count > static_cast<std::int64_t>(buffer_length_)) return {};
    return std::string_view(reinterpret_cast<const char*>(data_) + at,
                            static_cast<std::size_t>(count));
  }
  // Reads the `count` bytes from `position` on into `destination` (fewer
  // where the file ends: returns how many) past the buffer and the blocks
  // read ahead, which stay as they are, as does the position.
  std::int64_t ReadAt(std::int64_t position, void* destination, std::int64_t count, CheckSite site);
  void Seek(std::int64_t position, CheckSite site) {
    if (!open_ || position < 0) [[unlikely]] {
      RefuseSeek(site);
    }
    // The handle follows lazily, when the buffer next has to be filled.
    offset_ = position - buffer_start_;
  }
  bool AtEnd(CheckSite site) {
    if (open_ && size_ >= 0) [[likely]] {
      return Position() >= size_;
    }
    return Position() >= Size(site);
  }
  void Close(CheckSite site);

  static std::uint32_t LittleEndian32(const std::uint8_t* p) {
    // The database is little-endian whatever the machine is.
    return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
           static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
  }

 private:
  // Bytes available in the buffer at the current position (none when a seek
  // has moved the position before or after the buffered stretch).
  std::size_t Buffered() const {
    return static_cast<std::uint64_t>(offset_) < buffer_length_
               ? buffer_length_ - static_cast<std::size_t>(offset_)
               : 0;
  }
  const std::uint8_t* Cursor() const { return data_ + offset_; }
  // Loads the buffer at the current position; fails with code 100 when the
  // file has no byte there.
  void Fill(CheckSite site);
  // Takes the block around the current position from the reads ahead
  // instead, beginning the reads of the blocks after it; false when the
  // position is not within the file's known size or the file is read
  // without them.
  bool FillAhead(CheckSite site);
  // Waits for the reads ahead still under way and forgets them.
  void DropAhead();
  std::uint8_t ReadByteSlow(CheckSite site);
  std::uint32_t ReadUint32Slow(CheckSite site);
  void SkipBeyondBuffer(std::int64_t size, CheckSite site);
  [[noreturn]] void RefuseSeek(CheckSite site);
  void SeekHandle(std::int64_t position, CheckSite site);
  std::int64_t Size(CheckSite site);

  Platform& platform_;
  FileHandle handle_;
  bool open_ = true;
  // data_ holds the file's bytes from buffer_start_ on, buffer_length_ of
  // them: the buffer, or a block read ahead. The position is buffer_start_ +
  // offset_; offset_ may lie outside them (even below 0) after a seek.
  std::unique_ptr<std::uint8_t[]> buffer_;
  const std::uint8_t* data_;
  // The blocks read ahead, in a ring of kAheadBlocks buffers: the first one
  // (the one decoded, once finished) and those after it, begun in order,
  // together the stretch of the file from the first one's start to
  // ahead_end_.
  struct AheadBlock {
    std::int64_t start = 0;
    Platform::ReadTicket ticket = 0;
    std::size_t asked = 0;
    std::size_t got = 0;
    int code = 0;
    bool finished = false;
  };
  std::unique_ptr<std::uint8_t[]> ahead_buffers_;
  AheadBlock ahead_[kAheadBlocks];
  int ahead_first_ = 0;
  int ahead_count_ = 0;
  std::int64_t ahead_end_ = 0;
  bool reads_ahead_;
  std::int64_t buffer_start_ = 0;
  std::int64_t offset_ = 0;
  std::size_t buffer_length_ = 0;
  std::int64_t handle_position_ = 0;  // where the OS handle stands
  std::int64_t size_ = -1;            // queried once, on first need
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
    offset_ += static_cast<std::int64_t>(piece);
    size -= static_cast<std::int64_t>(piece);
    sink(data, piece);
  }
}

}  // namespace kovrant
