# make run   - install what is missing, build, start velmora
# make test  - install what is missing, build normally and with sanitizers, run every test
# make build - install what is missing and build (build/)
# make windows - install what is missing and cross-build velmora.exe and its zip (build-win/)
# make bench - build and run the benchmarks

JOBS ?= $(shell nproc)
BUILD := build
SANITIZE_BUILD := build-sanitize
WINDOWS_BUILD := build-win
CMAKE_GEN := -G Ninja

.PHONY: deps build build-sanitize windows run test bench format clean

deps:
	@bash scripts/install-deps.sh

build: deps
	@cmake -S . -B $(BUILD) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Release >/dev/null
	@cmake --build $(BUILD) -j $(JOBS)

build-sanitize: deps
	@cmake -S . -B $(SANITIZE_BUILD) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Debug \
	  -DCMAKE_CXX_FLAGS_DEBUG="-O1 -g" -DVELMORA_SANITIZE=ON -DVELMORA_BENCH=OFF >/dev/null
	@cmake --build $(SANITIZE_BUILD) -j $(JOBS)

windows: deps
	@cmake -S . -B $(WINDOWS_BUILD) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Release \
	  -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake >/dev/null
	@cmake --build $(WINDOWS_BUILD) -j $(JOBS)

run: build
	./$(BUILD)/velmora

test: build build-sanitize windows
	@bash scripts/run-tests.sh $(BUILD) $(SANITIZE_BUILD) $(WINDOWS_BUILD)

bench: build
	@bash scripts/run-benchmarks.sh $(BUILD)

format:
	@find src tools tests bench -name '*.cpp' -o -name '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD) $(SANITIZE_BUILD) $(WINDOWS_BUILD)
