# EMBERLIN: the two commands of the README are `make run` and `make test`.
# Each installs what is missing, configures, builds, then runs the program or the tests.

BUILD      := build
BENCH_BUILD := build-bench
# One clang tree with AddressSanitizer and UndefinedBehaviorSanitizer builds both the
# sanitized GoogleTest programs and the libFuzzer targets from the same objects.
CHECK_BUILD := build-check
# Seconds each fuzzer explores in `make fuzz`.
FUZZ_SECONDS ?= 300
JOBS       ?= $(shell nproc)
CMAKE_GEN  := -G Ninja
# The clang driver that is installed: `clang++` (package clang) or clang-14's own name.
CLANGXX    := $(shell command -v clang++ 2>/dev/null || command -v clang++-14 2>/dev/null || echo clang++)
# ccache, when present, serves every tree; paths are hashed relative to this checkout so
# another clone of the repository (CI's) hits the same cache entries.
CCACHE     := $(shell command -v ccache 2>/dev/null)
ifneq ($(CCACHE),)
CMAKE_GEN  += -DCMAKE_CXX_COMPILER_LAUNCHER=$(CCACHE)
export CCACHE_BASEDIR := $(CURDIR)
export CCACHE_NOHASHDIR := true
endif

.PHONY: deps configure build run test test-main test-asan test-fuzz fuzz fuzz-build check-build bench locale clean
.PHONY: install package test-install test-format test-illustrations

deps:
	@bash scripts/install-deps.sh

$(BUILD)/build.ninja: | deps
	cmake -S . -B $(BUILD) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Release -DEMBERLIN_WERROR=ON

configure: $(BUILD)/build.ninja

build: deps configure
	cmake --build $(BUILD) -j $(JOBS)

run: build
	./$(BUILD)/emberlin

# A comma-decimal locale for the number-text tests; generated when the machine lacks it.
locale: deps
	@locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$$' || \
	  localedef -i de_DE -f UTF-8 de_DE.UTF-8 2>/dev/null || \
	  sudo -n localedef -i de_DE -f UTF-8 de_DE.UTF-8 2>/dev/null || true

test-main: build locale
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

$(CHECK_BUILD)/build.ninja: | deps
	CXX=$(CLANGXX) cmake -S . -B $(CHECK_BUILD) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DEMBERLIN_WERROR=ON \
	  -DEMBERLIN_WITH_QT=OFF -DEMBERLIN_SANITIZE=ON -DEMBERLIN_FUZZ=ON -DEMBERLIN_TESTS=ON

check-build: deps $(CHECK_BUILD)/build.ninja
	cmake --build $(CHECK_BUILD) -j $(JOBS)

# The engine and form tests under the sanitizers.
test-asan: check-build locale
	cd $(CHECK_BUILD) && ctest --output-on-failure -j $(JOBS)

fuzz-build: check-build

# Replays the committed corpus and regression inputs, then runs each target
# deterministically (fixed seed, fixed number of runs), so only a change of code can fail.
test-fuzz: fuzz-build locale
	bash scripts/fuzz.sh replay $(CHECK_BUILD)

# Explores for FUZZ_SECONDS per target; new inputs land in fuzz/out/<target>.
fuzz: fuzz-build
	bash scripts/fuzz.sh explore $(CHECK_BUILD) $(FUZZ_SECONDS)

# Formatting first: it takes a second and fails before any build.
test-format: deps
	bash scripts/check-format.sh

# The pictures in resources/images are drawn by scripts/draw_illustrations.py: a committed
# SVG that differs from its drawing fails.
test-illustrations: deps
	bash scripts/check-illustrations.sh

test: test-format test-illustrations test-main test-asan test-fuzz

$(BENCH_BUILD)/build.ninja: | deps
	cmake -S . -B $(BENCH_BUILD) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Release \
	  -DEMBERLIN_TESTS=OFF -DEMBERLIN_BENCH=ON

bench: deps $(BENCH_BUILD)/build.ninja
	cmake --build $(BENCH_BUILD) -j $(JOBS)
	@bash scripts/startup_bench.sh $(BENCH_BUILD)

clean:
	rm -rf $(BUILD) $(BENCH_BUILD) $(CHECK_BUILD)

# Installs into PREFIX (DESTDIR is honoured for staged installs).
PREFIX ?= /usr/local
install: build
	cmake --install $(BUILD) --prefix $(PREFIX)
	@# A live install (no DESTDIR) refreshes the desktop's file type, menu and icon caches.
	@if [ -z "$(DESTDIR)" ]; then \
	  ! command -v update-mime-database >/dev/null || update-mime-database $(PREFIX)/share/mime; \
	  ! command -v update-desktop-database >/dev/null || \
	    update-desktop-database -q $(PREFIX)/share/applications; \
	  ! command -v gtk-update-icon-cache >/dev/null || \
	    gtk-update-icon-cache -qtf $(PREFIX)/share/icons/hicolor; \
	fi

# The Debian package, build/emberlin_<version>_<arch>.deb.
package: build
	cd $(BUILD) && cpack -G DEB

# `make test` also checks what would be installed.
test: test-install

# Installs into a temporary DESTDIR, checks that every file is there, and validates the
# desktop entry, the AppStream metadata, the MIME package and the manual page.
test-install: build
	bash scripts/check-install.sh $(BUILD)
