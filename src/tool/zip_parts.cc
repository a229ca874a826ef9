#include "tool/zip_parts.h"

#include <unzip.h>
#include <algorithm>
#include <cstring>

#include "tool/refusal.h"

namespace kovrant::tool {
namespace {

constexpr std::size_t kBlock = 64 * 1024;

// minizip's file functions over a byte range in memory: the archive is
// read whole already, and minizip only ever reads and seeks.
using MemoryStream = ZipParts::Stream;

voidpf Open(voidpf opaque, const void*, int) { return opaque; }

uLong ReadStream(voidpf, voidpf stream, void* buffer, uLong size) {
  auto* s = static_cast<MemoryStream*>(stream);
  const std::uint64_t left =
      s->bytes.size() - std::min<std::uint64_t>(s->position, s->bytes.size());
  const auto n = static_cast<uLong>(std::min<std::uint64_t>(left, size));
  if (n > 0) std::memcpy(buffer, s->bytes.data() + s->position, n);
  s->position += n;
  return n;
}

uLong WriteStream(voidpf, voidpf, const void*, uLong) { return 0; }

ZPOS64_T Tell(voidpf, voidpf stream) { return static_cast<MemoryStream*>(stream)->position; }

long Seek(voidpf, voidpf stream, ZPOS64_T offset, int origin) {
  auto* s = static_cast<MemoryStream*>(stream);
  std::uint64_t base = 0;
  if (origin == ZLIB_FILEFUNC_SEEK_CUR) base = s->position;
  if (origin == ZLIB_FILEFUNC_SEEK_END) base = s->bytes.size();
  if (offset > s->bytes.size() || base + offset > s->bytes.size()) return -1;
  s->position = base + offset;
  return 0;
}

int Close(voidpf, voidpf) { return 0; }
int Error(voidpf, voidpf) { return 0; }

}  // namespace

bool LooksLikeZip(std::string_view bytes) { return bytes.substr(0, 4) == "PK\x03\x04"; }

ZipParts::ZipParts(std::string_view bytes, const std::string& file, std::uint64_t budget)
    : file_(file), budget_(budget) {
  stream_.bytes = bytes;
  zlib_filefunc64_def functions{};
  functions.zopen64_file = Open;
  functions.zread_file = ReadStream;
  functions.zwrite_file = WriteStream;
  functions.ztell64_file = Tell;
  functions.zseek64_file = Seek;
  functions.zclose_file = Close;
  functions.zerror_file = Error;
  functions.opaque = &stream_;
  zip_ = unzOpen2_64("", &functions);
  // The whole directory must read: a cut file may still hold the end of
  // its directory, or some of it.
  int walked = zip_ != nullptr ? unzGoToFirstFile(zip_) : UNZ_BADZIPFILE;
  while (walked == UNZ_OK) walked = unzGoToNextFile(zip_);
  if (walked != UNZ_END_OF_LIST_OF_FILE) {
    if (zip_ != nullptr) unzClose(zip_);
    throw Refusal(file_, kNoOffset,
                  "the file starts as a ZIP archive (.xlsx, .ods) but its directory cannot be "
                  "read: it is truncated or damaged; save the file again from the spreadsheet");
  }
}

ZipParts::~ZipParts() { unzClose(zip_); }

bool ZipParts::Has(const std::string& name) {
  return unzLocateFile(zip_, name.c_str(), 1) == UNZ_OK;
}

std::string ZipParts::Read(const std::string& name) {
  const auto refuse = [&](const std::string& what) {
    throw Refusal(file_, kNoOffset, "part " + name + " of the archive " + what);
  };
  if (!Has(name)) refuse("is missing; save the file again from the spreadsheet");
  unz_file_info64 info{};
  if (unzGetCurrentFileInfo64(zip_, &info, nullptr, 0, nullptr, 0, nullptr, 0) != UNZ_OK) {
    refuse("cannot be read: the archive is damaged");
  }
  if (info.flag & 1) {
    refuse("is encrypted; save the file without a password");
  }
  if (info.compression_method != 0 && info.compression_method != Z_DEFLATED) {
    refuse("is compressed with method " + std::to_string(info.compression_method) +
           ", which ldbtool does not read; save it again as .xlsx or .ods");
  }
  if (unzOpenCurrentFile(zip_) != UNZ_OK) refuse("cannot be opened: the archive is damaged");
  std::string bytes;
  int got = 0;
  char block[kBlock];
  while ((got = unzReadCurrentFile(zip_, block, kBlock)) > 0) {
    if (static_cast<std::uint64_t>(got) > budget_) {
      unzCloseCurrentFile(zip_);
      refuse("inflates to more than ldbtool reads of a table (" +
             std::to_string(bytes.size() + static_cast<std::size_t>(got)) +
             " bytes so far); it is not a lever table");
    }
    budget_ -= static_cast<std::uint64_t>(got);
    bytes.append(block, static_cast<std::size_t>(got));
  }
  const int closed = unzCloseCurrentFile(zip_);
  if (got < 0 || closed != UNZ_OK || bytes.size() != info.uncompressed_size) {
    refuse("is damaged (" + std::to_string(bytes.size()) + " bytes where it claims " +
           std::to_string(info.uncompressed_size) +
           (got < 0 || closed != UNZ_OK ? ", or bytes that fail their checksum" : "") +
           "); save the file again from the spreadsheet");
  }
  return bytes;
}

}  // namespace kovrant::tool
