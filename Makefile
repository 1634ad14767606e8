# The two commands of the README: `make run` and `make test`.
BUILD_DIR ?= build
BUILD_TYPE ?= RelWithDebInfo
CMAKE_FLAGS ?=

.PHONY: all deps configure build run test bench golden clean

all: build

deps:
	@scripts/install-deps

configure: deps
	@cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) $(CMAKE_FLAGS) > /dev/null

build: configure
	@cmake --build $(BUILD_DIR) -j2

run: build
	@if [ -x $(BUILD_DIR)/quaeryn ]; then $(BUILD_DIR)/quaeryn; else $(BUILD_DIR)/quaeryn-cli --now; fi

test: build
	@QT_QPA_PLATFORM=offscreen ctest --test-dir $(BUILD_DIR) --output-on-failure -j2

bench: build
	@$(BUILD_DIR)/bench/quaeryn_bench

# Rewrites the golden files under tests/golden from the current output: every
# test of a suite named ...Golden runs with QUAERYN_UPDATE_GOLDEN=1. Fails when
# no test matches or a golden test fails; review the diff before committing.
golden: build
	@QUAERYN_UPDATE_GOLDEN=1 QT_QPA_PLATFORM=offscreen ctest --test-dir $(BUILD_DIR) -R 'Golden\.' --no-tests=error --output-on-failure -j2
	@git status --short tests/golden

clean:
	@rm -rf $(BUILD_DIR) build-asan build-clang
