# Quick start: `make demo` and `make test`. Both install what is missing first.
PREFIX ?= /usr/local
BUILD ?= build
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?=

NATIVE := $(BUILD)/native
ASAN := $(BUILD)/asan
BENCH := $(BUILD)/bench
DEMO_PREFIX := $(BUILD)/demo-install

.PHONY: all deps build test test-native test-asan demo install bench fuzz clean

all: build

deps:
	@scripts/install-deps.sh native

$(NATIVE)/build.ninja:
	cmake -S . -B $(NATIVE) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZYL_WERROR=ON $(CMAKE_FLAGS)

build: deps $(NATIVE)/build.ninja
	cmake --build $(NATIVE) -j $(JOBS)

test-native: build
	cd $(NATIVE) && ctest --output-on-failure -j $(JOBS)

$(ASAN)/build.ninja:
	cmake -S . -B $(ASAN) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DZYL_SANITIZE=ON -DZYL_WERROR=ON \
	  -DZYL_BUILD_TOOLS=OFF $(CMAKE_FLAGS)

test-asan: deps $(ASAN)/build.ninja
	cmake --build $(ASAN) -j $(JOBS)
	cd $(ASAN) && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 ctest --output-on-failure -j $(JOBS)

test: test-native test-asan

install: build
	cmake --install $(NATIVE) --prefix $(PREFIX)

# Installs the package into a private prefix, builds the examples against the
# installed package (as a user would), and runs the tour.
demo: build
	cmake --install $(NATIVE) --prefix $(abspath $(DEMO_PREFIX)) >/dev/null
	cmake -S examples -B $(BUILD)/examples -G Ninja -DCMAKE_PREFIX_PATH=$(abspath $(DEMO_PREFIX)) >/dev/null
	cmake --build $(BUILD)/examples -j $(JOBS)
	LD_LIBRARY_PATH=$(abspath $(DEMO_PREFIX))/lib $(BUILD)/examples/fifo_example
	LD_LIBRARY_PATH=$(abspath $(DEMO_PREFIX))/lib $(DEMO_PREFIX)/bin/zyl demo

bench:
	@scripts/install-deps.sh native bench
	cmake -S . -B $(BENCH) -G Ninja -DCMAKE_BUILD_TYPE=Release -DZYL_BUILD_BENCH=ON -DZYL_BUILD_TESTS=OFF
	cmake --build $(BENCH) -j $(JOBS)
	@echo "benchmarks built in $(BENCH)/bench; run e.g. $(BENCH)/bench/zyl_bench_rle"

clean:
	rm -rf $(BUILD)

# libFuzzer targets (clang); run one with e.g. build/fuzz/fuzz_base64 -max_total_time=300
fuzz:
	@scripts/install-deps.sh native fuzz
	CXX=clang++ cmake -S fuzz -B $(BUILD)/fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BUILD)/fuzz -j $(JOBS)
