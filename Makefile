# make run             build and run the demo host
# make test            build and run the test suite
# make test-sanitize   the suite again under AddressSanitizer and UBSan
# make bench           build and run the benchmarks
# make fuzz            run the fuzz targets for FUZZ_SECONDS each (clang, libFuzzer)
# make package         Debian packages of the build: runtime, -dev and simulation
# make abi-check       compare the shipped libraries' ABI with the checked-in baselines
# make abi-baseline    take the libraries' ABI as the new baselines (after a deliberate change)
# make test-arm64      cross-build for 64-bit ARM and run the suite under qemu-user
# make docs            the API reference (Doxygen) into $(BUILD)/docs/html
# make translations    refresh translations/*.ts from the sources; fails while
#                      a text has no finished translation
#
# Each target first installs the Debian packages the build needs, when some
# are missing (as root, with apt-get).

BUILD ?= build
BUILD_SANITIZE ?= build-sanitize
BUILD_FUZZ ?= build-fuzz
BUILD_ARM64 ?= build-arm64
FUZZ_SECONDS ?= 60
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
# The tests spend most of their time waiting for simulated answers, so more of
# them run at once than there are cores.
TEST_JOBS ?= $(shell echo $$(( $(JOBS) * 2 )))

PACKAGES := cmake make g++ qtbase5-dev libqt5svg5-dev libpugixml-dev \
            libgtest-dev libgmock-dev libbenchmark-dev libeigen3-dev \
            qt5-qmake pkg-config dpkg-dev file abigail-tools chromium \
            qttools5-dev qttools5-dev-tools doxygen lintian \
            xvfb xauth fonts-droid-fallback
FUZZ_PACKAGES := clang libclang-rt-dev
ARM64_PACKAGES := g++-aarch64-linux-gnu qemu-user \
                  qtbase5-dev:arm64 libqt5svg5-dev:arm64 libpugixml-dev:arm64 libgtest-dev:arm64 libgmock-dev:arm64

# Everything of the project, warnings as errors.
PROJECT_OPTIONS := -DPOSITIONER_WERROR=ON -DPOSITIONER_BUILD_SIM=ON -DPOSITIONER_BUILD_DEMO=ON \
                   -DPOSITIONER_BUILD_BENCH=ON -DPOSITIONER_BUILD_TESTS=ON

.PHONY: all deps deps-fuzz deps-arm64 build run test test-sanitize bench fuzz package \
        abi-check abi-baseline test-arm64 docs translations clean

all: build

deps: PACKAGES_WANTED = $(PACKAGES)
deps-fuzz: PACKAGES_WANTED = $(PACKAGES) $(FUZZ_PACKAGES)
deps-arm64: PACKAGES_WANTED = $(PACKAGES) $(ARM64_PACKAGES)
deps deps-fuzz deps-arm64:
	@missing=$$(for p in $(PACKAGES_WANTED); do \
	    dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null | grep -q '^install ok installed$$' || echo $$p; \
	  done); \
	if [ -n "$$missing" ]; then \
	  echo "Installing missing packages:" $$missing; \
	  if [ "$$(id -u)" != 0 ]; then echo "run as root to install them" >&2; exit 1; fi; \
	  export DEBIAN_FRONTEND=noninteractive; \
	  for arch in $$(echo "$$missing" | tr ' ' '\n' | sed -n 's/.*:\(.*\)/\1/p' | sort -u); do \
	    dpkg --print-foreign-architectures | grep -qx "$$arch" || dpkg --add-architecture "$$arch"; \
	  done; \
	  apt-get update -qq && apt-get install -y -qq --no-install-recommends $$missing; \
	fi

$(BUILD)/CMakeCache.txt: | deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo $(PROJECT_OPTIONS)

build: deps $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j $(JOBS)

run: build
	$(BUILD)/demo/positioner_demo

test: build
	cd $(BUILD) && ctest --output-on-failure -j $(TEST_JOBS)

$(BUILD_SANITIZE)/CMakeCache.txt: | deps
	cmake -S . -B $(BUILD_SANITIZE) -DCMAKE_BUILD_TYPE=Debug $(PROJECT_OPTIONS) -DPOSITIONER_SANITIZE=ON \
	  -DPOSITIONER_PACKAGE_TEST=OFF

test-sanitize: deps $(BUILD_SANITIZE)/CMakeCache.txt
	cmake --build $(BUILD_SANITIZE) -j $(JOBS)
	cd $(BUILD_SANITIZE) && ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
	  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 ctest --output-on-failure -j $(TEST_JOBS)

bench: build
	$(BUILD)/bench/wait_bench
	$(BUILD)/bench/globalvar_bench
	POSITIONER_DATA_DIR=$(BUILD)/bench-data $(BUILD)/bench/userframedyn_bench
	POSITIONER_DATA_DIR=$(BUILD)/bench-data $(BUILD)/bench/advisor_bench
	POSITIONER_DATA_DIR=$(BUILD)/bench-data $(BUILD)/bench/largefiles_bench
	$(BUILD)/bench/tool_bench
	POSITIONER_DATA_DIR=$(BUILD)/bench-data QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1280x1024x24" \
	  $(BUILD)/bench/screen_bench

