# Thin wrapper: every target installs what is missing, configures and builds first.
BUILD ?= build
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo

# Paths inside the checkout are hashed relative to it, so a second clone (a CI run, a fresh
# checkout) reuses the compiler cache of the first instead of building everything again.
export CCACHE_BASEDIR ?= $(CURDIR)
export CCACHE_NOHASHDIR ?= 1

SAN_BUILD ?= build-asan
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 60

.PHONY: all deps configure build run test test-fast test-sanitize bench fuzz package format format-check \
	test-unprivileged

all: build

deps:
	@scripts/install-deps

configure: deps
	@cmake -S . -B $(BUILD) -G Ninja $(CMAKE_FLAGS) > /dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

# The program looks for its settings and layout files in its current folder; a first run gets the
# default layout in the desktop's language, and a layout already there is kept.
run: build
	@mkdir -p $(BUILD)/run
	@layout=$$(bash -c '. scripts/default-layout.sh && default_layout data $(BUILD)/src/quillmark'); \
	if [ -f "$$layout" ] && [ ! -f $(BUILD)/run/qmsheet.rav ]; then cp "$$layout" $(BUILD)/run/qmsheet.rav; fi
	@cd $(BUILD)/run && ../src/quillmark

# The format check, the whole suite, its Qt Test programs once more as an unprivileged user when
# run as root, then the whole suite again built with AddressSanitizer (leak detection on) and
# UndefinedBehaviorSanitizer, stopping at the first report. The format check looks at the
# sources, not at a build, so it runs once, first, and fails within seconds.
test: format-check test-fast test-unprivileged test-sanitize

test-fast: build
	@cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

# Root passes every permission check; this pass lets a test that relies on that fail.
test-unprivileged: build
	@scripts/run-tests-unprivileged $(BUILD)

test-sanitize: deps
	@cmake -S . -B $(SAN_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DQUILLMARK_SANITIZE=ON \
		-DQUILLMARK_BENCH=OFF > /dev/null
	@cmake --build $(SAN_BUILD) -j $(JOBS)
	@cd $(SAN_BUILD) && ctest --output-on-failure -j $(JOBS)

bench: build
	@scripts/run-benchmarks $(BUILD) BENCHMARKS.md

fuzz: deps
	@CC=clang CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
		-DQUILLMARK_FUZZ=ON -DQUILLMARK_TESTS=OFF -DQUILLMARK_BENCH=OFF > /dev/null
	@cmake --build $(FUZZ_BUILD) -j $(JOBS)
	@FUZZ_SECONDS=$(FUZZ_SECONDS) scripts/run-fuzzers $(FUZZ_BUILD)

# The Debian package, build/quillmark_<version>_<arch>.deb.
package: build
	@cd $(BUILD) && cpack -G DEB

# clang-format's layout differs between its versions; this is the one the sources are kept in.
CLANG_FORMAT ?= clang-format-14
export CLANG_FORMAT

format: deps
	@git ls-files -z -- '*.cpp' '*.h' | xargs -0 -r $(CLANG_FORMAT) -i

format-check: deps
	@scripts/check-format
