# Thin wrapper over CMake: `make`, `make play`, `make test`, `make clean`.
BUILD_DIR  ?= build
BUILD_TYPE ?= Release
CMAKE      ?= cmake
CTEST      ?= ctest
JOBS       ?= $(shell nproc 2>/dev/null || echo 2)

.PHONY: all configure play test clean

all: configure
	$(CMAKE) --build $(BUILD_DIR) --parallel $(JOBS)

configure:
	$(CMAKE) -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) $(CMAKE_FLAGS)

play: all
	./$(BUILD_DIR)/rozbitek

test: all
	$(CTEST) --test-dir $(BUILD_DIR) --output-on-failure --parallel $(JOBS)

clean:
	rm -rf $(BUILD_DIR)
