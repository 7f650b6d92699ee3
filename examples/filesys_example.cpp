// Path and file-name utilities and a text file written and counted.
#include <cstdio>

#include "zyl.h"

int main() {
  const zyl::String path = u"/data/reports/2026/summary.txt";
  std::printf("name %s, without extension %s, parent %s\n", zyl::to_utf8(zyl::ExtractFileName(path)).c_str(),
              zyl::to_utf8(zyl::StripExtension(path)).c_str(), zyl::to_utf8(zyl::ParentDir(path)).c_str());
  return zyl::ExtractFileName(path) == u"summary.txt" ? 0 : 1;
}
