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
      reads_ahead_(platform.ReadsAhead()) {}

InputFile::~InputFile() {
  DropAhead();
  if (open_) platform_.Close(handle_);
}

bool InputFile::FillAhead(CheckSite site) {
  const std::int64_t position = Position();
  const std::int64_t size = Size(site);
  // Beyond the known size (a file that has grown since) the file is read.
  if (position >= size) return false;
  if (size <= static_cast<std::int64_t>(kBufferSize)) {
    // A file that fits the buffer costs one read, and no thread.
    reads_ahead_ = false;
    return false;
  }
  if (ahead_buffers_ == nullptr) {
    ahead_buffers_.reset(new std::uint8_t[kAheadBlocks * kAheadBlockSize]);
  }
  // The blocks before the position are done with; a position outside the
  // stretch read ahead starts a new one there.
  while (ahead_count_ > 0) {
    AheadBlock& first = ahead_[ahead_first_];
    if (position < first.start || position >= ahead_end_) {
      DropAhead();
      break;
    }
    if (position - first.start < static_cast<std::int64_t>(first.asked)) break;
    // Passed over: whatever its read brought, or failed to, is never needed.
    if (!first.finished) platform_.FinishRead(first.ticket, &first.got);
    first.finished = false;
    ahead_first_ = (ahead_first_ + 1) % kAheadBlocks;
    --ahead_count_;
  }
  if (ahead_count_ == 0) ahead_end_ = position;
  // Nothing points into the buffers being given to the reads any more.
  data_ = buffer_.get();
  buffer_length_ = 0;
  const bool top_up = ahead_count_ == 0 || kAheadBlocks - ahead_count_ >= kAheadBatch;
  while (top_up && ahead_count_ < kAheadBlocks && ahead_end_ < size) {
    const int index = (ahead_first_ + ahead_count_) % kAheadBlocks;
    AheadBlock& block = ahead_[index];
    block.start = ahead_end_;
    block.asked = size - ahead_end_ < static_cast<std::int64_t>(kAheadBlockSize)
                      ? static_cast<std::size_t>(size - ahead_end_)
                      : kAheadBlockSize;
    block.finished = false;
    block.ticket = platform_.BeginRead(
        handle_, block.start,
        ahead_buffers_.get() + static_cast<std::size_t>(index) * kAheadBlockSize, block.asked);
    ahead_end_ += static_cast<std::int64_t>(block.asked);
    ++ahead_count_;
  }
  AheadBlock& block = ahead_[ahead_first_];
  if (!block.finished) {
    block.code = platform_.FinishRead(block.ticket, &block.got);
    block.finished = true;
  }
  data_ = ahead_buffers_.get() + static_cast<std::size_t>(ahead_first_) * kAheadBlockSize;
  buffer_start_ = block.start;
  buffer_length_ = block.got;
  offset_ = position - block.start;
  // A block that brought fewer bytes than asked (its read failed, or the
  // file was shortened since its size was taken) delivers those it brought;
  // the read that needs one after them fails, as an unbuffered one would.
  if (static_cast<std::size_t>(offset_) >= block.got) {
    throw IoError(block.code != 0 ? block.code : kIoReadBeyondEnd, site);
  }
  return true;
}

void InputFile::DropAhead() {
  for (; ahead_count_ > 0; --ahead_count_) {
    AheadBlock& block = ahead_[ahead_first_];
    if (!block.finished) platform_.FinishRead(block.ticket, &block.got);
    block.finished = false;
    ahead_first_ = (ahead_first_ + 1) % kAheadBlocks;
  }
  if (data_ != buffer_.get()) {
    data_ = buffer_.get();
    buffer_length_ = 0;
  }
}

void InputFile::SeekHandle(std::int64_t position, CheckSite site) {
  if (handle_position_ == position) return;
  if (int code = platform_.Seek(handle_, position); code != 0) throw IoError(code, site);
  handle_position_ = position;
}

std::int64_t InputFile::ReadAt(std::int64_t position, void* destination, std::int64_t count,
                               CheckSite site) {
  if (!open_) throw IoError(kIoFileNotOpen, site);
  SeekHandle(position, site);
  auto* out = static_cast<std::uint8_t*>(destination);
  std::int64_t done = 0;
  while (done < count) {
    std::size_t got = 0;
    const int code =
        platform_.Read(handle_, out + done, static_cast<std::size_t>(count - done), &got);
    handle_position_ += static_cast<std::int64_t>(got);
    if (code != 0) throw IoError(code, site);
    if (got == 0) break;
    done += static_cast<std::int64_t>(got);
  }
  return done;
}

void InputFile::Fill(CheckSite site) {
  if (!open_) throw IoError(kIoFileNotOpen, site);
  if (reads_ahead_ && FillAhead(site)) return;
  DropAhead();
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
  DropAhead();
  open_ = false;
  if (int code = platform_.Close(handle_); code != 0) throw IoError(code, site);
}

}  // namespace kovrant
