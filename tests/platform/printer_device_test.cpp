// The global printer's choice between a system printer and files, and what
// it sends a system printer, through a recording device standing in for one.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/printer.h"
#include "platform/printdevice.h"

using namespace zyl;

namespace {

// What the device was asked to do, in order; pages keep their pixels.
struct Log {
  std::vector<std::string> calls;
  std::vector<PixelSurface> pages;
  std::string fail_on;  // the call that throws, if any
};

class RecordingDevice final : public platform::PrintDevice {
 public:
  explicit RecordingDevice(Log& L) : FLog(L) {}
  std::int32_t page_width() const override { return 30; }
  std::int32_t page_height() const override { return 20; }
  void start_doc(const String& Title) override { call("start_doc " + to_utf8(Title)); }
  void print_page(const TBitmap& Page) override {
    call("print_page");
    FLog.pages.push_back(Page.Surface());
  }
  void end_doc() override { call("end_doc"); }
  void abort_doc() noexcept override { FLog.calls.push_back("abort_doc"); }

 private:
  void call(const std::string& What) {
    FLog.calls.push_back(What);
    if (FLog.fail_on == What.substr(0, What.find(' '))) throw EPrinter(u"device failed");
  }
  Log& FLog;
};

// Installs a source of recording devices (or of none) for one test.
class DeviceSource {
 public:
  DeviceSource(Log& L, bool Present) {
    FOld = platform::set_print_device_source([&L, Present, this]() -> std::unique_ptr<platform::PrintDevice> {
      ++asked;
      if (!Present) return nullptr;
      return std::make_unique<RecordingDevice>(L);
    });
  }
  ~DeviceSource() { platform::set_print_device_source(FOld); }
  int asked = 0;

 private:
  platform::PrintDeviceSource FOld;
};

TEST(PrinterDevice, AJobWithoutAFileNameGoesToTheDefaultPrinterPageByPage) {
  Log log;
  DeviceSource source(log, true);
  TPrinter p;
  p.SetTitle(u"Chart");
  p.BeginDoc();
  EXPECT_TRUE(p.PrintsToDevice());
  EXPECT_EQ(p.PageWidth(), 30) << "the page is the device's";
  EXPECT_EQ(p.PageHeight(), 20);
  p.Canvas().SetPixels(3, 4, 0x123456);
  p.NewPage();
  p.Canvas().SetPixels(5, 6, 0x654321);
  p.EndDoc();
  EXPECT_FALSE(p.Printing());
  EXPECT_FALSE(p.PrintsToDevice());
  EXPECT_EQ(log.calls, (std::vector<std::string>{"start_doc Chart", "print_page", "print_page", "end_doc"}));
  ASSERT_EQ(log.pages.size(), 2u);
  const auto at = [](const PixelSurface& s, int x, int y) { return s.Pixels[static_cast<std::size_t>(y * s.Width + x)]; };
  EXPECT_EQ(log.pages[0].Width, 30);
  EXPECT_EQ(log.pages[0].Height, 20);
  EXPECT_EQ(at(log.pages[0], 3, 4), 0x123456u);
  EXPECT_EQ(at(log.pages[1], 3, 4), 0xFFFFFFu) << "each page starts white";
  EXPECT_EQ(at(log.pages[1], 5, 6), 0x654321u);
  EXPECT_EQ(p.PageWidth(), 2480) << "outside a job the file page size shows";
}

TEST(PrinterDevice, AFileNameOrNoPrinterMeansTheFilePrinter) {
  Log log;
  {
    DeviceSource source(log, true);
    TPrinter p;
    p.SetFileName(u"unused.png");
    p.BeginDoc();
    EXPECT_FALSE(p.PrintsToDevice());
    EXPECT_EQ(source.asked, 0) << "a file name set skips the printer lookup";
    p.Abort();
  }
  {
    DeviceSource source(log, false);
    TPrinter p;
    p.SetPageSize(7, 9);
    p.BeginDoc();
    EXPECT_EQ(source.asked, 1);
    EXPECT_FALSE(p.PrintsToDevice());
    EXPECT_EQ(p.PageWidth(), 7);
    p.Abort();
  }
  EXPECT_TRUE(log.calls.empty());
}

TEST(PrinterDevice, FailuresPassToTheCallerAndEndTheJob) {
  struct Case {
    const char* fail_on;
    int pages_before_end;  // NewPage calls before EndDoc
    std::vector<std::string> calls;
  };
  const Case cases[] = {
      {"start_doc", 0, {"start_doc Document"}},
      {"print_page", 1, {"start_doc Document", "print_page"}},
      {"print_page", 0, {"start_doc Document", "print_page", "abort_doc"}},
      {"end_doc", 0, {"start_doc Document", "print_page", "end_doc", "abort_doc"}},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(std::string(k.fail_on) + " after " + std::to_string(k.pages_before_end) + " pages");
    Log log;
    log.fail_on = k.fail_on;
    DeviceSource source(log, true);
    TPrinter p;
    try {
      p.BeginDoc();
      for (int i = 0; i < k.pages_before_end; ++i) p.NewPage();
      p.EndDoc();
      ADD_FAILURE() << "no exception";
    } catch (const EPrinter& e) {
      EXPECT_EQ(e.Message(), u"device failed");
    }
    if (p.Printing()) p.Abort();  // a failed NewPage leaves the job to the caller
    EXPECT_FALSE(p.Printing());
    std::vector<std::string> expected = k.calls;
    if (k.pages_before_end > 0) expected.push_back("abort_doc");
    EXPECT_EQ(log.calls, expected);
    log.fail_on.clear();
    log.calls.clear();
    p.BeginDoc();  // the printer is usable again
    p.EndDoc();
    EXPECT_EQ(log.calls, (std::vector<std::string>{"start_doc Document", "print_page", "end_doc"}));
  }
}

}  // namespace
