# make run   installs what is missing, builds and starts Tarnwick
# make test  the same set-up, then the whole test suite (offscreen)
BUILD_DIR ?= build
ASAN_DIR  ?= build-asan
CMAKE_FLAGS ?=
# Where `make install` puts Tarnwick; DESTDIR, when set, stages the tree.
PREFIX ?= /usr/local
export QT_QPA_PLATFORM ?= offscreen

# Runs of the whole suite in the sanitizer build: CI asks for three, to
# catch tests that fail only now and then.
ASAN_REPEAT ?= 1
# Mutated inputs per fuzz target for `make fuzz` (CTest runs a few thousand).
FUZZ_RUNS ?= 200000
JOBS ?= $(shell nproc)

.PHONY: all deps build run test test-asan fuzz bench screenshot install uninstall deb format clean

all: build

deps:
	@scripts/install-deps.sh

$(BUILD_DIR)/build.ninja:
	cmake -S . -B $(BUILD_DIR) -G Ninja $(CMAKE_FLAGS)

build: deps $(BUILD_DIR)/build.ninja
	cmake --build $(BUILD_DIR)

run: build
	env -u QT_QPA_PLATFORM $(BUILD_DIR)/src/tarnwick

test: build
	cd $(BUILD_DIR) && ctest -j$(JOBS) --output-on-failure --timeout 300

$(ASAN_DIR)/build.ninja:
	cmake -S . -B $(ASAN_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTARNWICK_SANITIZE=ON $(CMAKE_FLAGS)

test-asan: deps $(ASAN_DIR)/build.ninja
	cmake --build $(ASAN_DIR)
	cd $(ASAN_DIR) && ASAN_OPTIONS=detect_leaks=0 ctest -j$(JOBS) --output-on-failure \
		--timeout 600 --repeat until-fail:$(ASAN_REPEAT)

# The fuzz targets at length, under the sanitizers.
fuzz: deps $(ASAN_DIR)/build.ninja
	cmake --build $(ASAN_DIR)
	cd $(ASAN_DIR) && ASAN_OPTIONS=detect_leaks=0 TARNWICK_FUZZ_RUNS=$(FUZZ_RUNS) \
		ctest -j$(JOBS) -L fuzz --output-on-failure --timeout 3600

bench: build
	@scripts/install-deps.sh --bench
	cmake --build $(BUILD_DIR) --target benchmarks
	scripts/run-bench.sh $(BUILD_DIR)

screenshot: build
	@scripts/install-deps.sh --screenshot
	scripts/screenshot.sh $(BUILD_DIR)/src/tarnwick docs/screenshot.png

install: build
	scripts/install-tree.sh install $(BUILD_DIR) $(PREFIX)

# Removes what the last `make install` put down, and nothing else.
uninstall:
	scripts/install-tree.sh uninstall $(BUILD_DIR) $(PREFIX)

# $(BUILD_DIR)/tarnwick_<version>_<arch>.deb, checked by lintian.
deb: build
	@scripts/install-deps.sh --package
	scripts/make-deb.sh $(BUILD_DIR)

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD_DIR) $(ASAN_DIR)
