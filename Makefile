# Quorin: the commands a newcomer needs. `make run` and `make test` do all the set-up.
# SPDX-License-Identifier: GPL-3.0-or-later

BUILD      ?= build
JOBS       ?= $(shell nproc)
DEMO_ROOT  ?= $(BUILD)/demo-root
CMAKE_ARGS ?=

.PHONY: all bootstrap configure build test bench fuzz asan run run-student run-teacher demo-root clean format

all: build

bootstrap:
	@scripts/bootstrap

$(BUILD)/build.ninja:
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_ARGS)

configure: bootstrap $(BUILD)/build.ninja

build: configure
	cmake --build $(BUILD) -j $(JOBS)

test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

# The store's tests once more with AddressSanitizer and UndefinedBehaviorSanitizer.
asan: bootstrap
	cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DQUORIN_SANITIZE=ON -DQUORIN_STORE_ONLY=ON
	cmake --build build-asan -j $(JOBS)
	cd build-asan && ctest --output-on-failure -j $(JOBS) -L store

bench: bootstrap
	cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DQUORIN_BENCH=ON
	cmake --build build-bench -j $(JOBS)
	@for b in build-bench/bin/bench_*; do echo "== $$b"; $$b --benchmark_counters_tabular=true || exit 1; done

# Each fuzz target for FUZZ_SECONDS from its seed corpus.
FUZZ_SECONDS ?= 60
fuzz: bootstrap
	CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUORIN_FUZZ=ON -DQUORIN_STORE_ONLY=OFF
	cmake --build build-fuzz -j $(JOBS) --target fuzz_all
	@scripts/run-fuzz build-fuzz $(FUZZ_SECONDS)

# The teacher program on the demo data root. When no demo root exists yet, a minimal one is
# made here: two classes and the help pages, enough to find one's way around.
run-teacher: build
	@if [ ! -d "$(DEMO_ROOT)/sys" ]; then \
	  mkdir -p "$(DEMO_ROOT)/sys" && \
	  printf '%s\r\n' '[ClassName]' 'ClassNameCount=2' '1=A1' '2=A2' \
	    '[ClassCount]' 'A1=30' 'A2=28' '[FirstNumber]' 'A1=1' 'A2=1' \
	    '[LastNumber]' 'A1=30' 'A2=28' > "$(DEMO_ROOT)/sys/sys.cho" && \
	  echo "run-teacher: made a minimal demo data root in $(DEMO_ROOT)"; \
	fi
	@[ -d "$(DEMO_ROOT)/help" ] || cp -r data/help "$(DEMO_ROOT)/help"
	$(BUILD)/bin/teacher --data-root $(DEMO_ROOT)

clean:
	rm -rf $(BUILD) build-asan build-bench build-fuzz

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i
