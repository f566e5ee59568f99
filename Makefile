# make run             build and run the demo host
# make test            build and run the test suite
# make test-sanitize   the suite again under AddressSanitizer and UBSan
# make bench           build and run the benchmarks
# make fuzz            run the fuzz targets for FUZZ_SECONDS each (clang, libFuzzer)
# make docs            the API reference (Doxygen) into $(BUILD)/docs/html
# make translations    refresh translations/*.ts from the sources; fails while
#                      a text has no finished translation
#
# Each target first installs the Debian packages the build needs, when some
# are missing (as root, with apt-get).

BUILD ?= build
BUILD_SANITIZE ?= build-sanitize
BUILD_FUZZ ?= build-fuzz
FUZZ_SECONDS ?= 60
JOBS ?= $(shell nproc 2>/dev/null || echo 2)

PACKAGES := cmake make g++ qtbase5-dev libpugixml-dev \
            libgtest-dev libgmock-dev libbenchmark-dev libeigen3-dev \
            qttools5-dev qttools5-dev-tools doxygen
FUZZ_PACKAGES := clang libclang-rt-dev

.PHONY: all deps deps-fuzz build run test test-sanitize bench fuzz docs translations clean

all: build

deps: PACKAGES_WANTED = $(PACKAGES)
deps-fuzz: PACKAGES_WANTED = $(PACKAGES) $(FUZZ_PACKAGES)
deps deps-fuzz:
	@missing=$$(for p in $(PACKAGES_WANTED); do \
	    dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null | grep -q '^install ok installed$$' || echo $$p; \
	  done); \
	if [ -n "$$missing" ]; then \
	  echo "Installing missing packages:" $$missing; \
	  if [ "$$(id -u)" != 0 ]; then echo "run as root to install them" >&2; exit 1; fi; \
	  export DEBIAN_FRONTEND=noninteractive; \
	  apt-get update -qq && apt-get install -y -qq --no-install-recommends $$missing; \
	fi

$(BUILD)/CMakeCache.txt: | deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: deps $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j $(JOBS)

run: build
	$(BUILD)/demo/positioner_demo

test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

$(BUILD_SANITIZE)/CMakeCache.txt: | deps
	cmake -S . -B $(BUILD_SANITIZE) -DCMAKE_BUILD_TYPE=Debug -DPOSITIONER_SANITIZE=ON \
	  -DPOSITIONER_PACKAGE_TEST=OFF

test-sanitize: deps $(BUILD_SANITIZE)/CMakeCache.txt
	cmake --build $(BUILD_SANITIZE) -j $(JOBS)
	cd $(BUILD_SANITIZE) && ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
	  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 ctest --output-on-failure -j $(JOBS)

bench: build
	$(BUILD)/bench/wait_bench
	$(BUILD)/bench/globalvar_bench
	POSITIONER_DATA_DIR=$(BUILD)/bench-data $(BUILD)/bench/userframedyn_bench

$(BUILD_FUZZ)/CMakeCache.txt: | deps-fuzz
	cmake -S . -B $(BUILD_FUZZ) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
	  -DPOSITIONER_FUZZ=ON -DPOSITIONER_BUILD_TESTS=OFF

FUZZ_TARGETS := readpositionerfile_fuzz:calibration writeglobalvarfile_fuzz:globalvar \
                transformline_fuzz:userframedyn

fuzz: deps-fuzz $(BUILD_FUZZ)/CMakeCache.txt
	cmake --build $(BUILD_FUZZ) -j $(JOBS)
	@set -e; for entry in $(FUZZ_TARGETS); do \
	  target=$${entry%%:*}; seeds=$${entry##*:}; \
	  mkdir -p $(BUILD_FUZZ)/corpus/$$target; \
	  echo "== $$target for $(FUZZ_SECONDS) s"; \
	  POSITIONER_DATA_DIR=$(BUILD_FUZZ)/data $(BUILD_FUZZ)/fuzz/$$target -max_total_time=$(FUZZ_SECONDS) \
	    -print_final_stats=1 $(BUILD_FUZZ)/corpus/$$target fuzz/seeds/$$seeds; \
	done

docs: deps $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) --target docs

translations: deps $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) --target translations

clean:
	rm -rf $(BUILD) $(BUILD_SANITIZE) $(BUILD_FUZZ)
