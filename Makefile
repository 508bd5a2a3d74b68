# Zentrix #1: `make demo` runs the main job, `make test` runs the tests. Both install the
# tools they need on a fresh machine first.
BUILD ?= build
CMAKE_FLAGS := -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake -DCMAKE_BUILD_TYPE=Release

.PHONY: all setup build test demo bench clean

all: build

setup:
	@scripts/ensure-tools.sh

build: setup
	@cmake -S . -B $(BUILD) $(CMAKE_FLAGS) >/dev/null
	@cmake --build $(BUILD)

test: build
	scripts/with-display.sh ctest --test-dir $(BUILD) --output-on-failure -j2

demo: build
	@echo "Built the plug-in: $(BUILD)/bin/zxfxplg1.dll"
	@i686-w64-mingw32-objdump -p $(BUILD)/bin/zxfxplg1.dll | sed -n '/Ordinal\/Name Pointer/,/^$$/p'

bench: build
	bench/run_colour_bench.sh $(abspath $(BUILD))

clean:
	rm -rf $(BUILD)
