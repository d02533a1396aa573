# The two commands of the README: `make run` and `make test`.
BUILD ?= build
JOBS ?= $(shell nproc)

.PHONY: deps configure build run test clean

deps:
	@bash scripts/install-deps.sh

configure: deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Release > /dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

run: build
	@$(BUILD)/app/gcode-torvel

test: build
	@cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

clean:
	@rm -rf $(BUILD)

.PHONY: bench
bench: build
	@bash bench/run-bench.sh $(BUILD)

# The whole test suite under AddressSanitizer and UndefinedBehaviorSanitizer.
.PHONY: test-sanitize
test-sanitize: deps
	@cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTORVEL_SANITIZE=address,undefined > /dev/null
	@cmake --build build-sanitize -j $(JOBS)
	@cd build-sanitize && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
	  ctest --output-on-failure -j $(JOBS)

# A bounded fuzz run of the whole conversion from the seed programs.
FUZZ_SECONDS ?= 300
.PHONY: fuzz
fuzz:
	@bash scripts/install-deps.sh --fuzz
	@CC=clang CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DTORVEL_FUZZ=ON -DTORVEL_PARTS="" -DTORVEL_SANITIZE=address,undefined > /dev/null
	@cmake --build build-fuzz -j $(JOBS) --target fuzz_run
	@mkdir -p build-fuzz/corpus build-fuzz/findings
	@build-fuzz/tests/fuzz/fuzz_run -max_total_time=$(FUZZ_SECONDS) -timeout=120 -rss_limit_mb=2048 \
	  -max_len=1024 -artifact_prefix=build-fuzz/findings/ -print_final_stats=1 \
	  build-fuzz/corpus tests/fuzz/corpus
