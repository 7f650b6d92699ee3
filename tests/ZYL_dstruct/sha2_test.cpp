// The SHA-2 digests and the incremental hasher: published vectors through
// every input form, and the hasher against the one-shot functions however
// the data is cut.
#include <algorithm>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "ZYL_dstruct/hasher.h"
#include "ZYL_dstruct/sha1.h"
#include "ZYL_dstruct/sha2.h"
#include "ZYL_dstruct/trickle_stream.h"
#include "platform/exceptions.h"
#include "platform/memorystream.h"
#include "support/tempdir.h"

namespace ZYL_dstruct {
namespace {

constexpr TDigestKind kKinds[] = {TDigestKind::dkSHA1,   TDigestKind::dkSHA224, TDigestKind::dkSHA256,
                                  TDigestKind::dkSHA384, TDigestKind::dkSHA512, TDigestKind::dkSHA512_256};

const char* name_of(TDigestKind k) {
  static const char* const names[] = {"SHA-1", "SHA-224", "SHA-256", "SHA-384", "SHA-512", "SHA-512/256"};
  return names[static_cast<int>(k)];
}

std::vector<std::uint8_t> bytes_of(const std::string& s) { return {s.begin(), s.end()}; }

// The hex digest through the typed one-shot function of the kind.
template <class F1, class F224, class F256, class F384, class F512, class F512_256>
zyl::String typed(TDigestKind k, F1 f1, F224 f224, F256 f256, F384 f384, F512 f512, F512_256 f512_256) {
  switch (k) {
    case TDigestKind::dkSHA1: return SHA1DigestToHex(f1());
    case TDigestKind::dkSHA224: return SHA224DigestToHex(f224());
    case TDigestKind::dkSHA256: return SHA256DigestToHex(f256());
    case TDigestKind::dkSHA384: return SHA384DigestToHex(f384());
    case TDigestKind::dkSHA512: return SHA512DigestToHex(f512());
    case TDigestKind::dkSHA512_256: return SHA512_256DigestToHex(f512_256());
  }
  return u"";
}

zyl::String typed_stream(TDigestKind k, zyl::TStream& s) {
  return typed(
      k, [&] { return SHA1FromStream(s); }, [&] { return SHA224FromStream(s); }, [&] { return SHA256FromStream(s); },
      [&] { return SHA384FromStream(s); }, [&] { return SHA512FromStream(s); },
      [&] { return SHA512_256FromStream(s); });
}

zyl::String typed_string(TDigestKind k, const zyl::String& s) {
  return typed(
      k, [&] { return SHA1FromString(s); }, [&] { return SHA224FromString(s); }, [&] { return SHA256FromString(s); },
      [&] { return SHA384FromString(s); }, [&] { return SHA512FromString(s); },
      [&] { return SHA512_256FromString(s); });
}

zyl::String typed_file(TDigestKind k, const zyl::String& f) {
  return typed(
      k, [&] { return SHA1FromFile(f); }, [&] { return SHA224FromFile(f); }, [&] { return SHA256FromFile(f); },
      [&] { return SHA384FromFile(f); }, [&] { return SHA512FromFile(f); }, [&] { return SHA512_256FromFile(f); });
}

zyl::String hasher_hex(TDigestKind k, const std::vector<std::uint8_t>& data) {
  TDigestHasher h(k);
  h.Add(data);
  return DigestToHex(h.Finish());
}

TEST(Sha2, PublishedDigests) {
  struct Case {
    TDigestKind kind;
    const char* label;
    std::string input;
    const char16_t* hex;
  };
  const std::string abc = "abc", m448 = "abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq",
                    m896 =
                        "abcdefghbcdefghicdefghijdefghijkefghijklfghijklmghijklmnhijklmnoijklmnopjklmnopqklmnopqrlmnopqrsmn"
                        "opqrstnopqrstu",
                    million(1000000, 'a');
  using enum TDigestKind;
  const Case cases[] = {
      {dkSHA224, "empty", "", u"D14A028C2A3A2BC9476102BB288234C415A2B01F828EA62AC5B3E42F"},
      {dkSHA224, "abc", abc, u"23097D223405D8228642A477BDA255B32AADBCE4BDA0B3F7E36C9DA7"},
      {dkSHA224, "448 bits", m448, u"75388B16512776CC5DBA5DA1FD890150B0C6455CB4F58B1952522525"},
      {dkSHA224, "896 bits", m896, u"C97CA9A559850CE97A04A96DEF6D99A9E0E0E2AB14E6B8DF265FC0B3"},
      {dkSHA224, "a million a", million, u"20794655980C91D8BBB4C1EA97618A4BF03F42581948B2EE4EE7AD67"},
      {dkSHA256, "empty", "", u"E3B0C44298FC1C149AFBF4C8996FB92427AE41E4649B934CA495991B7852B855"},
      {dkSHA256, "abc", abc, u"BA7816BF8F01CFEA414140DE5DAE2223B00361A396177A9CB410FF61F20015AD"},
      {dkSHA256, "448 bits", m448, u"248D6A61D20638B8E5C026930C3E6039A33CE45964FF2167F6ECEDD419DB06C1"},
      {dkSHA256, "896 bits", m896, u"CF5B16A778AF8380036CE59E7B0492370B249B11E8F07A51AFAC45037AFEE9D1"},
      {dkSHA256, "a million a", million, u"CDC76E5C9914FB9281A1C7E284D73E67F1809A48A497200E046D39CCC7112CD0"},
      // 55, 56 and 64 bytes: the length field fits, does not fit, the data fills a block.
      {dkSHA256, "55 bytes", std::string(55, 'x'), u"D5E285683CD4EFC02D021A5C62014694958901005D6F71E89E0989FAC77E4072"},
      {dkSHA256, "56 bytes", std::string(56, 'x'), u"04C26261370EE7541549D16DEE320C723E3FD14671E66A099AFE0A377C16888E"},
      {dkSHA256, "64 bytes", std::string(64, 'x'), u"7CE100971F64E7001E8FE5A51973ECDFE1CED42BEFE7EE8D5FD6219506B5393C"},
      {dkSHA384, "empty", "",
       u"38B060A751AC96384CD9327EB1B1E36A21FDB71114BE07434C0CC7BF63F6E1DA274EDEBFE76F65FBD51AD2F14898B95B"},
      {dkSHA384, "abc", abc,
       u"CB00753F45A35E8BB5A03D699AC65007272C32AB0EDED1631A8B605A43FF5BED8086072BA1E7CC2358BAECA134C825A7"},
      {dkSHA384, "448 bits", m448,
       u"3391FDDDFC8DC7393707A65B1B4709397CF8B1D162AF05ABFE8F450DE5F36BC6B0455A8520BC4E6F5FE95B1FE3C8452B"},
      {dkSHA384, "896 bits", m896,
       u"09330C33F71147E83D192FC782CD1B4753111B173B3B05D22FA08086E3B0F712FCC7C71A557E2DB966C3E9FA91746039"},
      {dkSHA384, "a million a", million,
       u"9D0E1809716474CB086E834E310A4A1CED149E9C00F248527972CEC5704C2A5B07B8B3DC38ECC4EBAE97DDD87F3D8985"},
      {dkSHA512, "empty", "",
       u"CF83E1357EEFB8BDF1542850D66D8007D620E4050B5715DC83F4A921D36CE9CE47D0D13C5D85F2B0FF8318D2877EEC2F63B931BD47417A8"
       u"1A538327AF927DA3E"},
      {dkSHA512, "abc", abc,
       u"DDAF35A193617ABACC417349AE20413112E6FA4E89A97EA20A9EEEE64B55D39A2192992A274FC1A836BA3C23A3FEEBBD454D4423643CE80"
       u"E2A9AC94FA54CA49F"},
      {dkSHA512, "448 bits", m448,
       u"204A8FC6DDA82F0A0CED7BEB8E08A41657C16EF468B228A8279BE331A703C33596FD15C13B1B07F9AA1D3BEA57789CA031AD85C7A71DD70"
       u"354EC631238CA3445"},
      {dkSHA512, "896 bits", m896,
       u"8E959B75DAE313DA8CF4F72814FC143F8F7779C6EB9F7FA17299AEADB6889018501D289E4900F7E4331B99DEC4B5433AC7D329EEB6DD265"
       u"45E96E55B874BE909"},
      {dkSHA512, "a million a", million,
       u"E718483D0CE769644E2E42C7BC15B4638E1F98B13B2044285632A803AFA973EBDE0FF244877EA60A4CB0432CE577C31BEB009C5C2C49AA2"
       u"E4EADB217AD8CC09B"},
      // 111, 112 and 128 bytes: the 128-bit length field fits, does not fit, the data fills a block.
      {dkSHA512, "111 bytes", std::string(111, 'x'),
       u"9A2A120825C2319867758EC277924F6FAA254968BF752046DACDD948D8AD299B10359FD04BFD7D3810B5FA1B16A294236138BAFF981CBB8"
       u"5248478053AC4D3DD"},
      {dkSHA512, "112 bytes", std::string(112, 'x'),
       u"A3722B515EF40C910F2419F6E0DA8CA51D410114CE6272FAAE64045F9E9F630E7FA8DD5A3243C9860B899D148C3DA4BC0F9E07454542604"
       u"D030BB55531FE0D5B"},
      {dkSHA512, "128 bytes", std::string(128, 'x'),
       u"E2E22F8422B54B06E35C3EA30A383D1DE7A8FBC27992923074103117020D8DD7024C3ECF7D6D1A15A6DE5A75FF32FB486B9E8CED4C02FFE"
       u"05822BF2CB734D0E0"},
      {dkSHA512_256, "empty", "", u"C672B8D1EF56ED28AB87C3622C5114069BDD3AD7B8F9737498D0C01ECEF0967A"},
      {dkSHA512_256, "abc", abc, u"53048E2681941EF99B2E29B76B4C7DABE4C2D0C634FC6D46E0E2F13107E7AF23"},
      {dkSHA512_256, "448 bits", m448, u"BDE8E1F9F19BB9FD3406C90EC6BC47BD36D8ADA9F11880DBC8A22A7078B6A461"},
      {dkSHA512_256, "896 bits", m896, u"3928E184FB8690F840DA3988121D31BE65CB9D3EF83EE6146FEAC861E19B563A"},
      {dkSHA512_256, "a million a", million, u"9A59A052930187A97038CAE692F30708AA6491923EF5194394DC68D56C74FB21"},
      {dkSHA1, "abc", abc, u"A9993E364706816ABA3E25717850C26C9CD0D89D"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(name_of(c.kind)) + " " + c.label);
    zyl::TBytesStream m(bytes_of(c.input));
    EXPECT_EQ(typed_stream(c.kind, m), c.hex) << "one-shot stream function";
    EXPECT_EQ(hasher_hex(c.kind, bytes_of(c.input)), c.hex) << "hasher";
  }
}

TEST(Sha2, StringFileAndStreamFormsHashTheSameBytes) {
  const zyl::String text = u"Gr\u00F6\u00DFe \u20AC" + zyl::String(300, u'\u0102');
  std::string utf16le;
  for (const char16_t c : text) utf16le += {static_cast<char>(c & 0xFF), static_cast<char>(c >> 8)};
  zyl::test::TempDir tmp;
  zyl::test::write_file_bytes(tmp.path() / "t.bin", utf16le);
  for (TDigestKind k : kKinds) {
    SCOPED_TRACE(name_of(k));
    const zyl::String want = hasher_hex(k, bytes_of(utf16le));
    EXPECT_EQ(typed_string(k, text), want) << "string as UTF-16LE";
    EXPECT_EQ(typed_file(k, tmp.file("t.bin")), want) << "file";
    zyl::test::TrickleStream t("xy" + utf16le);
    char skip[2];
    ASSERT_EQ(t.Read(skip, 2), 2);
    EXPECT_EQ(typed_stream(k, t), want) << "stream from its position, without a window";
    TDigestHasher h(k);
    h.AddString(text);
    EXPECT_EQ(DigestToHex(h.Finish()), want) << "hasher AddString";
    EXPECT_THROW((void)typed_file(k, tmp.file("missing.bin")), zyl::EFOpenError);
  }
}

// A stream that fails after handing out some bytes, as a broken pipe does.
class FailingStream : public zyl::TStream {
 public:
  std::int32_t Read(void* Buffer, std::int32_t Count) override {
    if (FLeft == 0) throw zyl::EReadError(u"device gone");
    const std::int32_t n = std::min(Count, FLeft);
    std::memset(Buffer, 'z', static_cast<std::size_t>(n));
    FLeft -= n;
    return n;
  }
  std::int32_t Write(const void*, std::int32_t) override { return 0; }
  std::int64_t Seek(std::int64_t, zyl::TSeekOrigin) override { return 0; }

