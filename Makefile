# The everyday commands. Each one installs what is missing and builds first.
#   make run        build, then start the desktop program on a copy of the sample log
#   make test       build, then run every test
#   make sanitize   build with AddressSanitizer + UBSan in build-asan/ and run the tests
#   make bench      build, then run the benchmarks
#   make bench-start  build, then time the whole start against a bare Qt window
#   make fuzz       build the libFuzzer targets (FIT, CSV, the log's lines) with clang in build-fuzz/ and run
#                   each for FUZZ_RUNS executions (a million by default)
#   make dist       build, then lay out build/dist/Orvanta/ with the manual and pack it
#   make check-install  make dist, then install the tarball on a virtual display as a person would
#   make clean      remove the build folders

BUILD_DIR := build
ASAN_DIR := build-asan
FUZZ_DIR := build-fuzz
FUZZ_RUNS ?= 1000000
BIN := $(BUILD_DIR)/bin
JOBS := $(shell nproc 2>/dev/null || echo 2)
BUILD_TYPE := RelWithDebInfo
# Five runs of each benchmark; the ratios printed at the end compare medians.
BENCH_ARGS ?= --benchmark_repetitions=5 --benchmark_report_aggregates_only=true

SAMPLE := examples/Sample.dat
RUN_LOG := $(BUILD_DIR)/Sample.dat

# Steps run in the order written: deps before build before the tests.
.NOTPARALLEL:
.PHONY: all deps build test run sanitize bench bench-start fuzz dist check-install clean

all: build

deps:
	bash scripts/install-deps.sh

build:
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=$(BUILD_TYPE)
	cmake --build $(BUILD_DIR) -j$(JOBS)

test: deps build
	ctest --test-dir $(BUILD_DIR) --output-on-failure -j2

# Starts the desktop program on a copy of the sample log.
run: deps build $(RUN_LOG)
	$(BIN)/ORVXP $(abspath $(RUN_LOG))

# The desktop program edits the log it opens: it gets a copy, made once, so
# that later runs keep what was changed in it and the shipped sample stays.
$(RUN_LOG):
	mkdir -p $(BUILD_DIR)
	cp $(SAMPLE) $@

sanitize: deps
	cmake -S . -B $(ASAN_DIR) -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) -DORV_SANITIZE=ON
	cmake --build $(ASAN_DIR) -j$(JOBS)
	ctest --test-dir $(ASAN_DIR) --output-on-failure -j2

bench: deps build
	@set -e; for program in $(BIN)/bench_*; do \
		[ -x "$$program" ] || continue; \
		echo "== $$program"; \
		"$$program" $(BENCH_ARGS); \
	done

bench-start: deps build
	bench/start_ratio.sh $(BUILD_DIR) 7

# Each target starts from the test files of its format and keeps what it
# finds in $(FUZZ_DIR)/corpus-NAME; a finding stops the run with its input.
fuzz: deps
	cmake -S tests/fuzz -B $(FUZZ_DIR) -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(FUZZ_DIR) -j$(JOBS)
	@set -e; for name in fit csv lines; do \
		mkdir -p $(FUZZ_DIR)/corpus-$$name; \
		case $$name in fit) seeds=tests/data/fit/*.fit ;; csv) seeds=tests/data/import/*.csv ;; \
			lines) seeds=tests/data/*.dat ;; esac; \
		cp $$seeds $(FUZZ_DIR)/corpus-$$name/; \
		echo "== fuzz_$$name, $(FUZZ_RUNS) runs"; \
		$(FUZZ_DIR)/fuzz_$$name -runs=$(FUZZ_RUNS) -max_len=4096 -print_final_stats=1 \
			-artifact_prefix=$(FUZZ_DIR)/finding-$$name- $(FUZZ_DIR)/corpus-$$name; \
	done

dist: deps build
	cmake --build $(BUILD_DIR) --target dist

check-install: dist
	bash scripts/check-install.sh $(BUILD_DIR)/dist/Orvanta-*-linux-*.tar.gz

clean:
	rm -rf $(BUILD_DIR) $(ASAN_DIR) $(FUZZ_DIR)
