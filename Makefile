# The two commands: `make run` (the viewer on the demo log) and `make test` (every test).
# Both install what they need first.
BUILD      ?= build
ASAN_BUILD ?= build-asan
TSAN_BUILD ?= build-tsan
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 60
JOBS       ?= $(shell nproc)
CMAKE_GEN  := -G Ninja
DEMO       := samples/demo.zrl

.PHONY: all deps configure build test test-normal test-asan test-tsan run bench fuzz clean

all: build

deps:
	@./scripts/install-deps.sh

configure: deps
	@cmake -S . -B $(BUILD) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

test: test-normal test-asan test-tsan

test-normal: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# The core library and its tests again, with AddressSanitizer and UndefinedBehaviorSanitizer.
test-asan: deps
	@cmake -S . -B $(ASAN_BUILD) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Debug -DZRL_SANITIZE=ON \
	  -DZRL_CORE_ONLY=ON -DZRL_BENCH=OFF >/dev/null
	@cmake --build $(ASAN_BUILD) -j $(JOBS)
	cd $(ASAN_BUILD) && ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
	  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 ctest --output-on-failure -j $(JOBS)

# The tests of tests/concurrency (suites named Concurrency*) under ThreadSanitizer.
test-tsan: deps
	@cmake -S . -B $(TSAN_BUILD) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Debug -DZRL_TSAN=ON \
	  -DZRL_CORE_ONLY=ON -DZRL_BENCH=OFF >/dev/null
	@if ninja -C $(TSAN_BUILD) -t targets all | grep -q '^test_concurrency:'; then \
	  cmake --build $(TSAN_BUILD) -j $(JOBS) --target test_concurrency && \
	  cd $(TSAN_BUILD) && TSAN_OPTIONS=halt_on_error=1 ctest --output-on-failure -R '^Concurrency' -j $(JOBS); \
	else echo "test-tsan: no concurrency tests yet"; fi

run: build
	@./scripts/run-demo.sh $(BUILD) $(DEMO)

bench: build
	@for b in $(BUILD)/bench/bench_*; do echo "== $$b"; $$b; done

# Every libFuzzer target for FUZZ_SECONDS each (clang, ASan+UBSan), starting from its seed
# corpus; new inputs are kept in $(FUZZ_BUILD)/corpus/<name>. Not part of CI.
fuzz: deps
	@CC=clang CXX=clang++ cmake -S . -B $(FUZZ_BUILD) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZRL_FUZZ=ON \
	  -DZRL_CORE_ONLY=ON -DZRL_BENCH=OFF >/dev/null
	@targets=$$(ninja -C $(FUZZ_BUILD) -t targets all | sed -n 's/^\(fuzz_[a-z0-9]*\):.*/\1/p' | sort -u); \
	cmake --build $(FUZZ_BUILD) -j $(JOBS) --target $$targets && \
	for t in $$targets; do name=$${t#fuzz_}; mkdir -p $(FUZZ_BUILD)/corpus/$$name; \
	  echo "== $$t for $(FUZZ_SECONDS) s"; \
	  $(FUZZ_BUILD)/fuzz/$$t -max_total_time=$(FUZZ_SECONDS) -print_final_stats=1 \
	    $(FUZZ_BUILD)/corpus/$$name fuzz/corpus/$$name || exit 1; done

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(TSAN_BUILD) $(FUZZ_BUILD)