$(BUILD_FUZZ)/CMakeCache.txt: | deps-fuzz
	cmake -S . -B $(BUILD_FUZZ) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
	  $(PROJECT_OPTIONS) -DPOSITIONER_FUZZ=ON -DPOSITIONER_BUILD_TESTS=OFF

FUZZ_TARGETS := readpositionerfile_fuzz:calibration writeglobalvarfile_fuzz:globalvar \
                transformline_fuzz:userframedyn assessgroup_fuzz:advisor \
                rewriteprogram_fuzz:userframedyn toolreader_fuzz:tool

fuzz: deps-fuzz $(BUILD_FUZZ)/CMakeCache.txt
	cmake --build $(BUILD_FUZZ) -j $(JOBS)
	@set -e; for entry in $(FUZZ_TARGETS); do \
	  target=$${entry%%:*}; seeds=$${entry##*:}; \
	  mkdir -p $(BUILD_FUZZ)/corpus/$$target; \
	  echo "== $$target for $(FUZZ_SECONDS) s"; \
	  POSITIONER_DATA_DIR=$(BUILD_FUZZ)/data $(BUILD_FUZZ)/fuzz/$$target -max_total_time=$(FUZZ_SECONDS) \
	    -print_final_stats=1 $(BUILD_FUZZ)/corpus/$$target fuzz/seeds/$$seeds; \
	done

# The same target packages a vendor build: cmake --build <dir> --target package.
package: build
	cmake --build $(BUILD) --target package

# The ABI of every shared library a host links, as hosts see it: the types of
# its installed headers and its exported symbols. Any difference fails the
# check; a deliberate one is taken into the baseline with abi-baseline.
# libpositioner and its advisor go onto the pendant; the simulation's library
# is linked by hosts while they are developed.
ABI_LIBRARIES := libpositioner libpositioner_advisor libpositioner_sim
ABI_libpositioner := positioner/libpositioner.so
ABI_libpositioner_HEADERS := positioner/positioner_global.h positioner/positionerdata.h \
    positioner/positionerdiagnostics.h positioner/positionerparm.h positioner/positionervariables.h positioner/teachedpoint.h \
    positioner/teachinglimits.h userframedyn/userframedyneditor.h
ABI_libpositioner_advisor := advisor/libpositioner_advisor.so
ABI_libpositioner_advisor_HEADERS := advisor/advisor_global.h advisor/calibrationpoints.h \
    advisor/pointexplanation.h advisor/groupassessment.h
ABI_libpositioner_sim := services/libpositioner_sim.so
ABI_libpositioner_sim_HEADERS := $(wildcard services/rtmcore/*.h services/dataaccess/*.h services/rpllib/*.h \
    services/guilib/*.h services/sim/*.h) \
    $(addprefix controllersim/,startcontroller.h controllersimulator.h positionerroutines.h cellmodel.h \
    frames.h calibrationreader.h samplefiles.h)
ABI_libpositioner_sim_SUPPRESSIONS := abi/libpositioner_sim.suppr

# abidw <library> <output>
ABIDW = abidw --no-corpus-path --no-comp-dir-path --short-locs --drop-private-types \
        $(addprefix --header-file $(CURDIR)/,$(ABI_$(1)_HEADERS)) \
        $(addprefix --suppressions ,$(ABI_$(1)_SUPPRESSIONS)) --out-file $(2) $(BUILD)/$(ABI_$(1))

abi-baseline: build
	$(foreach library,$(ABI_LIBRARIES),$(call ABIDW,$(library),abi/$(library).abi) &&) true

abi-check: build
	@failed=; \
	$(foreach library,$(ABI_LIBRARIES),\
	  echo "== $(library).so"; \
	  $(call ABIDW,$(library),$(BUILD)/$(library).abi) || exit 2; \
	  abidiff abi/$(library).abi $(BUILD)/$(library).abi || failed="$$failed $(library).so";) \
	if [ -n "$$failed" ]; then \
	  echo "No longer matching their baselines in abi/:$$failed." >&2; \
	  echo "Intended? Then take them as the new baselines with 'make abi-baseline'." >&2; exit 1; \
	fi

$(BUILD_ARM64)/CMakeCache.txt: | deps-arm64
	cmake -S . -B $(BUILD_ARM64) -DCMAKE_TOOLCHAIN_FILE=cmake/aarch64-linux-gnu.cmake \
	  -DCMAKE_BUILD_TYPE=RelWithDebInfo $(PROJECT_OPTIONS) -DPOSITIONER_BUILD_DEMO=OFF \
	  -DPOSITIONER_BUILD_BENCH=OFF

test-arm64: deps-arm64 $(BUILD_ARM64)/CMakeCache.txt
	cmake --build $(BUILD_ARM64) -j $(JOBS)
	cd $(BUILD_ARM64) && ctest --output-on-failure -j $(JOBS)

docs: deps $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) --target docs

translations: deps $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) --target translations

clean:
	rm -rf $(BUILD) $(BUILD_SANITIZE) $(BUILD_FUZZ) $(BUILD_ARM64)
