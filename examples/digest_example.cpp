// Digests a text in one call and in pieces, and signs it with an HMAC key,
// using only the installed zyl package.
#include <cstdio>
#include <string>
#include <vector>

#include "zyl.h"

int main() {
  const std::string text = "The quick brown fox jumps over the lazy dog";
  const auto* bytes = reinterpret_cast<const std::uint8_t*>(text.data());

  zyl::TBytesStream stream(std::vector<std::uint8_t>(bytes, bytes + text.size()));
  const zyl::TSHA256Code whole = zyl::SHA256FromStream(stream);

  zyl::TDigestHasher hasher(zyl::TDigestKind::dkSHA256);
  hasher.Add({bytes, 10});  // any pieces give the same digest
  hasher.Add({bytes + 10, text.size() - 10});
  const std::vector<std::uint8_t> pieces = hasher.Finish();

  const std::string key = "key";
  zyl::THMACHasher hmac(zyl::TDigestKind::dkSHA256, {reinterpret_cast<const std::uint8_t*>(key.data()), key.size()});
  hmac.Add({bytes, text.size()});

  std::printf("SHA-256      %s\n", zyl::to_utf8(zyl::SHA256DigestToHex(whole)).c_str());
  std::printf("in pieces    %s\n", zyl::to_utf8(zyl::DigestToHex(pieces)).c_str());
  std::printf("HMAC-SHA-256 %s\n", zyl::to_utf8(zyl::DigestToHex(hmac.Finish())).c_str());
  return std::vector<std::uint8_t>(whole.begin(), whole.end()) == pieces ? 0 : 1;
}
