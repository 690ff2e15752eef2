# Thin front end: CMake does the work. PRESET selects a configure preset
# from CMakePresets.json (release or asan).
PRESET ?= release
BUILD_DIR = $(if $(filter release,$(PRESET)),build,build-$(PRESET))

.PHONY: all build test demo install fuzz bench clean

all: build

build:
	@test -f $(BUILD_DIR)/CMakeCache.txt || cmake --preset $(PRESET)
	cmake --build --preset $(PRESET) -j 2

test: build
	ctest --preset $(PRESET)

demo:
	@$(MAKE) --no-print-directory build PRESET=release
	@scripts/demo build/bin examples

# The programs to PREFIX/bin, their manual pages to PREFIX/share/man/man1;
# DESTDIR, if given, stages the whole tree below it.
PREFIX ?= /usr/local
install: build
	DESTDIR="$(DESTDIR)" cmake --install $(BUILD_DIR) --prefix "$(PREFIX)"

# Coverage-guided fuzzing of every program, FUZZ_SECONDS each (fuzz/run).
FUZZ_SECONDS ?= 60
fuzz:
	FUZZ_SECONDS=$(FUZZ_SECONDS) fuzz/run

# Throughput of every program against its plain version and the floor, and
# how time grows with the input (bench/run; docs/benchmarks.md).
bench:
	@$(MAKE) --no-print-directory build PRESET=release
	bench/run build

clean:
	rm -rf build build-*
