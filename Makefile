# The two everyday commands (see README):
#   make demo   builds everything and runs the wizard against the development server
#   make test   builds everything and runs the whole test suite headless
PRESET ?= $(if $(CI),ci,dev)
BUILD_DIR := $(if $(filter asan,$(PRESET)),build-asan,build)

.PHONY: deps configure build test demo bench package clean format

deps:
	@bash scripts/install-deps.sh

configure: deps
	@cmake --preset $(PRESET) >/dev/null

build: configure
	@cmake --build --preset $(PRESET)

test: build
	@ctest --preset $(PRESET) --timeout 300

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
