# Build, run and test the Mindloom suite on a Debian machine.
#   make run [APP=pictor|quinto|zolt]   build, then start a program
#   make test                           build, then run every test (the sanitizer build included)
BUILD    ?= build
SANITIZE ?= build-sanitize
FUZZDIR  ?= build-fuzz
APP      ?= pictor
JOBS     ?= $(shell nproc)

PACKAGES := cmake ninja-build g++ clang libgtest-dev libbenchmark-dev qt6-base-dev libqt6printsupport6 \
            libgl-dev xvfb xauth lua5.4 hyperfine

.PHONY: all deps build run test test-fast sanitize-test bench fuzz clean

all: build

deps:
	@missing=$$(for p in $(PACKAGES); do dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null | grep -q 'install ok installed' || echo $$p; done); \
	if [ -n "$$missing" ]; then \
	  if [ "$$(id -u)" = 0 ]; then \
	    echo "Installing:" $$missing; \
	    DEBIAN_FRONTEND=noninteractive apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq $$missing; \
	  else \
	    echo "Missing packages. Install them with:"; echo "  sudo apt-get install -y" $$missing; exit 1; \
	  fi; \
	fi

build: deps
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BUILD) -j $(JOBS)

run: build
	@if [ -x $(BUILD)/bin/$(APP) ]; then exec $(BUILD)/bin/$(APP); \
	else echo "$(APP) is not part of the suite yet (choose APP=pictor, quinto or zolt)"; fi

test: build sanitize-test
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

# The Qt-free core (engine, syntax, codec, zoltc) and its tests under AddressSanitizer and UBSan.
sanitize-test: deps
	cmake -S . -B $(SANITIZE) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DMINDLOOM_CORE_ONLY=ON -DMINDLOOM_SANITIZE=ON
	cmake --build $(SANITIZE) -j $(JOBS)
	cd $(SANITIZE) && ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	  ctest --output-on-failure -j $(JOBS)

bench: build
	bench/run_all.sh $(BUILD)

# libFuzzer over intake, compiler and bounded runs of all five syntaxes, for FUZZ_SECONDS
# (crashes and their inputs land in $(FUZZDIR)/findings).
FUZZ_SECONDS ?= 600
fuzz: deps
	CC=clang CXX=clang++ cmake -S . -B $(FUZZDIR) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DMINDLOOM_CORE_ONLY=ON -DMINDLOOM_FUZZ=ON
	cmake --build $(FUZZDIR) -j $(JOBS) --target syntax_fuzzer syntax_fuzz_seeds
	$(FUZZDIR)/bin/syntax_fuzz_seeds tests/syntax/program_corpus.txt $(FUZZDIR)/corpus
	mkdir -p $(FUZZDIR)/findings
	$(FUZZDIR)/bin/syntax_fuzzer $(FUZZDIR)/corpus fuzz/regressions -max_total_time=$(FUZZ_SECONDS) -max_len=4096 \
	  -artifact_prefix=$(FUZZDIR)/findings/ -print_final_stats=1

clean:
	rm -rf $(BUILD) $(SANITIZE) $(FUZZDIR)
