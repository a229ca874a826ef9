// The parts of a ZIP archive held in memory (an .xlsx or .ods file), read
// with minizip under a budget of uncompressed bytes.
//
// Nothing a ZIP claims is trusted: a part is inflated in blocks and refused
// as soon as the bytes inflated so far, over all parts, pass the budget (a
// ZIP bomb); a part that ends before its claimed size, or whose bytes do not
// match their checksum, is refused as damaged; so is an encrypted part, a
// compression method other than stored or deflated, and an archive whose
// directory cannot be found (a truncated file).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace kovrant::tool {

// Whether `bytes` start as a ZIP archive does (a local file header).
bool LooksLikeZip(std::string_view bytes);

class ZipParts {
 public:
  // Opens the archive `bytes` (which must outlive this); `file` names it in
  // refusals. Throws Refusal when it is not a readable ZIP archive.
  ZipParts(std::string_view bytes, const std::string& file, std::uint64_t budget);
  ~ZipParts();
  ZipParts(const ZipParts&) = delete;
  ZipParts& operator=(const ZipParts&) = delete;

  bool Has(const std::string& name);
  // The part's bytes; throws Refusal (naming the part) as above.
  std::string Read(const std::string& name);

  // The archive as minizip's file functions read it.
  struct Stream {
    std::string_view bytes;
    std::uint64_t position = 0;
  };

 private:
  Stream stream_;
  std::string file_;
  std::uint64_t budget_;
  void* zip_ = nullptr;
};

}  // namespace kovrant::tool
