# Thin front end: CMake does the work. PRESET selects a configure preset
# from CMakePresets.json (release or asan).
PRESET ?= release
BUILD_DIR = $(if $(filter release,$(PRESET)),build,build-$(PRESET))

.PHONY: all build test demo clean

all: build

build:
	@test -f $(BUILD_DIR)/CMakeCache.txt || cmake --preset $(PRESET)
	cmake --build --preset $(PRESET) -j 2

test: build
	ctest --preset $(PRESET)

demo:
	@$(MAKE) --no-print-directory build PRESET=release
	@scripts/demo build/bin examples

clean:
	rm -rf build build-*
