#include "zip_builder.h"

#include <zip.h>
#include <zlib.h>

#include <atomic>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace kovrant::test {
namespace {

void Must(bool ok, const char* what) {
  if (!ok) throw std::runtime_error(std::string("zip_builder: ") + what);
}

// A raw deflate stream of `bytes` (for parts that claim another size).
std::string Deflated(const std::string& bytes) {
  z_stream stream{};
  Must(deflateInit2(&stream, 6, Z_DEFLATED, -MAX_WBITS, 8, Z_DEFAULT_STRATEGY) == Z_OK, "deflate");
  std::string out(deflateBound(&stream, static_cast<uLong>(bytes.size())), '\0');
  stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(bytes.data()));
  stream.avail_in = static_cast<uInt>(bytes.size());
  stream.next_out = reinterpret_cast<Bytef*>(out.data());
  stream.avail_out = static_cast<uInt>(out.size());
  Must(deflate(&stream, Z_FINISH) == Z_STREAM_END, "deflate");
  out.resize(stream.total_out);
  deflateEnd(&stream);
  return out;
}

void WritePart(zipFile zip, const ZipPart& part) {
  zip_fileinfo info{};
  const int method = part.stored ? 0 : Z_DEFLATED;
  const uLong crc = crc32(0, reinterpret_cast<const Bytef*>(part.bytes.data()),
                          static_cast<uInt>(part.bytes.size()));
  if (part.claimed >= 0) {
    Must(zipOpenNewFileInZip2_64(zip, part.name.c_str(), &info, nullptr, 0, nullptr, 0, nullptr,
                                 method, 6, 1, 0) == ZIP_OK,
         "open raw part");
    const std::string data = part.stored ? part.bytes : Deflated(part.bytes);
    Must(zipWriteInFileInZip(zip, data.data(), static_cast<unsigned>(data.size())) == ZIP_OK,
         "write");
    Must(zipCloseFileInZipRaw64(zip, static_cast<ZPOS64_T>(part.claimed), crc) == ZIP_OK, "close");
    return;
  }
  Must(zipOpenNewFileInZip3_64(zip, part.name.c_str(), &info, nullptr, 0, nullptr, 0, nullptr,
                               method, 1, 0, -MAX_WBITS, 8, Z_DEFAULT_STRATEGY,
                               part.password.empty() ? nullptr : part.password.c_str(), crc,
                               part.zeros > 0xF0000000u) == ZIP_OK,
       "open part");
  Must(zipWriteInFileInZip(zip, part.bytes.data(), static_cast<unsigned>(part.bytes.size())) ==
           ZIP_OK,
       "write");
  const std::string block(1 << 20, '\0');
  for (std::uint64_t left = part.zeros; left > 0;) {
    const auto n = static_cast<unsigned>(std::min<std::uint64_t>(left, block.size()));
    Must(zipWriteInFileInZip(zip, block.data(), n) == ZIP_OK, "write zeros");
    left -= n;
  }
  Must(zipCloseFileInZip(zip) == ZIP_OK, "close part");
}

}  // namespace

std::string ZipArchive(const std::vector<ZipPart>& parts) {
  static std::atomic<int> counter{0};
  const std::filesystem::path path =
      std::filesystem::temp_directory_path() /
      ("kovrant-zip-" + std::to_string(reinterpret_cast<std::uintptr_t>(&counter) % 100000) + "-" +
       std::to_string(counter++) + ".zip");
  zipFile zip = zipOpen64(path.string().c_str(), APPEND_STATUS_CREATE);
  Must(zip != nullptr, "create");
  for (const ZipPart& part : parts) WritePart(zip, part);
  Must(zipClose(zip, nullptr) == ZIP_OK, "close");
  std::ifstream in(path, std::ios::binary);
  std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  in.close();
  std::filesystem::remove(path);
  return bytes;
}

std::vector<ZipPart> XlsxParts(const std::string& sheet, const std::string& strings) {
  const std::string main = "http://schemas.openxmlformats.org/spreadsheetml/2006/main";
  const std::string rel = "http://schemas.openxmlformats.org/officeDocument/2006/relationships";
  return {
      {"[Content_Types].xml",
       "<Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\"/>"},
      {"_rels/.rels", "<Relationships><Relationship Id=\"rId1\" Type=\"" + rel +
                          "/officeDocument\" Target=\"xl/workbook.xml\"/></Relationships>"},
      {"xl/workbook.xml", "<workbook xmlns=\"" + main + "\" xmlns:r=\"" + rel +
                              "\"><sheets><sheet name=\"S\" sheetId=\"1\" "
                              "r:id=\"rId1\"/></sheets></workbook>"},
      {"xl/_rels/workbook.xml.rels",
       "<Relationships><Relationship Id=\"rId1\" Type=\"" + rel +
           "/worksheet\" Target=\"worksheets/sheet1.xml\"/><Relationship Id=\"rId2\" Type=\"" +
           rel + "/sharedStrings\" Target=\"/xl/sharedStrings.xml\"/></Relationships>"},
      {"xl/worksheets/sheet1.xml", "<worksheet xmlns=\"" + main + "\">" + sheet + "</worksheet>"},
      {"xl/sharedStrings.xml", "<sst xmlns=\"" + main + "\">" + strings + "</sst>"},
  };
}

std::vector<ZipPart> OdsParts(const std::string& table) {
  return {
      {"mimetype", "application/vnd.oasis.opendocument.spreadsheet", 0, true},
      {"content.xml",
       "<office:document-content "
       "xmlns:office=\"urn:oasis:names:tc:opendocument:xmlns:office:1.0\" "
       "xmlns:table=\"urn:oasis:names:tc:opendocument:xmlns:table:1.0\" "
       "xmlns:text=\"urn:oasis:names:tc:opendocument:xmlns:text:1.0\"><office:body><office:"
       "spreadsheet><table:table table:name=\"S\">" +
           table + "</table:table></office:spreadsheet></office:body></office:document-content>"},
  };
}

}  // namespace kovrant::test
