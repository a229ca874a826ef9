// make_sample_db OUTPUT: writes the sample lever database (examples/levers.ldb).
#include <cstdio>
#include <fstream>

#include "sample_db.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_sample_db OUTPUT\n");
    return 2;
  }
  std::ofstream out(argv[1], std::ios::binary);
  const std::string database = kovrant::ldb::SampleDatabase();
  out.write(database.data(), static_cast<std::streamsize>(database.size()));
  out.close();
  if (!out) {
    std::fprintf(stderr, "make_sample_db: cannot write %s\n", argv[1]);
    return 1;
  }
  return 0;
}
