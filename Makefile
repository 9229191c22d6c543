# Two commands a fresh Debian machine needs: `make run` and `make test`.
BUILD   ?= build
ASAN    ?= build-sanitize
FUZZ    ?= build-fuzz
FUZZ_SECONDS ?= 300
JOBS    ?= $(shell nproc)
PREFIX  ?= /usr/local
CMAKE_FLAGS = -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo

.PHONY: all deps deps-test build run test test-sanitize fuzz bench install uninstall clean

all: build

# `make run` needs only what building and running need; the tests bring their tools.
deps:
	@scripts/install-deps run
deps-test:
	@scripts/install-deps test

# A build made for running leaves the tests out, so GoogleTest is not needed for it.
$(BUILD)/build.ninja: | deps
	cmake -S . -B $(BUILD) $(CMAKE_FLAGS) -DBUILD_TESTING=OFF

# The program and its icons only, also in a folder `make test` configured: the tests and
# benchmarks are built by `make test` and `make bench`.
build: deps $(BUILD)/build.ninja
	cmake --build $(BUILD) -j $(JOBS) --target sorvinel icons

run: build
	$(BUILD)/sorvinel

test: deps-test
	cmake -S . -B $(BUILD) $(CMAKE_FLAGS) -DBUILD_TESTING=ON
	cmake --build $(BUILD) -j $(JOBS)
	scripts/run-tests $(BUILD)

test-sanitize: deps-test
	cmake -S . -B $(ASAN) $(CMAKE_FLAGS) -DSORVINEL_SANITIZE=ON -DBUILD_TESTING=ON
	cmake --build $(ASAN) -j $(JOBS)
	ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1 scripts/run-tests $(ASAN)

fuzz:
	@scripts/install-deps fuzz
	FUZZ_BUILD=$(FUZZ) JOBS=$(JOBS) scripts/fuzz $(FUZZ_SECONDS)

bench: deps-test
	cmake -S . -B $(BUILD) $(CMAKE_FLAGS) -DBUILD_TESTING=ON
	cmake --build $(BUILD) -j $(JOBS)
	scripts/run-bench $(BUILD)

# The program, its desktop entry and its icon under $(PREFIX); DESTDIR stages them elsewhere.
# Run `make` first as yourself, then `sudo make install`: installing builds nothing.
# The list of installed files that CMake leaves in the build folder is not used; after a
# `sudo make install` it belongs to root, so it goes first or a later staging would fail.
install:
	@test -x $(BUILD)/sorvinel || { echo "Build first: make" >&2; exit 1; }
	@rm -f $(BUILD)/install_manifest.txt
	DESTDIR="$(DESTDIR)" cmake --install $(BUILD) --prefix "$(PREFIX)" --strip

uninstall:
	DESTDIR="$(DESTDIR)" cmake -DPREFIX="$(PREFIX)" -DBUILD="$(BUILD)" -P cmake/uninstall.cmake

clean:
	rm -rf $(BUILD) $(ASAN) $(FUZZ)
