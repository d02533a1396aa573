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
	@rm -f "$(BUILD)/example Wrapped.nc"
	@$(BUILD)/torvel examples/example.nc "$(BUILD)/example Wrapped.nc" --wrap X --surface-z 20 --max-segment 0.5 --max-angle 5; \
	  status=$$?; echo "Wrapped program: $(BUILD)/example Wrapped.nc"; exit $$status

test: build
	@cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

clean:
	@rm -rf $(BUILD)

.PHONY: bench
bench: build
	@bash bench/run-bench.sh $(BUILD)
