# make run   installs what is missing, builds and starts Tarnwick
# make test  the same set-up, then the whole test suite (offscreen)
BUILD_DIR ?= build
ASAN_DIR  ?= build-asan
CMAKE_FLAGS ?=
export QT_QPA_PLATFORM ?= offscreen

.PHONY: all deps build run test test-asan bench screenshot format clean

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
	cd $(BUILD_DIR) && ctest --output-on-failure --timeout 300

test-asan: deps
	cmake -S . -B $(ASAN_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTARNWICK_SANITIZE=ON $(CMAKE_FLAGS)
	cmake --build $(ASAN_DIR)
	cd $(ASAN_DIR) && ASAN_OPTIONS=detect_leaks=0 ctest --output-on-failure --timeout 600

bench: build
	cmake --build $(BUILD_DIR) --target benchmarks
	scripts/run-bench.sh $(BUILD_DIR)

screenshot: build
	@scripts/install-deps.sh --screenshot
	scripts/screenshot.sh $(BUILD_DIR)/src/tarnwick docs/screenshot.png

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD_DIR) $(ASAN_DIR)
