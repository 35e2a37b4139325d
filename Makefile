# The two commands of the README. Both install what is missing first.
BUILD      ?= build
TEST_BUILD ?= build-test
JOBS       ?= 2
EXAMPLE    ?= examples/clay_over_sand.tm8d
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 60
FUZZ_SMOKE_SECONDS ?= 5

.PHONY: deps build demo gui test package bench fuzz-build fuzz fuzz-smoke clean

deps:
	bash scripts/install-deps.sh

build: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Release -DTALMO_BUILD_TESTS=OFF
	cmake --build $(BUILD) -j $(JOBS)

# Analyse the bundled example and show its report.
demo: build
	mkdir -p $(BUILD)/demo
	cp $(EXAMPLE) $(BUILD)/demo/
	$(BUILD)/engine/talmo run $(BUILD)/demo/$(notdir $(EXAMPLE))
	@echo "----- report: $(BUILD)/demo/$(basename $(notdir $(EXAMPLE))).tm8o -----"
	@cat $(BUILD)/demo/$(basename $(notdir $(EXAMPLE))).tm8o

# Start the desktop program on a copy of the bundled example.
gui: build
	mkdir -p $(BUILD)/demo
	cp $(EXAMPLE) $(BUILD)/demo/
	$(BUILD)/bin/wintalmo $(BUILD)/demo/$(notdir $(EXAMPLE))

# Every test, in a build with AddressSanitizer and UndefinedBehaviorSanitizer.
test: deps
	cmake -S . -B $(TEST_BUILD) -DCMAKE_BUILD_TYPE=Debug -DTALMO_SANITIZE=ON
	cmake --build $(TEST_BUILD) -j $(JOBS)
	cd $(TEST_BUILD) && ctest --output-on-failure -j $(JOBS)
	$(MAKE) --no-print-directory fuzz-smoke

# The Debian package (talmo_VERSION_ARCH.deb) of the Release build, left in this folder:
# install it with `sudo apt install ./talmo_*.deb`.
package: build
	rm -f $(BUILD)/talmo_*.deb
	cd $(BUILD) && cpack -G DEB
	cp $(BUILD)/talmo_*.deb .

# Engine timings (median of several runs) on a large design-chart project and on the example,
# on one and on two case threads, then against the engine before its speed work (BENCH_BASE,
# built once into $(BUILD)/bench-base), then the repaint time of every plot of the large
# project at 1600 x 1000 pixels.
BENCH_BASE ?= 71ff9f1
BENCH_RUNS ?= 7
bench: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Release -DTALMO_BUILD_TESTS=OFF
	cmake --build $(BUILD) -j $(JOBS) --target talmo_bench talmo plot_bench
	$(BUILD)/engine/talmo_bench $(EXAMPLE) $(BENCH_RUNS)
	JOBS=$(JOBS) bash scripts/bench-compare.sh $(BENCH_BASE) $(BUILD) $(BENCH_RUNS) $(EXAMPLE) 5
	$(BUILD)/gui/plot_bench 25

# The libFuzzer targets of tests/fuzz, built with clang (-O1, fuzzer instrumentation, ASan and
# UBSan); only the core library, the engine library and the targets are built, not the desktop
# program.
fuzz-build: deps
	cmake -S . -B $(FUZZ_BUILD) -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=Debug \
	  -DCMAKE_CXX_FLAGS_DEBUG="-g -O1" -DTALMO_FUZZ=ON -DTALMO_BUILD_TESTS=OFF -DTALMO_BUILD_APP=OFF
	cmake --build $(FUZZ_BUILD) -j $(JOBS) --target talmo_fuzzers

# Every fuzz target for FUZZ_SECONDS each; fails on a finding (inputs kept in $(FUZZ_BUILD)/fuzz-findings).
fuzz: fuzz-build
	bash scripts/run-fuzzers.sh $(FUZZ_BUILD) $(FUZZ_SECONDS)

# A few seconds of each fuzz target, run by `make test`.
fuzz-smoke: fuzz-build
	bash scripts/run-fuzzers.sh $(FUZZ_BUILD) $(FUZZ_SMOKE_SECONDS)

clean:
	rm -rf $(BUILD) $(TEST_BUILD) $(FUZZ_BUILD) talmo_*.deb
