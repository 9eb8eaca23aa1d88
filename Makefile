# The two commands of the README: `make run` and `make test`. Both install what
# is missing from Debian's packages first, so a fresh Debian 12 machine needs
# nothing else.

BUILD      ?= build
BUILD_WIN  ?= build-win
BUILD_PKG  ?= build-package
JOBS       ?= $(shell nproc)
TESTING    ?= ON

RUN_PACKAGES  := cmake g++ make ninja-build pkg-config qt6-base-dev qt6-translations-l10n \
                 libgl-dev libsqlite3-dev libssl-dev libcanberra-dev fonts-liberation dpkg-dev
TEST_PACKAGES := $(RUN_PACKAGES) googletest libgtest-dev libgmock-dev libbenchmark-dev sqlite3 \
                 g++-mingw-w64-x86-64-posix wine64 xvfb xdotool x11-utils \
                 appstream desktop-file-utils wixl lintian devscripts man-db orca dbus-daemon procps
PACKAGE_PACKAGES := $(RUN_PACKAGES)

# Every Linux build gets Debian's hardening flags, as dpkg-buildflags gives
# them: fortified libc calls, the stack protector, and relocations made
# read-only and bound at start. Asked for when the commands run, after
# dpkg-dev is in place. The Windows builds keep their own linker's defaults.
BUILDFLAGS   = DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --get
DEBIAN_FLAGS = -DCMAKE_CXX_FLAGS="$$($(BUILDFLAGS) CPPFLAGS) $$($(BUILDFLAGS) CXXFLAGS)" \
               -DCMAKE_EXE_LINKER_FLAGS="$$($(BUILDFLAGS) LDFLAGS)"

.PHONY: run test build bench package deps-run deps-test deps-package windows windows-test \
        windows-package

# Playing needs none of the test libraries, so `make run` builds without them.
run: deps-run
	$(MAKE) build TESTING=OFF
	./$(BUILD)/game/morvak

test: deps-test
	$(MAKE) build TESTING=ON
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)
	$(MAKE) windows-test

build:
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=$(TESTING) \
	      $(DEBIAN_FLAGS) $(CMAKE_ARGS)
	cmake --build $(BUILD) -j $(JOBS)

# The Windows programs, built with mingw-w64: $(BUILD_WIN)/morvak.exe and
# $(BUILD_WIN)/morvakpoisto.exe, each one file that needs nothing beyond
# Windows itself.
windows: deps-test
	cmake -S . -B $(BUILD_WIN) -G Ninja -DCMAKE_BUILD_TYPE=Release \
	      -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake $(CMAKE_ARGS)
	cmake --build $(BUILD_WIN) -j $(JOBS) --target morvak morvakpoisto

# The Windows packages of both programs and the read-me: the installer
# $(BUILD_WIN)/morvak-<version>.msi and the zip $(BUILD_WIN)/morvak-<version>.zip.
windows-package: deps-test
	cmake -S . -B $(BUILD_WIN) -G Ninja -DCMAKE_BUILD_TYPE=Release \
	      -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake $(CMAKE_ARGS)
	cmake --build $(BUILD_WIN) -j $(JOBS) --target windowspaketit

# Every Windows test under Wine: the rules, the models, the store and the
# removal tool, and the game end to end, whose picture is compared with the
# Qt face's; so the Qt game is built too.
windows-test: deps-test
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=$(TESTING) \
	      $(DEBIAN_FLAGS) $(CMAKE_ARGS)
	cmake --build $(BUILD) -j $(JOBS) --target morvak
	cmake -S . -B $(BUILD_WIN) -G Ninja -DCMAKE_BUILD_TYPE=Release \
	      -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake \
	      -DMORVAK_QT_OHJELMA=$(abspath $(BUILD))/game/morvak $(CMAKE_ARGS)
	cmake --build $(BUILD_WIN) -j $(JOBS)
	cd $(BUILD_WIN) && ctest --output-on-failure

# A Debian package of both programs, built without the tests in a folder of
# its own: $(BUILD_PKG)/morvak_<version>_amd64.deb. The build type is the one
# the tests run; the package strips the programs.
package: deps-package
	cmake -S . -B $(BUILD_PKG) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF \
	      $(DEBIAN_FLAGS) $(CMAKE_ARGS)
	cmake --build $(BUILD_PKG) -j $(JOBS)
	cd $(BUILD_PKG) && cpack -G DEB

bench: deps-test
	$(MAKE) build TESTING=ON
	cd $(BUILD) && for b in bench/*_bench; do QT_QPA_PLATFORM=offscreen ./$$b; done

deps-run:
	@./cmake/install-missing.sh $(RUN_PACKAGES)

deps-test:
	@./cmake/install-missing.sh $(TEST_PACKAGES)

deps-package:
	@./cmake/install-missing.sh $(PACKAGE_PACKAGES)
