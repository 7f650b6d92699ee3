// PNG encoding and decoding: round trips in both pixel formats, conversion
// between them, bad pictures and bad data, files; and the clear error of a
// build without a PNG codec.
#include <gtest/gtest.h>

#include <random>

#include "platform/png.h"
#include "support/tempdir.h"

using namespace zyl::platform;

namespace {

PngImage random_image(std::uint32_t w, std::uint32_t h, TPngFormat f, std::mt19937& gen) {
  PngImage img{w, h, f, std::vector<std::uint8_t>(std::size_t{w} * h * static_cast<unsigned>(f))};
  for (auto& b : img.Pixels) b = static_cast<std::uint8_t>(gen());
  return img;
}

TEST(Png, WithoutACodecEveryFunctionSaysSo) {
  if (png_available()) GTEST_SKIP() << "this build has a PNG codec";
  const PngImage img{1, 1, TPngFormat::RGB, {1, 2, 3}};
  for (auto call : std::initializer_list<void (*)(const PngImage&)>{
           [](const PngImage& i) { (void)encode_png(i); },
           [](const PngImage&) { (void)decode_png("\x89PNG", TPngFormat::RGB); },
           [](const PngImage& i) { save_png(u"never-written.png", i); },
           [](const PngImage&) { (void)load_png(u"never-read.png", TPngFormat::RGBA); }}) {
    try {
      call(img);
      ADD_FAILURE() << "no error";
    } catch (const EPngError& e) {
      EXPECT_EQ(e.Message(), u"PNG output not available in this build");
    }
  }
}

TEST(Png, RoundTripsInBothFormats) {
  if (!png_available()) GTEST_SKIP() << "no PNG codec in this build";
  std::mt19937 gen(7);
  for (auto f : {TPngFormat::RGB, TPngFormat::RGBA})
    for (auto [w, h] : {std::pair{1u, 1u}, {3u, 5u}, {257u, 2u}}) {
      const PngImage img = random_image(w, h, f, gen);
      const std::string bytes = encode_png(img);
      ASSERT_EQ(bytes.substr(0, 8), std::string("\x89PNG\r\n\x1a\n", 8));
      EXPECT_EQ(encode_png(img), bytes) << "equal images give equal bytes";
      const PngImage back = decode_png(bytes, f);
      EXPECT_EQ(back.Width, w);
      EXPECT_EQ(back.Height, h);
      EXPECT_EQ(back.Pixels, img.Pixels);
    }
}

TEST(Png, DecodingConvertsBetweenFormats) {
  if (!png_available()) GTEST_SKIP() << "no PNG codec in this build";
  const PngImage rgba{2, 1, TPngFormat::RGBA, {10, 20, 30, 255, 40, 50, 60, 255}};
  EXPECT_EQ(decode_png(encode_png(rgba), TPngFormat::RGB).Pixels, (std::vector<std::uint8_t>{10, 20, 30, 40, 50, 60}));
  const PngImage rgb{2, 1, TPngFormat::RGB, {10, 20, 30, 40, 50, 60}};
  EXPECT_EQ(decode_png(encode_png(rgb), TPngFormat::RGBA).Pixels, rgba.Pixels);
}

TEST(Png, BadPicturesAndBadDataRaise) {
  if (!png_available()) GTEST_SKIP() << "no PNG codec in this build";
  EXPECT_THROW((void)encode_png(PngImage{0, 5, TPngFormat::RGB, {}}), EPngError);
  EXPECT_THROW((void)encode_png(PngImage{2, 2, TPngFormat::RGB, std::vector<std::uint8_t>(11)}), EPngError);
  EXPECT_THROW((void)encode_png(PngImage{kMaxPngSide + 1, 1, TPngFormat::RGB, {}}), EPngError);
  EXPECT_THROW((void)decode_png("", TPngFormat::RGB), EPngError);
  EXPECT_THROW((void)decode_png("not a picture at all", TPngFormat::RGB), EPngError);
  std::mt19937 gen(3);
  const std::string good = encode_png(random_image(40, 40, TPngFormat::RGB, gen));
  EXPECT_THROW((void)decode_png(good.substr(0, good.size() / 2), TPngFormat::RGB), EPngError);
  std::string flipped = good;
  flipped[good.size() / 2] = static_cast<char>(flipped[good.size() / 2] ^ 0x55);  // breaks the CRC
  EXPECT_THROW((void)decode_png(flipped, TPngFormat::RGB), EPngError);
}

TEST(Png, SavesAndLoadsFiles) {
  if (!png_available()) GTEST_SKIP() << "no PNG codec in this build";
  zyl::test::TempDir tmp;
  const PngImage img{2, 1, TPngFormat::RGB, {255, 0, 0, 0, 0, 255}};
  save_png(tmp.file("two.png"), img);
  EXPECT_EQ(load_png(tmp.file("two.png"), TPngFormat::RGB).Pixels, img.Pixels);
  EXPECT_THROW((void)load_png(tmp.file("missing.png"), TPngFormat::RGB), zyl::EInOutError);
  EXPECT_THROW(save_png(tmp.file("no-dir/x.png"), img), zyl::EInOutError);
}

}  // namespace
