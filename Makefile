# Thin driver over CMake: `make demo` and `make test` are all a new user needs.

BUILD := build
RELEASE := $(BUILD)/release
SANITIZE := $(BUILD)/sanitize
COVERAGE := $(BUILD)/coverage
PACKAGE := $(BUILD)/package
DEMO_OUT := out/zvdemo
CTEST_FLAGS := --output-on-failure --timeout 300 -j2

# The Windows builds that test-win32 runs under Wine: win64, win32 or both.
WIN_BUILDS := win64 win32
FUZZ := $(BUILD)/fuzz
FUZZ_SECONDS := 60

.PHONY: demo test test-release test-sanitize test-win32 coverage test-package bench bench-win32 fuzz format check-format deps clean

demo: deps $(RELEASE)/build.ninja
	cmake --build $(RELEASE) --target zvdemo
	$(RELEASE)/apps/zvdemo/zvdemo /out:$(DEMO_OUT)

test: test-release test-sanitize

test-release: deps $(RELEASE)/build.ninja
	cmake --build $(RELEASE)
	ctest --test-dir $(RELEASE) $(CTEST_FLAGS)

# The whole suite again under AddressSanitizer and UndefinedBehaviorSanitizer.
test-sanitize: deps $(SANITIZE)/build.ninja
	cmake --build $(SANITIZE)
	ctest --test-dir $(SANITIZE) $(CTEST_FLAGS)

# The release build installed into a fresh folder, and the hosts in
# tests/package built against it with find_package and run.
test-package: deps $(RELEASE)/build.ninja
	cmake --build $(RELEASE)
	rm -rf $(PACKAGE)
	cmake --install $(RELEASE) --prefix $(PACKAGE)/install
	cmake -S tests/package -B $(PACKAGE)/consumer -G Ninja -DCMAKE_BUILD_TYPE=Release \
	    -DCMAKE_PREFIX_PATH=$(abspath $(PACKAGE)/install)
	cmake --build $(PACKAGE)/consumer
	$(PACKAGE)/consumer/consumer > $(PACKAGE)/consumer.txt
	grep -Fx 'The panel did not answer. | Timed out after 5 s (Error #1001) | Check the network cable.' \
	    $(PACKAGE)/consumer.txt
	$(PACKAGE)/consumer/consumer_driver

# Line and branch coverage of the library (src/) by the Release suite, with a
# floor: the suite must not lose what it exercises. The build is Release's
# (NDEBUG, the same suites) but without optimisation: an optimised build counts
# each inlined copy of a branch apart, so that a branch the suite takes through
# one caller is missed in the others, and the figures follow the optimiser's
# choices more than the suite. The driver is left out: it is the tests' own
# infrastructure, not library code.
GCOVR_FLAGS := --root . --filter src/ --exclude src/platform/driver/ \
    --exclude src/platform/headless/driver/ --exclude-unreachable-branches \
    --exclude-throw-branches --fail-under-line 93 --fail-under-branch 82

coverage: deps $(COVERAGE)/build.ninja
	cmake --build $(COVERAGE)
	find $(COVERAGE) -name '*.gcda' -delete
	ctest --test-dir $(COVERAGE) $(CTEST_FLAGS)
	gcovr $(GCOVR_FLAGS) -j 2 --print-summary --html-details $(COVERAGE)/report.html \
	    $(COVERAGE)

# The window-system suites cross-built for 64-bit and 32-bit Windows (mingw-w64), run
# under Wine on a virtual display, the real window system as the referee.
test-win32:
	tools/run-wine-tests.sh $(WIN_BUILDS)

bench: deps $(RELEASE)/build.ninja
	cmake --build $(RELEASE)
	for b in $(RELEASE)/bench/zvbench_*; do $$b --benchmark_repetitions=3 \
	    --benchmark_report_aggregates_only=true || exit 1; done

# The window procedure managers against the system's subclass chain on the
# Win32 backend: the plain timing program cross-built for 64-bit Windows and
# run under Wine on a virtual display, in a prefix of its own. The system's
# chain costs microseconds a subclass there, so the runs are shorter.
WIN_BENCH := $(BUILD)/win64-bench
bench-win32:
	cmake --no-warn-unused-cli -S . -B $(WIN_BENCH) -G Ninja -DCMAKE_BUILD_TYPE=Release \
	    -DCMAKE_TOOLCHAIN_FILE=cmake/toolchains/mingw-x86_64.cmake -DZV_BUILD_TESTS=OFF \
	    -DZV_BUILD_DEMO=OFF -DZV_INSTALL=OFF
	cmake --build $(WIN_BENCH) --target zvtiming_subclass
	WINEPREFIX=$(abspath $(WIN_BENCH))/wineprefix WINEARCH=win64 WINEDEBUG=-all \
	    WINEDLLOVERRIDES="mscoree,mshtml=;winedbg.exe=d" \
	    xvfb-run -a /usr/lib/wine/wine64 $(WIN_BENCH)/bench/zvtiming_subclass.exe 20000

# Coverage-guided fuzzing with clang's libFuzzer, under the sanitizers: every
# target in tests/fuzz for FUZZ_SECONDS, each growing its corpus in the build
# folder from the starting inputs kept in tests/fuzz/corpus.
fuzz: deps
	CXX=clang++ cmake -S . -B $(FUZZ) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DZV_SANITIZE=ON \
	    -DZV_BUILD_FUZZERS=ON -DZV_BUILD_TESTS=OFF -DZV_BUILD_BENCHMARKS=OFF
	cmake --build $(FUZZ)
	for target in $(FUZZ)/tests/fuzz/zvfuzz_*; do \
	    name=$${target##*/zvfuzz_}; \
	    mkdir -p $(FUZZ)/corpus/$$name && \
	    $$target -max_total_time=$(FUZZ_SECONDS) -max_len=8192 $(FUZZ)/corpus/$$name \
	        $$(find tests/fuzz/corpus -maxdepth 1 -name $$name) || exit 1; \
	done

deps:
	@tools/ensure-deps.sh

$(RELEASE)/build.ninja:
	cmake -S . -B $(RELEASE) -G Ninja -DCMAKE_BUILD_TYPE=Release

$(SANITIZE)/build.ninja:
	cmake -S . -B $(SANITIZE) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DZV_SANITIZE=ON \
	    -DZV_BUILD_BENCHMARKS=OFF

$(COVERAGE)/build.ninja:
	cmake -S . -B $(COVERAGE) -G Ninja -DCMAKE_BUILD_TYPE=Release -DZV_BUILD_BENCHMARKS=OFF \
	    -DCMAKE_CXX_FLAGS=--coverage -DCMAKE_CXX_FLAGS_RELEASE='-O0 -DNDEBUG'

SOURCES = $(shell git ls-files --cached --others --exclude-standard '*.h' '*.cpp')

format:
	clang-format -i $(SOURCES)

check-format: deps
	@clang-format --dry-run --Werror $(SOURCES) && echo "Every source is formatted."

clean:
	rm -rf $(BUILD) out
