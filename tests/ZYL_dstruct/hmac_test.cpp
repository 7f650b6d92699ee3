// HMAC: the published test cases of RFC 2202 and RFC 4231, and the
// incremental hasher against the definition written out over whole byte
// strings, for keys around the block size and data cut at random.
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "ZYL_dstruct/hmac.h"
#include "platform/memorystream.h"

namespace ZYL_dstruct {
namespace {

using Bytes = std::vector<std::uint8_t>;

std::string rep(int byte, std::size_t n) { return std::string(n, static_cast<char>(byte)); }

std::string counting(int n) {
  std::string s;
  for (int i = 1; i <= n; ++i) s += static_cast<char>(i);
  return s;
}

Bytes bytes_of(const std::string& s) { return {s.begin(), s.end()}; }

const std::string kLongData =
    "This is a test using a larger than block-size key and a larger than block-size data. The key needs to be hashed "
    "before being used by the HMAC algorithm.";

TEST(Hmac, PublishedTestCases) {
  struct Case {
    TDigestKind kind;
    const char* label;
    std::string key, data;
    const char16_t* hex;  // case 5 of RFC 4231 and RFC 2202 compare the leading 128 bits only
  };
  using enum TDigestKind;
  const Case cases[] = {
      {dkSHA1, "RFC 2202 case 1", rep(0x0b, 20), "Hi There", u"B617318655057264E28BC0B6FB378C8EF146BE00"},
      {dkSHA1, "RFC 2202 case 2", "Jefe", "what do ya want for nothing?", u"EFFCDF6AE5EB2FA2D27416D5F184DF9C259A7C79"},
      {dkSHA1, "RFC 2202 case 3", rep(0xaa, 20), rep(0xdd, 50), u"125D7342B9AC11CD91A39AF48AA17B4F63F175D3"},
      {dkSHA1, "RFC 2202 case 4", counting(25), rep(0xcd, 50), u"4C9007F4026250C6BC8414F9BF50C86C2D7235DA"},
      {dkSHA1, "RFC 2202 case 5 (truncated)", rep(0x0c, 20), "Test With Truncation", u"4C1A03424B55E07FE7F27BE1D58BB932"},
      {dkSHA1, "RFC 2202 case 6", rep(0xaa, 80), "Test Using Larger Than Block-Size Key - Hash Key First", u"AA4AE5E15272D00E95705637CE8A3B55ED402112"},
      {dkSHA1, "RFC 2202 case 7", rep(0xaa, 80), "Test Using Larger Than Block-Size Key and Larger Than One Block-Size Data", u"E8E99D0F45237D786D6BBAA7965C7808BBFF1A91"},
      {dkSHA224, "RFC 4231 case 1", rep(0x0b, 20), "Hi There", u"896FB1128ABBDF196832107CD49DF33F47B4B1169912BA4F53684B22"},
      {dkSHA224, "RFC 4231 case 2", "Jefe", "what do ya want for nothing?", u"A30E01098BC6DBBF45690F3A7E9E6D0F8BBEA2A39E6148008FD05E44"},
      {dkSHA224, "RFC 4231 case 3", rep(0xaa, 20), rep(0xdd, 50), u"7FB3CB3588C6C1F6FFA9694D7D6AD2649365B0C1F65D69D1EC8333EA"},
      {dkSHA224, "RFC 4231 case 4", counting(25), rep(0xcd, 50), u"6C11506874013CAC6A2ABC1BB382627CEC6A90D86EFC012DE7AFEC5A"},
      {dkSHA224, "RFC 4231 case 5 (truncated)", rep(0x0c, 20), "Test With Truncation", u"0E2AEA68A90C8D37C988BCDB9FCA6FA8"},
      {dkSHA224, "RFC 4231 case 6", rep(0xaa, 131), "Test Using Larger Than Block-Size Key - Hash Key First", u"95E9A0DB962095ADAEBE9B2D6F0DBCE2D499F112F2D2B7273FA6870E"},
      {dkSHA224, "RFC 4231 case 7", rep(0xaa, 131), kLongData, u"3A854166AC5D9F023F54D517D0B39DBD946770DB9C2B95C9F6F565D1"},
      {dkSHA256, "RFC 4231 case 1", rep(0x0b, 20), "Hi There", u"B0344C61D8DB38535CA8AFCEAF0BF12B881DC200C9833DA726E9376C2E32CFF7"},
      {dkSHA256, "RFC 4231 case 2", "Jefe", "what do ya want for nothing?", u"5BDCC146BF60754E6A042426089575C75A003F089D2739839DEC58B964EC3843"},
      {dkSHA256, "RFC 4231 case 3", rep(0xaa, 20), rep(0xdd, 50), u"773EA91E36800E46854DB8EBD09181A72959098B3EF8C122D9635514CED565FE"},
      {dkSHA256, "RFC 4231 case 4", counting(25), rep(0xcd, 50), u"82558A389A443C0EA4CC819899F2083A85F0FAA3E578F8077A2E3FF46729665B"},
      {dkSHA256, "RFC 4231 case 5 (truncated)", rep(0x0c, 20), "Test With Truncation", u"A3B6167473100EE06E0C796C2955552B"},
      {dkSHA256, "RFC 4231 case 6", rep(0xaa, 131), "Test Using Larger Than Block-Size Key - Hash Key First", u"60E431591EE0B67F0D8A26AACBF5B77F8E0BC6213728C5140546040F0EE37F54"},
      {dkSHA256, "RFC 4231 case 7", rep(0xaa, 131), kLongData, u"9B09FFA71B942FCB27635FBCD5B0E944BFDC63644F0713938A7F51535C3A35E2"},
      {dkSHA384, "RFC 4231 case 1", rep(0x0b, 20), "Hi There", u"AFD03944D84895626B0825F4AB46907F15F9DADBE4101EC682AA034C7CEBC59CFAEA9EA9076EDE7F4AF152E8B2FA9CB6"},
      {dkSHA384, "RFC 4231 case 2", "Jefe", "what do ya want for nothing?", u"AF45D2E376484031617F78D2B58A6B1B9C7EF464F5A01B47E42EC3736322445E8E2240CA5E69E2C78B3239ECFAB21649"},
      {dkSHA384, "RFC 4231 case 3", rep(0xaa, 20), rep(0xdd, 50), u"88062608D3E6AD8A0AA2ACE014C8A86F0AA635D947AC9FEBE83EF4E55966144B2A5AB39DC13814B94E3AB6E101A34F27"},
      {dkSHA384, "RFC 4231 case 4", counting(25), rep(0xcd, 50), u"3E8A69B7783C25851933AB6290AF6CA77A9981480850009CC5577C6E1F573B4E6801DD23C4A7D679CCF8A386C674CFFB"},
      {dkSHA384, "RFC 4231 case 5 (truncated)", rep(0x0c, 20), "Test With Truncation", u"3ABF34C3503B2A23A46EFC619BAEF897"},
      {dkSHA384, "RFC 4231 case 6", rep(0xaa, 131), "Test Using Larger Than Block-Size Key - Hash Key First", u"4ECE084485813E9088D2C63A041BC5B44F9EF1012A2B588F3CD11F05033AC4C60C2EF6AB4030FE8296248DF163F44952"},
      {dkSHA384, "RFC 4231 case 7", rep(0xaa, 131), kLongData, u"6617178E941F020D351E2F254E8FD32C602420FEB0B8FB9ADCCEBB82461E99C5A678CC31E799176D3860E6110C46523E"},
      {dkSHA512, "RFC 4231 case 1", rep(0x0b, 20), "Hi There", u"87AA7CDEA5EF619D4FF0B4241A1D6CB02379F4E2CE4EC2787AD0B30545E17CDEDAA833B7D6B8A702038B274EAEA3F4E4BE9D914EEB61F1702E696C203A126854"},
      {dkSHA512, "RFC 4231 case 2", "Jefe", "what do ya want for nothing?", u"164B7A7BFCF819E2E395FBE73B56E0A387BD64222E831FD610270CD7EA2505549758BF75C05A994A6D034F65F8F0E6FDCAEAB1A34D4A6B4B636E070A38BCE737"},
      {dkSHA512, "RFC 4231 case 3", rep(0xaa, 20), rep(0xdd, 50), u"FA73B0089D56A284EFB0F0756C890BE9B1B5DBDD8EE81A3655F83E33B2279D39BF3E848279A722C806B485A47E67C807B946A337BEE8942674278859E13292FB"},
      {dkSHA512, "RFC 4231 case 4", counting(25), rep(0xcd, 50), u"B0BA465637458C6990E5A8C5F61D4AF7E576D97FF94B872DE76F8050361EE3DBA91CA5C11AA25EB4D679275CC5788063A5F19741120C4F2DE2ADEBEB10A298DD"},
      {dkSHA512, "RFC 4231 case 5 (truncated)", rep(0x0c, 20), "Test With Truncation", u"415FAD6271580A531D4179BC891D87A6"},
      {dkSHA512, "RFC 4231 case 6", rep(0xaa, 131), "Test Using Larger Than Block-Size Key - Hash Key First", u"80B24263C7C1A3EBB71493C1DD7BE8B49B46D1F41B4AEEC1121B013783F8F3526B56D037E05F2598BD0FD2215D6A1E5295E64F73F63F0AEC8B915A985D786598"},
      {dkSHA512, "RFC 4231 case 7", rep(0xaa, 131), kLongData, u"E37B6A775DC87DBAA4DFA9F96E5E3FFDDEBD71F8867289865DF5A32D20CDC944B6022CAC3C4982B10D5EEB55C3E4DE15134676FB6DE0446065C97440FA8C6A58"},
      // No published cases for SHA-512/256; values from an independent implementation.
      {dkSHA512_256, "Jefe", "Jefe", "what do ya want for nothing?",
       u"6DF7B24630D5CCB2EE335407081A87188C221489768FA2020513B2D593359456"},
      {dkSHA512_256, "long key", rep(0xaa, 131), "Test Using Larger Than Block-Size Key - Hash Key First",
       u"87123C45F7C537A404F8F47CDBEDDA1FC9BEC60EEB971982CE7EF10E774E6539"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    const zyl::String want = c.hex;
    const zyl::String got = DigestToHex(HMACFromBuffer(c.kind, bytes_of(c.key), bytes_of(c.data)));
    EXPECT_EQ(got.substr(0, want.size()), want);
    zyl::TBytesStream m(bytes_of("skipped" + c.data));
    m.SetPosition(7);
    EXPECT_EQ(HMACFromStream(c.kind, bytes_of(c.key), m), HMACFromBuffer(c.kind, bytes_of(c.key), bytes_of(c.data)))
        << "stream from its position";
  }
}

// HMAC as RFC 2104 defines it, over whole byte strings.
Bytes reference_hmac(TDigestKind kind, Bytes key, const Bytes& data) {
  TDigestHasher h(kind);
  if (key.size() > h.BlockSize()) {
    h.Add(key);
    key = h.Finish();
  }
  key.resize(h.BlockSize(), 0);
  Bytes inner, outer;
  for (std::uint8_t b : key) inner.push_back(b ^ 0x36);
  for (std::uint8_t b : key) outer.push_back(b ^ 0x5C);
  inner.insert(inner.end(), data.begin(), data.end());
  h.Add(inner);
  const Bytes inner_digest = h.Finish();
  outer.insert(outer.end(), inner_digest.begin(), inner_digest.end());
  h.Add(outer);
  return h.Finish();
}

TEST(Hmac, IncrementalHasherMatchesTheDefinitionForAnyKeyAndCut) {
  const unsigned seed = std::random_device{}();
  SCOPED_TRACE("seed " + std::to_string(seed));
  std::mt19937 rng(seed);
  auto random_bytes = [&rng](std::size_t n) {
    Bytes b(n);
    for (auto& x : b) x = static_cast<std::uint8_t>(rng());
    return b;
  };
  for (TDigestKind k : {TDigestKind::dkSHA1, TDigestKind::dkSHA224, TDigestKind::dkSHA256, TDigestKind::dkSHA384,
                        TDigestKind::dkSHA512, TDigestKind::dkSHA512_256}) {
    // Keys one short of, equal to and one past each block size, then random.
    std::vector<std::size_t> key_lengths = {0, 1, 63, 64, 65, 127, 128, 129};
    for (int i = 0; i < 12; ++i) key_lengths.push_back(rng() % 300);
    for (std::size_t key_len : key_lengths) {
      const Bytes key = random_bytes(key_len);
      THMACHasher h(k, key);
      for (int round = 0; round < 3; ++round) {  // reused after each Finish
        const Bytes data = random_bytes(rng() % 1001);
        for (std::size_t at = 0; at < data.size();) {
          const std::size_t n = std::min<std::size_t>(data.size() - at, rng() % 200);
          h.Add({data.data() + at, n});
          at += n;
        }
        ASSERT_EQ(h.Finish(), reference_hmac(k, key, data))
            << "kind " << static_cast<int>(k) << ", key " << key_len << " bytes, data " << data.size() << " bytes";
      }
      h.Add(random_bytes(10));
      h.Start();
      EXPECT_EQ(h.Finish(), reference_hmac(k, key, {})) << "Start drops what was added";
    }
  }
}

}  // namespace
}  // namespace ZYL_dstruct
