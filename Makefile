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

# The plug-in in the substitute host from built-in settings: the dialog opens, builds its
# pages, "Build" is pressed and the document the host receives is written as a GIF.
demo: build
	@echo "Built the plug-in: $(BUILD)/bin/zxfxplg1.dll"
	@rm -f $(BUILD)/demo.gif $(BUILD)/demo.jsonl
	@scripts/wine-run.sh $(BUILD)/bin/zxhost.exe --fresh --effect Countdown --press build \
	  --out $(abspath $(BUILD))/demo.gif --log $(abspath $(BUILD))/demo.jsonl \
	  --screenshot $(abspath $(BUILD))/demo-dialog.png; \
	  echo "zxhost ended with $$?; its calls ($(BUILD)/demo.jsonl):"; \
	  grep -o '"op":"[A-Za-z_]*"' $(BUILD)/demo.jsonl | sort | uniq -c
	@if [ -f $(BUILD)/demo.gif ]; then \
	  echo "The countdown: $(abspath $(BUILD))/demo.gif ($$(identify $(BUILD)/demo.gif | wc -l) frames," \
	    "$$(identify -format '%w x %h' '$(BUILD)/demo.gif[0]'))"; \
	  else echo "No document was written."; fi

# The effects benchmark runs in bin: the sound effects read "default.wav" from the current
# folder, as a host running there would.
bench: build
	bench/run_colour_bench.sh $(abspath $(BUILD))
	cd $(BUILD)/bin && $(CURDIR)/scripts/wine-run.sh ./effects_bench.exe
	scripts/wine-run.sh $(BUILD)/bin/sound_bench.exe

clean:
	rm -rf $(BUILD)
