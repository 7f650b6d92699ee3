# Quick start: `make demo` and `make test`. Both install what is missing first.
PREFIX ?= /usr/local
BUILD ?= build
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?=

NATIVE := $(BUILD)/native
ASAN := $(BUILD)/asan
WIN32 := $(BUILD)/win32
BENCH := $(BUILD)/bench
DEMO_PREFIX := $(BUILD)/demo-install

.PHONY: all deps build build-demo check-sources test test-demo-same test-native test-asan test-win32 deps-win32 build-win32 demo demo-win32 install bench fuzz fuzz-long clean

all: build

deps:
	@scripts/install-deps.sh native

$(NATIVE)/build.ninja:
	cmake -S . -B $(NATIVE) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZYL_WERROR=ON $(CMAKE_FLAGS)

build: deps $(NATIVE)/build.ninja
	cmake --build $(NATIVE) -j $(JOBS)

# What the tour and the examples need: the library and the tool, no tests.
build-demo: deps $(NATIVE)/build.ninja
	cmake --build $(NATIVE) -j $(JOBS) --target zyl zyl_tool

test-native: build
	cd $(NATIVE) && ctest --output-on-failure -j $(JOBS)

# The sanitizer build (address + undefined) is also the second compiler's:
# Debian's clang with libstdc++, warnings as errors, the library, the tool and
# the whole native suite. -O1 with line tables only keeps it cheap to compile
# and quick enough to run the tool's large-input tests.
$(ASAN)/build.ninja:
	@scripts/install-deps.sh native clang
	CXX=clang++ cmake -S . -B $(ASAN) -G Ninja -DCMAKE_BUILD_TYPE=None "-DCMAKE_CXX_FLAGS=-O1 -gline-tables-only" \
	  -DZYL_SANITIZE=ON -DZYL_WERROR=ON $(CMAKE_FLAGS)

test-asan: deps $(ASAN)/build.ninja
	cmake --build $(ASAN) -j $(JOBS)
	cd $(ASAN) && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 ctest --output-on-failure -j $(JOBS)

# The 32-bit Windows build (mingw-w64 cross compiler), its tests run under Wine.
deps-win32:
	@scripts/install-deps.sh win32

$(WIN32)/build.ninja: | deps-win32
	cmake -S . -B $(WIN32) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZYL_WERROR=ON \
	  -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-mingw-i686.cmake $(CMAKE_FLAGS)

build-win32: deps-win32 $(WIN32)/build.ninja
	cmake --build $(WIN32) -j $(JOBS)

test-win32: build-win32
	@! git grep -lE '#[[:space:]]*include[[:space:]]*[<"]windows\.h[>"]' -- ':!platform/win32/win.h' \
	  || { echo "only platform/win32/win.h may include <windows.h>" >&2; exit 1; }
	cd $(WIN32) && ctest --output-on-failure --timeout 900 -j $(JOBS)

# The Windows tour prints exactly the bytes the native one prints, apart from
# the lines marked as depending on the machine; both builds identify the
# machine alike.
test-demo-same: build build-win32
	$(NATIVE)/tools/zyl/zyl demo > $(BUILD)/demo-native-all.txt
	scripts/wine-run.sh $(WIN32)/wineprefix $(WIN32)/bin/zyl.exe demo > $(BUILD)/demo-win32-all.txt
	grep -v '(this machine)' $(BUILD)/demo-native-all.txt > $(BUILD)/demo-native.txt
	grep -v '(this machine)' $(BUILD)/demo-win32-all.txt > $(BUILD)/demo-win32.txt
	cmp $(BUILD)/demo-native.txt $(BUILD)/demo-win32.txt && echo "demo: native and Windows output identical"
	test "$$($(NATIVE)/tools/zyl/zyl cpu --id)" = "$$(scripts/wine-run.sh $(WIN32)/wineprefix $(WIN32)/bin/zyl.exe cpu --id | tr -d '\r')" \
	  && echo "cpu: native and Windows machine identifiers identical"

