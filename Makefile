# make run   - install what is missing, build, start velmora
# make test  - install what is missing, build normally and with sanitizers, run every test
# make build - install what is missing and build (build/)
# make windows - install what is missing and cross-build velmora.exe and its zip (build-win/)
# make fuzz  - build the fuzz targets with Clang's libFuzzer and run each for a bounded count
# make bench - build and run the benchmarks
# make check-format - fail when a source file is not as clang-format formats it
#
# Warnings are errors in every build made here (make test is what CI runs); a plain
# `cmake -S . -B dir` leaves them warnings, and `make run WERROR=OFF` does the same here.

JOBS ?= $(shell nproc)
BUILD := build
SANITIZE_BUILD := build-sanitize
WINDOWS_BUILD := build-win
FUZZ_BUILD := build-fuzz
FUZZ_RUNS ?= 10000
CMAKE_GEN := -G Ninja
WERROR ?= ON

.PHONY: deps build build-sanitize build-fuzz windows run test fuzz bench format check-format clean

deps:
	@bash scripts/install-deps.sh

build: deps
	@cmake -S . -B $(BUILD) $(CMAKE_GEN) -DVELMORA_WERROR=$(WERROR) -DCMAKE_BUILD_TYPE=Release >/dev/null
	@cmake --build $(BUILD) -j $(JOBS)

build-sanitize: deps
	@cmake -S . -B $(SANITIZE_BUILD) $(CMAKE_GEN) -DVELMORA_WERROR=$(WERROR) -DCMAKE_BUILD_TYPE=Debug \
	  -DCMAKE_CXX_FLAGS_DEBUG="-O1 -g" -DVELMORA_SANITIZE=ON -DVELMORA_BENCH=OFF >/dev/null
	@cmake --build $(SANITIZE_BUILD) -j $(JOBS)

windows: deps
	@cmake -S . -B $(WINDOWS_BUILD) $(CMAKE_GEN) -DVELMORA_WERROR=$(WERROR) -DCMAKE_BUILD_TYPE=Release \
	  -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake >/dev/null
	@cmake --build $(WINDOWS_BUILD) -j $(JOBS)

# Clang for libFuzzer; the program's code is instrumented too, so that the fuzzer sees what its
# inputs reach. Only the fuzz targets are built here.
build-fuzz: deps
	@CC=clang CXX=clang++ cmake -S . -B $(FUZZ_BUILD) $(CMAKE_GEN) -DVELMORA_WERROR=$(WERROR) -DCMAKE_BUILD_TYPE=Debug \
	  -DCMAKE_CXX_FLAGS_DEBUG="-O1 -g" -DVELMORA_SANITIZE=ON -DVELMORA_FUZZ=ON \
	  -DVELMORA_QT=OFF -DVELMORA_BENCH=OFF >/dev/null
	@cmake --build $(FUZZ_BUILD) -j $(JOBS) --target velmora_fuzzers

fuzz: build-fuzz
	@bash scripts/run-fuzzers.sh $(FUZZ_BUILD) $(FUZZ_RUNS)

run: build
	./$(BUILD)/velmora

test: check-format build build-sanitize windows build-fuzz
	@bash scripts/run-tests.sh $(BUILD) $(SANITIZE_BUILD) --windows $(WINDOWS_BUILD) \
	  --fuzz $(FUZZ_BUILD) $(FUZZ_RUNS)

bench: build
	@bash scripts/run-benchmarks.sh $(BUILD)

format:
	@find src tools tests bench -name '*.cpp' -o -name '*.h' | xargs clang-format -i

check-format: deps
	@bash scripts/check-format.sh

clean:
	rm -rf $(BUILD) $(SANITIZE_BUILD) $(WINDOWS_BUILD) $(FUZZ_BUILD)
