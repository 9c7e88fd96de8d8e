# make        build build/bin/uninstall.exe (and the test and helper programs)
# make test   install what is missing, build, run every test under Wine
# make demo   install what is missing, build, run the demo installation
BUILD ?= build
CMAKE_FLAGS ?=

.PHONY: all build test demo bootstrap native clean

all: build

$(BUILD)/CMakeCache.txt:
	cmake -S . -B $(BUILD) -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-i686-mingw.cmake \
	      -DCMAKE_BUILD_TYPE=Release $(CMAKE_FLAGS)

build: $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j2

# Checks quietly and installs only when something is missing.
bootstrap:
	@scripts/bootstrap

test: bootstrap
	$(MAKE) build
	scripts/run-tests $(BUILD)

demo: bootstrap
	$(MAKE) build
	scripts/demo $(BUILD)

# The portable sources, built natively with AddressSanitizer and UBSan.
native:
	CC=clang CXX=clang++ cmake -S . -B build-native -DLUMVEX_NATIVE=ON
	cmake --build build-native -j2
	cd build-native && ctest --output-on-failure

clean:
	rm -rf $(BUILD) build-native
