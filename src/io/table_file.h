// The output table as the converter writes it: lines of bytes ended by CR LF.
//
// The table never replaces the user's earlier one until it is complete: it is
// written to a new temporary file beside it and moved over the old name only
// by Commit. A failure at any point before that (an exception unwinding past
// this object) removes the temporary file and leaves the earlier table
// byte-identical. Writes go through a block buffer; every write, the close
// and the move are checked.
//
// On a platform that writes behind (io/io_worker.h), a full block is handed
// over to be written while the next ones fill other buffers. A failure of
// that write is thrown at a later block's hand-over or at the commit: as the
// same IoError, with the site that handed the block over, that writing it at
// once would have thrown. At most kBlocksInFlight blocks are in flight;
// before another one is handed over, the oldest is awaited and its buffer
// reused, so a failure of block k is thrown before block k + kBlocksInFlight
// + 1 is built.
//
// The table is moved into place without FlushToDisk (which ldbtool calls
// before it replaces a database): the table is output that kovrant makes
// again from the database at any time, and a flush would make every
// conversion wait for the disk (the whole table written through, for a
// large one most of the run's time). A crash just after the rename can leave
// an empty or partial table under the name, never a damaged database; the
// database ldbtool writes is the game's only copy, so there the flush pays.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "io/check_site.h"
#include "io/platform.h"

namespace kovrant {

class TableFile {
 public:
  static constexpr std::size_t kBufferSize = 256 * 1024;
  // Enough for the writer thread to take a batch of blocks per wake
  // (IoWorker::kWriteBatch) while the next block fills; each costs a buffer.
  static constexpr std::size_t kBlocksInFlight = 4;

  // Creates the temporary file for the table at `path`; fails (IoError at
  // `site`) as creating `path` itself would.
  TableFile(Platform& platform, std::string path, CheckSite site);
  TableFile(const TableFile&) = delete;
  TableFile& operator=(const TableFile&) = delete;
  ~TableFile();

  void Append(const void* data, std::size_t size, CheckSite site) {
    if (size <= buffer_.size() - buffer_length_) {
      std::memcpy(buffer_.data() + buffer_length_, data, size);
      buffer_length_ += size;
    } else {
      AppendSlow(data, size, site);
    }
  }
  void Append(std::string_view text, CheckSite site) { Append(text.data(), text.size(), site); }
  void Put(char c, CheckSite site) {
    if (buffer_length_ == buffer_.size()) [[unlikely]] {
      Flush(site);
    }
    buffer_[buffer_length_++] = c;
  }

  // Writing in place, for text whose length is only bounded in advance:
  // Space returns room for at least `size` bytes (at most kBufferSize) at the
  // end of the buffer, writing the buffer out first if it lacks that room;
  // Used then takes the bytes up to `end` into the table.
  char* Space(std::size_t size, CheckSite site) {
    if (size > buffer_.size() - buffer_length_) [[unlikely]] {
      Flush(site);
    }
    return buffer_.data() + buffer_length_;
  }
  void Used(const char* end) { buffer_length_ = static_cast<std::size_t>(end - buffer_.data()); }
  void EndLine(CheckSite site) { Append("\r\n", 2, site); }
  void WriteLine(std::string_view text, CheckSite site) {
    Append(text, site);
    EndLine(site);
  }

  // Bytes taken into the table so far.
  std::int64_t Length() const { return written_ + static_cast<std::int64_t>(buffer_length_); }

  // Writes out the buffer, closes the file and moves it over the table's
  // name.
  void Commit(CheckSite site);

 private:
  void AppendSlow(const void* data, std::size_t size, CheckSite site);
  void Flush(CheckSite site);
  // Writes the buffer out at once (after the blocks in flight).
  void FlushNow(CheckSite site);
  // Waits for the oldest block in flight; throws its failure.
  void AwaitOldest();
  // Waits for every block in flight, oldest first; throws the first failure.
  void AwaitAll();
  // Hands `size` bytes at `data` over to be written in the background.
  void Begin(const void* data, std::size_t size, CheckSite site);

  // A block handed over: its buffer (kept for reuse once the block is
  // written), where it ends in the table, and the site that handed it over.
  struct Block {
    std::vector<char> buffer;
    std::int64_t end = 0;
    CheckSite site = CheckSite::kWriteRow;
  };

  Platform& platform_;
  std::string path_;
  std::string temporary_path_;
  FileHandle handle_ = 0;
  bool open_ = false;
  bool committed_ = false;
  std::vector<char> buffer_;
  // The blocks in flight, a ring from the oldest; buffers are allocated
  // with the first blocks handed over.
  Block in_flight_[kBlocksInFlight];
  std::size_t oldest_ = 0;
  std::size_t in_flight_count_ = 0;
  std::size_t buffer_length_ = 0;
  std::int64_t written_ = 0;  // bytes handed over or written out of the buffer
};

}  // namespace kovrant