 private:
  std::int32_t FLeft = 100000;
};

TEST(Sha2, StreamsThatFailMidReadRaise) {
  for (TDigestKind k : kKinds) {
    SCOPED_TRACE(name_of(k));
    FailingStream f;
    EXPECT_THROW((void)typed_stream(k, f), zyl::EReadError);
    FailingStream g;
    TDigestHasher h(k);
    EXPECT_THROW(h.AddStream(g), zyl::EReadError);
  }
}

TEST(Sha2, HasherGivesTheOneShotDigestHoweverTheDataIsCut) {
  const unsigned seed = std::random_device{}();
  SCOPED_TRACE("seed " + std::to_string(seed));
  std::mt19937 rng(seed);
  for (TDigestKind k : kKinds) {
    SCOPED_TRACE(name_of(k));
    TDigestHasher h(k);  // reused: every Finish starts a new message
    for (int round = 0; round < 150; ++round) {
      std::vector<std::uint8_t> data(rng() % 1001);
      for (auto& b : data) b = static_cast<std::uint8_t>(rng());
      zyl::TBytesStream m(data);
      const zyl::String want = typed_stream(k, m);
      std::string cuts;
      for (std::size_t at = 0; at < data.size();) {
        // Mostly small pieces, sometimes empty ones and whole blocks.
        const std::size_t n = std::min<std::size_t>(data.size() - at, rng() % 4 == 0 ? rng() % 300 : rng() % 20);
        h.Add({data.data() + at, n});
        at += n;
        cuts += std::to_string(n) + " ";
      }
      ASSERT_EQ(DigestToHex(h.Finish()), want) << "length " << data.size() << ", pieces " << cuts;
    }
  }
}

TEST(Sha2, HasherCopiesAndRestartsAreIndependent) {
  const std::vector<std::uint8_t> head = bytes_of(std::string(200, 'h')), tail = bytes_of("tail");
  for (TDigestKind k : kKinds) {
    SCOPED_TRACE(name_of(k));
    TDigestHasher a(k);
    a.Add(head);
    TDigestHasher b = a;  // shares the prefix
    a.Add(tail);
    std::vector<std::uint8_t> both = head;
    both.insert(both.end(), tail.begin(), tail.end());
    EXPECT_EQ(DigestToHex(a.Finish()), hasher_hex(k, both));
    EXPECT_EQ(DigestToHex(b.Finish()), hasher_hex(k, head)) << "the copy did not see the tail";
    b.Add(tail);
    b.Start();
    EXPECT_EQ(DigestToHex(b.Finish()), hasher_hex(k, {})) << "Start dropped what was added";
    EXPECT_EQ(a.DigestSize() * 2, hasher_hex(k, {}).size());
    EXPECT_EQ(a.BlockSize(), k == TDigestKind::dkSHA384 || k == TDigestKind::dkSHA512 || k == TDigestKind::dkSHA512_256 ? 128u : 64u);
  }
  EXPECT_THROW(TDigestHasher(static_cast<TDigestKind>(17)), zyl::EConvertError);
}

}  // namespace
}  // namespace ZYL_dstruct
