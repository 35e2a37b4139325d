# The two commands of the README. Both install what is missing first.
BUILD      ?= build
TEST_BUILD ?= build-test
JOBS       ?= 2
EXAMPLE    ?= examples/clay_over_sand.tm8d

.PHONY: deps build demo test bench clean

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

# Every test, in a build with AddressSanitizer and UndefinedBehaviorSanitizer.
test: deps
	cmake -S . -B $(TEST_BUILD) -DCMAKE_BUILD_TYPE=Debug -DTALMO_SANITIZE=ON
	cmake --build $(TEST_BUILD) -j $(JOBS)
	cd $(TEST_BUILD) && ctest --output-on-failure -j $(JOBS)

# Engine timings (median of several runs) on a large design-chart project and on the example.
bench: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Release -DTALMO_BUILD_TESTS=OFF
	cmake --build $(BUILD) -j $(JOBS) --target talmo_bench
	$(BUILD)/engine/talmo_bench $(EXAMPLE) 7

clean:
	rm -rf $(BUILD) $(TEST_BUILD)
