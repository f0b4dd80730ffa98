# Thin wrapper over CMake. `make` builds the game into build/, `make play`
# starts it, `make test` runs every test. The other targets each use a build
# folder of their own, so they never disturb the plain build.
BUILD_DIR    ?= build
BUILD_TYPE   ?= Release
CMAKE        ?= cmake
CTEST        ?= ctest
JOBS         ?= $(shell nproc 2>/dev/null || echo 2)
FUZZ_SECONDS ?= 60

SANITIZE_DIR := build-sanitize
COVERAGE_DIR := build-coverage
FUZZ_DIR     := build-fuzz

.PHONY: all configure play test bench package sanitize coverage fuzz lint clean

all: configure
	$(CMAKE) --build $(BUILD_DIR) --parallel $(JOBS)

configure:
	$(CMAKE) -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) $(CMAKE_FLAGS)

play: all
	./$(BUILD_DIR)/rozbitek

test: all
	$(CTEST) --test-dir $(BUILD_DIR) --output-on-failure --parallel $(JOBS)

# The game against the least any implementation can do (needs hyperfine and valgrind).
bench: all
	python3 bench/run_bench.py $(BUILD_DIR)/rozbitek $(BUILD_DIR)/bench/floor \
	  $(BUILD_DIR)/tests/peak_memory $(BUILD_DIR)/bench-work

# A Debian package of the game and its manual page, left in the build folder.
package: all
	cd $(BUILD_DIR) && cpack

# The game and all of its tests under AddressSanitizer and UndefinedBehaviorSanitizer.
sanitize:
	$(CMAKE) -S . -B $(SANITIZE_DIR) -DCMAKE_BUILD_TYPE=Debug -DROZBITEK_SANITIZE=ON $(CMAKE_FLAGS)
	$(CMAKE) --build $(SANITIZE_DIR) --parallel $(JOBS)
	ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1 \
	  $(CTEST) --test-dir $(SANITIZE_DIR) --output-on-failure --parallel $(JOBS)

# Line and branch coverage of src/ over the whole suite (gcc and gcovr).
coverage:
	$(CMAKE) -S . -B $(COVERAGE_DIR) -DCMAKE_BUILD_TYPE=Debug -DROZBITEK_COVERAGE=ON $(CMAKE_FLAGS)
	find $(COVERAGE_DIR) -name '*.gcda' -delete
	$(CMAKE) --build $(COVERAGE_DIR) --parallel $(JOBS)
	find $(COVERAGE_DIR) -name '*.gcda' -delete
	$(CTEST) --test-dir $(COVERAGE_DIR) --output-on-failure --parallel $(JOBS)
	gcovr --root . --filter 'src/' --object-directory $(COVERAGE_DIR) \
	  --exclude-throw-branches --exclude-unreachable-branches \
	  --txt --print-summary --fail-under-line 100

# libFuzzer over the game's input, seeded with the transcripts' replies, for FUZZ_SECONDS.
fuzz:
	$(CMAKE) -S . -B $(FUZZ_DIR) -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DROZBITEK_FUZZ=ON $(CMAKE_FLAGS)
	$(CMAKE) --build $(FUZZ_DIR) --parallel $(JOBS)
	mkdir -p $(FUZZ_DIR)/corpus
	for input in tests/transcripts/*.in; do \
	  tail -n +2 "$$input" > $(FUZZ_DIR)/corpus/$$(basename "$$input" .in); done
	./$(FUZZ_DIR)/tests/fuzz/fuzz_game $(FUZZ_DIR)/corpus -max_total_time=$(FUZZ_SECONDS) \
	  -timeout=5 -rss_limit_mb=1024 -print_final_stats=1 -artifact_prefix=$(FUZZ_DIR)/

lint: configure
	clang-tidy -p $(BUILD_DIR) --quiet --warnings-as-errors='*' src/*.cpp tests/*.cpp tests/fuzz/*.cpp
	cppcheck --enable=warning,style,performance,portability --std=c++20 --language=c++ \
	  --error-exitcode=1 --inline-suppr --quiet --suppress=missingIncludeSystem -I src src

clean:
	rm -rf $(BUILD_DIR) $(SANITIZE_DIR) $(COVERAGE_DIR) $(FUZZ_DIR)
