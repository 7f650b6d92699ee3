// Library: zyl / Package: platform / Module: savedialog (POSIX backend: GTK 3)
//
// GTK is opened with dlopen when the first dialog is shown, so the package
// itself links no GUI library and runs without a display.
#include "platform/savedialog.h"

#include <dlfcn.h>

#include <string>

namespace zyl::platform {
namespace {

// The few GTK and GLib entry points the dialog needs, by their C signatures.
struct Gtk {
  using Widget = void;
  int (*init_check)(int*, char***);
  Widget* (*file_chooser_dialog_new)(const char*, void*, int, const char*, ...);
  int (*file_chooser_set_current_folder)(Widget*, const char*);
  void (*file_chooser_set_current_name)(Widget*, const char*);
  char* (*file_chooser_get_current_name)(Widget*);
  char* (*file_chooser_get_filename)(Widget*);
  void* (*file_filter_new)();
  void (*file_filter_set_name)(void*, const char*);
  void (*file_filter_add_pattern)(void*, const char*);
  void (*file_chooser_add_filter)(Widget*, void*);
  void (*file_chooser_set_filter)(Widget*, void*);
  void* (*file_chooser_get_filter)(Widget*);
  int (*dialog_run)(Widget*);
  void (*dialog_response)(Widget*, int);
  void (*widget_destroy)(Widget*);
  void (*widget_show)(Widget*);
  int (*events_pending)();
  int (*main_iteration)();
  unsigned long (*signal_connect_data)(void*, const char*, void (*)(), void*, void*, int);
  unsigned (*timeout_add)(unsigned, int (*)(void*), void*);
  int (*source_remove)(unsigned);
  void (*g_free)(void*);
  bool ready = false;
};

constexpr int kActionSave = 1;        // GTK_FILE_CHOOSER_ACTION_SAVE
constexpr int kResponseAccept = -3;   // GTK_RESPONSE_ACCEPT
constexpr int kResponseCancel = -6;   // GTK_RESPONSE_CANCEL
constexpr unsigned kDriverDelayMs = 300;
constexpr unsigned kRepeatMs = 200;

template <typename F>
bool bind(void* Lib, F& Fn, const char* Name) {
  Fn = reinterpret_cast<F>(::dlsym(Lib, Name));
  return Fn != nullptr;
}

// Loads GTK once and initialises it; false without GTK or without a display.
const Gtk* gtk() {
  static const Gtk loaded = [] {
    Gtk g{};
    void* lib = ::dlopen("libgtk-3.so.0", RTLD_NOW | RTLD_LOCAL);
    if (lib == nullptr) return g;
    const bool all =
        bind(lib, g.init_check, "gtk_init_check") && bind(lib, g.file_chooser_dialog_new, "gtk_file_chooser_dialog_new") &&
        bind(lib, g.file_chooser_set_current_folder, "gtk_file_chooser_set_current_folder") &&
        bind(lib, g.file_chooser_set_current_name, "gtk_file_chooser_set_current_name") &&
        bind(lib, g.file_chooser_get_current_name, "gtk_file_chooser_get_current_name") &&
        bind(lib, g.file_chooser_get_filename, "gtk_file_chooser_get_filename") &&
        bind(lib, g.file_filter_new, "gtk_file_filter_new") && bind(lib, g.file_filter_set_name, "gtk_file_filter_set_name") &&
        bind(lib, g.file_filter_add_pattern, "gtk_file_filter_add_pattern") &&
        bind(lib, g.file_chooser_add_filter, "gtk_file_chooser_add_filter") &&
        bind(lib, g.file_chooser_set_filter, "gtk_file_chooser_set_filter") &&
        bind(lib, g.file_chooser_get_filter, "gtk_file_chooser_get_filter") && bind(lib, g.dialog_run, "gtk_dialog_run") &&
        bind(lib, g.dialog_response, "gtk_dialog_response") && bind(lib, g.widget_destroy, "gtk_widget_destroy") &&
        bind(lib, g.widget_show, "gtk_widget_show") &&
        bind(lib, g.events_pending, "gtk_events_pending") && bind(lib, g.main_iteration, "gtk_main_iteration") &&
        bind(lib, g.signal_connect_data, "g_signal_connect_data") && bind(lib, g.timeout_add, "g_timeout_add") &&
        bind(lib, g.source_remove, "g_source_remove") &&
        bind(lib, g.g_free, "g_free");
    // GTK stays loaded for the life of the process: it cannot be unloaded.
    g.ready = all && g.init_check(nullptr, nullptr) != 0;
    return g;
  }();
  return loaded.ready ? &loaded : nullptr;
}

std::string take_string(const Gtk& G, char* Text) {
  std::string s = Text != nullptr ? Text : "";
  if (Text != nullptr) G.g_free(Text);
  return s;
}

std::vector<std::string> split_patterns(const String& Mask) {
  std::vector<std::string> patterns;
  std::string current;
  for (const char c : to_utf8(Mask)) {
    if (c == ';') {
      if (!current.empty()) patterns.push_back(current);
      current.clear();
    } else if (c != ' ') {
      current += c;
    }
  }
  if (!current.empty()) patterns.push_back(current);
  return patterns;
}

// One shown GTK file chooser.
class GtkView : public SaveDialogView {
 public:
  GtkView(const Gtk& G, const SaveDialogOptions& O) : FGtk(G), FOptions(O) {
    FDialog = G.file_chooser_dialog_new(O.Title.empty() ? nullptr : to_utf8(O.Title).c_str(), nullptr, kActionSave,
                                        "_Cancel", kResponseCancel, "_Save", kResponseAccept, nullptr);
    for (const auto& [name, mask] : O.FileTypes) {
      void* filter = G.file_filter_new();
      G.file_filter_set_name(filter, to_utf8(name).c_str());
      for (const std::string& p : split_patterns(mask)) G.file_filter_add_pattern(filter, p.c_str());
      G.file_chooser_add_filter(FDialog, filter);
      FFilters.push_back(filter);
    }
    if (O.TypeIndex >= 1 && O.TypeIndex <= static_cast<int>(FFilters.size()))
      G.file_chooser_set_filter(FDialog, FFilters[static_cast<std::size_t>(O.TypeIndex - 1)]);
    const std::size_t sep = O.FileName.find_last_of(u"/\\");
    const String folder = sep != String::npos ? O.FileName.substr(0, sep) : O.InitialDir;
    if (!folder.empty()) G.file_chooser_set_current_folder(FDialog, to_utf8(folder).c_str());
    const String name = sep != String::npos ? O.FileName.substr(sep + 1) : O.FileName;
    if (!name.empty()) G.file_chooser_set_current_name(FDialog, to_utf8(name).c_str());
    G.signal_connect_data(FDialog, "notify::filter", reinterpret_cast<void (*)()>(&GtkView::filter_changed), this,
                          nullptr, 0);
  }
  ~GtkView() override {
    FGtk.widget_destroy(FDialog);
    while (FGtk.events_pending() != 0) FGtk.main_iteration();
  }
  GtkView(const GtkView&) = delete;
  GtkView& operator=(const GtkView&) = delete;

