# Thin driver over CMake: `make demo` and `make test` are all a new user needs.

BUILD := build
RELEASE := $(BUILD)/release
SANITIZE := $(BUILD)/sanitize
DEMO_OUT := out/zvdemo
CTEST_FLAGS := --output-on-failure --timeout 300 -j2

WIN32_BUILD := $(BUILD)/win32
FUZZ := $(BUILD)/fuzz
FUZZ_SECONDS := 60

.PHONY: demo test test-release test-sanitize test-win32 bench fuzz format check-format deps clean

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

# The window-system suites cross-built for 32-bit Windows (mingw-w64) and run
# under Wine on a virtual display, the real window system as the referee.
test-win32:
	tools/run-wine-tests.sh $(WIN32_BUILD)

bench: deps $(RELEASE)/build.ninja
	cmake --build $(RELEASE)
	for b in $(RELEASE)/bench/zvbench_*; do $$b --benchmark_repetitions=3 \
	    --benchmark_report_aggregates_only=true || exit 1; done

# Coverage-guided fuzzing with clang's libFuzzer, under the sanitizers.
fuzz: deps
	CXX=clang++ cmake -S . -B $(FUZZ) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DZV_SANITIZE=ON \
	    -DZV_BUILD_FUZZERS=ON -DZV_BUILD_TESTS=OFF -DZV_BUILD_BENCHMARKS=OFF
	cmake --build $(FUZZ)
	mkdir -p $(FUZZ)/corpus/cmdline $(FUZZ)/corpus/formfile
	$(FUZZ)/tests/fuzz/zvfuzz_cmdline -max_total_time=$(FUZZ_SECONDS) -max_len=4096 \
	    $(FUZZ)/corpus/cmdline
	$(FUZZ)/tests/fuzz/zvfuzz_formfile -max_total_time=$(FUZZ_SECONDS) -max_len=8192 \
	    $(FUZZ)/corpus/formfile

deps:
	@tools/ensure-deps.sh

$(RELEASE)/build.ninja:
	cmake -S . -B $(RELEASE) -G Ninja -DCMAKE_BUILD_TYPE=Release

$(SANITIZE)/build.ninja:
	cmake -S . -B $(SANITIZE) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DZV_SANITIZE=ON \
	    -DZV_BUILD_BENCHMARKS=OFF

SOURCES = $(shell git ls-files --cached --others --exclude-standard '*.h' '*.cpp')

format:
	clang-format -i $(SOURCES)

check-format: deps
	@clang-format --dry-run --Werror $(SOURCES) && echo "Every source is formatted."

clean:
	rm -rf $(BUILD) out
