# EMBERLIN: the two commands of the README are `make run` and `make test`.
# Each installs what is missing, configures, builds, then runs the program or the tests.

BUILD      := build
ASAN_BUILD := build-asan
BENCH_BUILD := build-bench
JOBS       ?= $(shell nproc)
CMAKE_GEN  := -G Ninja

.PHONY: deps configure build run test test-main test-asan bench locale clean

deps:
	@bash scripts/install-deps.sh

$(BUILD)/build.ninja: | deps
	cmake -S . -B $(BUILD) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Release

configure: $(BUILD)/build.ninja

build: deps configure
	cmake --build $(BUILD) -j $(JOBS)

run: build
	./$(BUILD)/emberlin

# A comma-decimal locale for the number-text tests; generated when the machine lacks it.
locale: deps
	@locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$$' || \
	  localedef -i de_DE -f UTF-8 de_DE.UTF-8 2>/dev/null || \
	  sudo localedef -i de_DE -f UTF-8 de_DE.UTF-8 || true

test-main: build locale
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

$(ASAN_BUILD)/build.ninja: | deps
	cmake -S . -B $(ASAN_BUILD) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DEMBERLIN_WITH_QT=OFF -DEMBERLIN_SANITIZE=ON

test-asan: deps locale $(ASAN_BUILD)/build.ninja
	cmake --build $(ASAN_BUILD) -j $(JOBS)
	cd $(ASAN_BUILD) && ctest --output-on-failure -j $(JOBS)

test: test-main test-asan

$(BENCH_BUILD)/build.ninja: | deps
	cmake -S . -B $(BENCH_BUILD) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Release \
	  -DEMBERLIN_WITH_QT=OFF -DEMBERLIN_BENCH=ON

bench: deps $(BENCH_BUILD)/build.ninja
	cmake --build $(BENCH_BUILD) -j $(JOBS)
	@for b in $(BENCH_BUILD)/*_bench; do echo "== $$b"; $$b; done

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(BENCH_BUILD)
