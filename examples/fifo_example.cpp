// Queues bytes in a FIFO, run-length encodes a buffer and decodes it again,
// using only the installed zyl package.
#include <cstdio>
#include <vector>

#include "zyl.h"

int main() {
  zyl::TComponent owner(nullptr);
  auto* fifo = new zyl::TFifo(&owner);  // owned, freed with owner
  fifo->SetName(u"Queue");
  for (int i = 0; i < 300; ++i) fifo->ForceByte(static_cast<std::uint8_t>(i));
  std::uint8_t oldest = 0;
  fifo->GetByte(oldest);
  std::printf("FIFO %s holds %d bytes after 300 forced puts; the oldest was %u\n",
              zyl::to_utf8(fifo->Name()).c_str(), fifo->CountBytes() + 1, oldest);

  std::vector<std::uint8_t> data(1000, 42);
  data.insert(data.end(), {1, 2, 3});
  zyl::TRLEncoder rle(nullptr);
  rle.SetBufLeng(4096);
  rle.Encode(data, static_cast<std::int32_t>(data.size()));
  std::vector<std::uint8_t> encoded(4096);
  encoded.resize(static_cast<std::size_t>(rle.Finish(encoded)));
  std::printf("%zu bytes run-length encoded to %zu bytes\n", data.size(), encoded.size());
  return encoded.size() < data.size() ? 0 : 1;
}