# Ready-made packages: a Debian package of the native build and a zip of the
# Windows build (in $(NATIVE)/packages and $(WIN32)/packages), and their check
# as users meet them (scripts/test-packages.sh).
.PHONY: package test-packages
package: build build-win32
	@scripts/install-deps.sh native package
	rm -rf $(NATIVE)/packages $(WIN32)/packages
	cd $(NATIVE) && cpack -G DEB
	cd $(WIN32) && cpack -G ZIP

test-packages: package
	scripts/test-packages.sh $(NATIVE)/packages $(WIN32)/packages $(WIN32)/wineprefix

# The README's example programs are the files in examples/.
.PHONY: check-readme
check-readme:
	@scripts/check-readme-examples.sh

# A file is saved by name only through platform::save_file: no other code
# replaces a file by moving another over it (platform/posix/file.cpp renames
# only where nothing is replaced).
check-sources:
	@! git grep -nE 'ReplaceFileW[[:space:]]*\(|MOVEFILE_REPLACE_EXISTING[[:space:]]*[|)]|::rename[[:space:]]*\(|(fs|filesystem)::rename[[:space:]]*\(|renameat' \
	  -- '*.cpp' '*.h' ':!platform/posix/savetarget.cpp' ':!platform/win32/savetarget.cpp' ':!platform/posix/file.cpp' \
	  || { echo "files are replaced only through platform::save_file" >&2; exit 1; }

test: check-sources check-readme test-native test-asan test-demo-same test-win32 test-packages

install: build
	cmake --install $(NATIVE) --prefix $(PREFIX)

# Installs the package into a private prefix, builds the examples against the
# installed package (as a user would), and runs the tour. The test programs,
# benchmarks and fuzz targets are left to `make test`, `make bench` and
# `make fuzz`.
demo: build-demo
	cmake --install $(NATIVE) --prefix $(abspath $(DEMO_PREFIX)) >/dev/null
	cmake -S examples -B $(BUILD)/examples -G Ninja -DCMAKE_PREFIX_PATH=$(abspath $(DEMO_PREFIX)) >/dev/null
	cmake --build $(BUILD)/examples -j $(JOBS)
	LD_LIBRARY_PATH=$(abspath $(DEMO_PREFIX))/lib $(BUILD)/examples/fifo_example
	LD_LIBRARY_PATH=$(abspath $(DEMO_PREFIX))/lib $(DEMO_PREFIX)/bin/zyl demo
	@if [ -n "$$DISPLAY" ]; then LD_LIBRARY_PATH=$(abspath $(DEMO_PREFIX))/lib $(BUILD)/examples/save_dialog; \
	  else echo "(no display: the save dialog example was built but not run)"; fi

# The tool's tour, run as the Windows program.
demo-win32: build-win32
	scripts/wine-run.sh $(WIN32)/wineprefix $(WIN32)/bin/zyl.exe demo

bench:
	@scripts/install-deps.sh native bench
	cmake -S . -B $(BENCH) -G Ninja -DCMAKE_BUILD_TYPE=Release -DZYL_BUILD_BENCH=ON -DZYL_BUILD_TESTS=OFF
	cmake --build $(BENCH) -j $(JOBS)
	@echo "benchmarks built in $(BENCH)/bench; run e.g. $(BENCH)/bench/zyl_bench_rle"

clean:
	-WINEPREFIX=$(abspath $(WIN32))/wineprefix wineserver -k 2>/dev/null
	rm -rf $(BUILD)

# libFuzzer targets (clang); run one with e.g. build/fuzz/fuzz_base64 -max_total_time=300
fuzz:
	@scripts/install-deps.sh native fuzz
	CXX=clang++ cmake -S fuzz -B $(BUILD)/fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BUILD)/fuzz -j $(JOBS)

# Long runs: every fuzz target for MINUTES minutes in turn, starting from its
# corpus (fuzz/corpus/<name>/), with memory limits that follow the input size;
# what reached new code is merged back into the corpus, findings are left in
# $(BUILD)/fuzz/findings/ (scripts/fuzz-long.sh).
MINUTES ?= 10
fuzz-long: fuzz
	scripts/fuzz-long.sh $(BUILD)/fuzz $$(( $(MINUTES) * 60 ))
