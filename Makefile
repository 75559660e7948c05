# Quorin: the commands a newcomer needs. `make run` and `make test` do all the set-up.
# SPDX-License-Identifier: GPL-3.0-or-later

BUILD      ?= build
JOBS       ?= $(shell nproc)
DEMO_ROOT  ?= $(BUILD)/demo-root
CMAKE_ARGS ?=

# Rebuilds in several checkouts share one compiler cache when ccache is installed.
CCACHE := $(shell command -v ccache 2>/dev/null)
ifneq ($(CCACHE),)
CMAKE_ARGS += -DCMAKE_CXX_COMPILER_LAUNCHER=$(CCACHE) -DCMAKE_C_COMPILER_LAUNCHER=$(CCACHE)
export CCACHE_BASEDIR := $(CURDIR)
export CCACHE_NOHASHDIR := true
endif

.PHONY: all bootstrap configure build test bench fuzz asan run run-student run-teacher demo-root package clean format format-check translations

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

# A data root with two classes, two papers on offer and the help pages. It is made when it
# holds no papers yet (a missing root, or one that only has a roster).
demo-root:
	@[ -d "$(DEMO_ROOT)/SHIJUAN" ] || scripts/make-demo-root "$(DEMO_ROOT)"

run-student: build demo-root
	$(BUILD)/bin/student --data-root $(DEMO_ROOT)

# The teacher program on the demo data root.
run-teacher: build demo-root
	$(BUILD)/bin/teacher --data-root $(DEMO_ROOT)

run: run-teacher

# A .deb of the programs (build/quorin_<version>_<arch>.deb); scripts/check-package checks it.
package: build
	cd $(BUILD) && cpack -G DEB

clean:
	rm -rf $(BUILD) build-asan build-bench build-fuzz

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

# Fails, naming the files, when any C++ file differs from what `make format` would make.
format-check: bootstrap
	git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run --Werror

# Brings translations/*.ts up to date with the sources; then translate what is new
# (Qt Linguist, or by hand) until scripts/check-translations passes.
translations: bootstrap
	/usr/lib/qt6/bin/lupdate -locations none -no-obsolete src -ts translations/*.ts