  int TypeIndex() const override {
    void* current = FGtk.file_chooser_get_filter(FDialog);
    for (std::size_t i = 0; i < FFilters.size(); ++i)
      if (FFilters[i] == current) return static_cast<int>(i + 1);
    return FOptions.TypeIndex;
  }
  String TypeMask(int Index) const override {
    return Index >= 1 && Index <= static_cast<int>(FOptions.FileTypes.size())
               ? FOptions.FileTypes[static_cast<std::size_t>(Index - 1)].second
               : String();
  }
  String TypedName() const override { return from_utf8(take_string(FGtk, FGtk.file_chooser_get_current_name(FDialog))); }
  String FileName() const override { return FOptions.FileName; }
  void SetTypedName(const String& Name) override { FGtk.file_chooser_set_current_name(FDialog, to_utf8(Name).c_str()); }
  void SelectType(int Index) override {
    if (Index >= 1 && Index <= static_cast<int>(FFilters.size()))
      FGtk.file_chooser_set_filter(FDialog, FFilters[static_cast<std::size_t>(Index - 1)]);
  }
  // The chooser may hold back an accepting reply while it still checks the
  // name or loads the folder, so the reply is given again until the dialog
  // has ended.
  void Close(bool Confirm) override {
    FResponse = Confirm ? kResponseAccept : kResponseCancel;
    FGtk.dialog_response(FDialog, FResponse);
    if (FRepeater == 0) FRepeater = FGtk.timeout_add(kRepeatMs, &GtkView::respond_again, this);
  }

  SaveDialogOutcome Run() {
    if (detail::save_dialog_test_driver()) {
      // Shown and settled first: showing may run the main loop, and a reply
      // given before gtk_dialog_run listens for it would be lost.
      FGtk.widget_show(FDialog);
      while (FGtk.events_pending() != 0) FGtk.main_iteration();
      FGtk.timeout_add(kDriverDelayMs, &GtkView::drive, this);
    }
    SaveDialogOutcome outcome;
    outcome.Confirmed = FGtk.dialog_run(FDialog) == kResponseAccept;
    if (FRepeater != 0) FGtk.source_remove(FRepeater);
    outcome.TypeIndex = TypeIndex();
    outcome.FileName = outcome.Confirmed ? from_utf8(take_string(FGtk, FGtk.file_chooser_get_filename(FDialog)))
                                         : FOptions.FileName;
    return outcome;
  }

 private:
  static void filter_changed(void*, void*, GtkView* Self) {
    if (Self->FOptions.OnTypeChange) Self->FOptions.OnTypeChange(*Self);
  }
  static int respond_again(void* Self) {
    auto* view = static_cast<GtkView*>(Self);
    view->FGtk.dialog_response(view->FDialog, view->FResponse);
    return 1;  // until Run removes it
  }
  static int drive(void* Self) {
    detail::save_dialog_test_driver()(*static_cast<GtkView*>(Self));
    return 0;  // once
  }

  const Gtk& FGtk;
  const SaveDialogOptions& FOptions;
  void* FDialog = nullptr;
  std::vector<void*> FFilters;
  int FResponse = kResponseCancel;
  unsigned FRepeater = 0;
};

class GtkSaveDialog : public SaveDialogBackend {
 public:
  SaveDialogOutcome Show(const SaveDialogOptions& Options) override {
    const Gtk* g = gtk();
    if (g == nullptr) {
      SaveDialogOutcome failed;
      failed.ErrorCode = kDialogInitializationFailed;
      failed.FileName = Options.FileName;
      failed.TypeIndex = Options.TypeIndex;
      return failed;
    }
    GtkView view(*g, Options);
    return view.Run();
  }
};

}  // namespace

std::unique_ptr<SaveDialogBackend> make_system_save_dialog() { return std::make_unique<GtkSaveDialog>(); }

}  // namespace zyl::platform
