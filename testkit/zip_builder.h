// ZIP archives for the spreadsheet reader's tests and fuzz seeds, written
// with minizip's zip API: honest workbooks of any parts, and hostile ones
// (stored or deflated, encrypted, sizes that lie, long runs of zeros).
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace kovrant::test {

struct ZipPart {
  ZipPart(std::string part_name, std::string part_bytes, std::uint64_t zero_bytes = 0,
          bool store = false, std::string part_password = "", std::int64_t claimed_size = -1)
      : name(std::move(part_name)),
        bytes(std::move(part_bytes)),
        zeros(zero_bytes),
        stored(store),
        password(std::move(part_password)),
        claimed(claimed_size) {}
  std::string name, bytes;
  std::uint64_t zeros;   // written after `bytes`, in blocks (a bomb needs no memory)
  bool stored;           // method 0 instead of deflate
  std::string password;  // encrypted when not empty
  std::int64_t claimed;  // an uncompressed size to claim instead of the true one (-1: none)
};

std::string ZipArchive(const std::vector<ZipPart>& parts);

// The parts of an .xlsx whose first sheet is `sheet` (the XML inside
// <worksheet>) and whose shared strings are `strings` (inside <sst>).
std::vector<ZipPart> XlsxParts(const std::string& sheet, const std::string& strings = "");
// The parts of an .ods whose first sheet is `table` (inside <table:table>).
std::vector<ZipPart> OdsParts(const std::string& table);

}  // namespace kovrant::test
