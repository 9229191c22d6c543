# Two commands a fresh Debian machine needs: `make run` and `make test`.
BUILD   ?= build
ASAN    ?= build-sanitize
FUZZ    ?= build-fuzz
FUZZ_SECONDS ?= 300
JOBS    ?= $(shell nproc)
CMAKE_FLAGS = -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo

.PHONY: all deps build run test test-sanitize fuzz bench clean

all: build

deps:
	@scripts/install-deps

$(BUILD)/build.ninja: | deps
	cmake -S . -B $(BUILD) $(CMAKE_FLAGS)

build: deps $(BUILD)/build.ninja
	cmake --build $(BUILD) -j $(JOBS)

run: build
	$(BUILD)/sorvinel

test: build
	scripts/run-tests $(BUILD)

test-sanitize: deps
	cmake -S . -B $(ASAN) $(CMAKE_FLAGS) -DSORVINEL_SANITIZE=ON
	cmake --build $(ASAN) -j $(JOBS)
	ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1 scripts/run-tests $(ASAN)

fuzz: deps
	FUZZ_BUILD=$(FUZZ) JOBS=$(JOBS) scripts/fuzz $(FUZZ_SECONDS)

bench: build
	scripts/run-bench $(BUILD)

clean:
	rm -rf $(BUILD) $(ASAN) $(FUZZ)
