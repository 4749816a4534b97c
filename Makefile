# Two entry points: `make run` builds and starts the game, `make test` builds and runs
# every test (plain build, then the sanitizer build). Both install missing packages first.
BUILD ?= build
ASAN_BUILD ?= build-asan
JOBS ?= $(shell nproc)

.PHONY: run test deps build build-asan format-check clean

run: build
	cd $(BUILD) && ./miravel2

test: build build-asan format-check
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)
	cd $(ASAN_BUILD) && ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1 ctest --output-on-failure -j $(JOBS)

deps:
	@sh scripts/install-deps.sh

build: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BUILD) -j $(JOBS)

build-asan: deps
	cmake -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DMIRAVEL_SANITIZE=ON
	cmake --build $(ASAN_BUILD) -j $(JOBS)

format-check: deps
	sh scripts/format-check.sh

clean:
	rm -rf $(BUILD) $(ASAN_BUILD)
