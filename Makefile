# The two everyday commands (see README):
#   make demo   builds everything and runs the wizard against the development server
#   make test   builds everything and runs the whole test suite headless
# Sanitized (clang, address and undefined-behaviour sanitizers; see README "Fuzzing"):
#   make asan-test  builds the asan preset and runs every test but the end-to-end suite under it
#   make fuzz       builds the fuzz targets and runs each for FUZZ_SECONDS (default 20)
PRESET ?= $(if $(CI),ci,dev)
BUILD_DIR := $(if $(filter asan,$(PRESET)),build-asan,build)

.PHONY: deps configure build test demo bench package clean format asan-test fuzz

deps:
	@bash scripts/install-deps.sh

configure: deps
	@cmake --preset $(PRESET) >/dev/null

build: configure
	@cmake --build --preset $(PRESET)

test: build
	@ctest --preset $(PRESET) --timeout 300

asan-test: deps
	@cmake --preset asan >/dev/null
	@cmake --build --preset asan
	@ctest --preset asan --timeout 600

FUZZ_SECONDS ?= 20
fuzz: deps
	@cmake --preset asan >/dev/null
	@cmake --build --preset fuzz
	@bash fuzz/run.sh -t $(FUZZ_SECONDS)

demo: build
	@bash scripts/demo.sh $(BUILD_DIR)

# The Debian package (build/orvello-kitbench_<version>_<arch>.deb) from the same build.
package: build
	@cmake --build --preset $(PRESET) --target package

bench: build
	@$(BUILD_DIR)/bin/bench_startup

format:
	@git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	@rm -rf build build-asan
