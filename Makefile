# Thin wrapper: every target installs what is missing, configures and builds first.
BUILD ?= build
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo

.PHONY: all deps configure build run test bench fuzz package format

all: build

deps:
	@scripts/install-deps

configure: deps
	@cmake -S . -B $(BUILD) -G Ninja $(CMAKE_FLAGS) > /dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

# The program looks for its settings and layout files in its current folder.
run: build
	@mkdir -p $(BUILD)/run
	@if [ -f data/qmsheet.rav ] && [ ! -f $(BUILD)/run/qmsheet.rav ]; then cp data/qmsheet.rav $(BUILD)/run/; fi
	@cd $(BUILD)/run && ../src/quillmark

test: build
	@cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

format:
	@clang-format -i $$(git ls-files '*.cpp' '*.h')
