# make run             build and run the demo host
# make test            build and run the test suite
# make test-sanitize   the suite again under AddressSanitizer and UBSan
# make bench           build and run the benchmarks
#
# Each target first installs the Debian packages the build needs, when some
# are missing (as root, with apt-get).

BUILD ?= build
BUILD_SANITIZE ?= build-sanitize
JOBS ?= $(shell nproc 2>/dev/null || echo 2)

PACKAGES := cmake make g++ qtbase5-dev libpugixml-dev \
            libgtest-dev libgmock-dev libbenchmark-dev libeigen3-dev

.PHONY: all deps build run test test-sanitize bench clean

all: build

deps:
	@missing=$$(for p in $(PACKAGES); do \
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

clean:
	rm -rf $(BUILD) $(BUILD_SANITIZE)
