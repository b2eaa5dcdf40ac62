# The two commands: `make run` and `make test`. Both install what is missing
# on a Debian 12 machine first.
BUILD_DIR ?= build
# No "Entering directory" and "Leaving directory" lines from the makes that
# `cmake --build` runs inside this one: they inherit this flag.
MAKEFLAGS += --no-print-directory
JOBS ?= $(shell nproc)

.PHONY: all deps configure build run test test-a11y pictures install uninstall package package-check clean fuzz test-sanitize bench screenshots looks format format-check

all: build

# What `deps` installs: what building and running need, and what the tests,
# the fuzzer, the package or its check need when a goal on the command line
# asks for them.
DEPS = run $(if $(filter test test-a11y test-sanitize,$(MAKECMDGOALS)),test) $(if $(filter test-a11y,$(MAKECMDGOALS)),a11y) \
  $(if $(filter bench,$(MAKECMDGOALS)),bench) \
  $(if $(filter fuzz,$(MAKECMDGOALS)),fuzz) \
  $(if $(filter package package-check,$(MAKECMDGOALS)),package) $(if $(filter package-check,$(MAKECMDGOALS)),package-check)
deps:
	@tools/install-deps.sh $(DEPS)

# WERROR=ON treats compiler warnings as errors, as CI does.
WERROR ?= OFF
configure:
	@cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTESSARO_WARNINGS_AS_ERRORS=$(WERROR) >/dev/null

build: configure
	@cmake --build $(BUILD_DIR) -j $(JOBS)

# Builds the program alone, not the tests, and starts it. Given no
# arguments, it ends with status 2 only where there is no display, having
# said so and what to do instead: that is no failure of the build.
run: deps configure
	@cmake --build $(BUILD_DIR) -j $(JOBS) --target tessaro
	@echo $(BUILD_DIR)/tessaro; $(BUILD_DIR)/tessaro || [ $$? -eq 2 ]

test: deps build
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# The keyboard-only path of the a11y test once more under Orca, started after
# Tessaro: what Orca speaks is checked too, and its log left in
# $(BUILD_DIR)/orca.log.
test-a11y: deps configure
	@cmake --build $(BUILD_DIR) -j $(JOBS) --target tessaro
	tools/a11y-desktop.sh /usr/bin/python3 tests/tst_a11y.py $(BUILD_DIR)/tessaro --orca $(BUILD_DIR)/orca.log

# Fuzzes the number text for FUZZ_SECONDS; what it learns stays in
# $(BUILD_DIR)/fuzz/corpus, a failing input lands in $(BUILD_DIR)/fuzz/.
FUZZ_SECONDS ?= 60
fuzz: deps configure
	@cmake --build $(BUILD_DIR) --target fuzz_numbertext
	mkdir -p $(BUILD_DIR)/fuzz/corpus
	$(BUILD_DIR)/fuzz/fuzz_numbertext -max_total_time=$(FUZZ_SECONDS) -dict=fuzz/numbertext.dict \
	  -artifact_prefix=$(BUILD_DIR)/fuzz/ $(BUILD_DIR)/fuzz/corpus fuzz/corpus

# The whole test suite but the screen-reader test (a desktop of its own
# with the accessibility bus, whose libraries are not ours to check) built
# with AddressSanitizer (with LeakSanitizer) and
# UndefinedBehaviorSanitizer, in a build directory of its own. GCC's array
# bounds warning gives false alarms on instrumented code; the normal build
# keeps it.
SANITIZE_DIR ?= build-sanitize
SANITIZE_FLAGS = -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined
test-sanitize: deps
	@cmake -S . -B $(SANITIZE_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DCMAKE_CXX_FLAGS="$(SANITIZE_FLAGS) -Wno-array-bounds" \
	  -DCMAKE_EXE_LINKER_FLAGS="$(SANITIZE_FLAGS)" >/dev/null
	@cmake --build $(SANITIZE_DIR) -j $(JOBS)
	cd $(SANITIZE_DIR) && QT_QPA_PLATFORM=offscreen \
	  ASAN_OPTIONS=halt_on_error=1:detect_leaks=1 \
	  UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
	  LSAN_OPTIONS=suppressions=$(CURDIR)/tools/lsan.supp:print_suppressions=0 \
	  ctest --output-on-failure -j $(JOBS) -E '^a11y$$'

# The bench, the picture and screenshot programs and the looks below start
# Qt, which makes /tmp/runtime-USER where no runtime folder is named and
# leaves it there: they are given one in the build tree.
TOOL_ENV = XDG_RUNTIME_DIR=$(CURDIR)/$(BUILD_DIR)/runtime-tools

# Times the number texts, a press of Calculate, the converters and start-up,
# and prints a table; on a virtual X server unless BENCH_RUN says otherwise
# (BENCH_RUN= for the current display).
BENCH_RUN ?= xvfb-run -a -s '-screen 0 1280x1024x24'
bench: deps configure
	@cmake --build $(BUILD_DIR) -j $(JOBS) --target tessaro_bench
	$(TOOL_ENV) $(BENCH_RUN) $(BUILD_DIR)/bench/tessaro_bench

# Redraws every bitmap in resources/ with the picture program.
pictures: configure
	@cmake --build $(BUILD_DIR) -j $(JOBS) --target tessaro-pictures
	$(TOOL_ENV) ./$(BUILD_DIR)/tools/pictures/tessaro-pictures resources

# The README's screenshots, taken from the windows themselves.
screenshots: configure
	@cmake --build $(BUILD_DIR) -j $(JOBS) --target tessaro-screenshots
	$(TOOL_ENV) QT_QPA_PLATFORM=offscreen ./$(BUILD_DIR)/tools/screenshots/tessaro-screenshots docs/screenshots menu cylinder

# The pictures in tests/looks/ that the tests compare the windows with, taken
# again after a change to how the windows look; look at them before committing.
looks: build
	cd $(BUILD_DIR)/tests && for scale in 1 2; do \
	  $(TOOL_ENV) TESSARO_APPROVE_LOOKS=1 QT_QPA_PLATFORM=offscreen QT_SCALE_FACTOR=$$scale ./tst_windows looks || exit 1; done

# The program (stripped), its desktop entry, AppStream metadata, icons and
# manual page under PREFIX, inside DESTDIR if given; `make uninstall` removes
# exactly the files and folders that installing put in place.
PREFIX ?= /usr/local
install: build
	@packaging/install.sh install $(BUILD_DIR) "$(PREFIX)" "$(if $(DESTDIR),$(abspath $(DESTDIR)))"

uninstall:
	@packaging/install.sh uninstall $(BUILD_DIR)

# The Debian package, built by dpkg-buildpackage from a copy of the source
# tree: build/tessaro_<version>_<arch>.deb and its -dbgsym package.
package: deps
	@packaging/build-deb.sh $(BUILD_DIR)

# Builds the package twice in two folders and checks that both builds are
# the same byte for byte, then runs lintian, appstreamcli and
# desktop-file-validate on it; any finding fails.
package-check: deps
	@packaging/check-deb.sh $(BUILD_DIR)

# The sources in the style of .clang-format: `make format` rewrites them,
# `make format-check` lists the files that differ and fails if there are any.
SOURCES = $(shell git ls-files '*.cpp' '*.h')
format:
	@tools/install-deps.sh run format
	@clang-format -i $(SOURCES)
format-check:
	@tools/install-deps.sh run format
	@clang-format --dry-run --Werror $(SOURCES)

clean:
	rm -rf $(BUILD_DIR)
