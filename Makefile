# make run   installs what is missing, builds and starts Fosku
# make test  installs what is missing, builds and runs every test
# make sanitize  the same with AddressSanitizer and UndefinedBehaviorSanitizer, in its own folder
#
# make test and make sanitize print each failing test with its output, then one summary line (a
# failed build: the compiler's words). The whole output stays in the build folder: build.log (the
# build) and test.log (the test run, a line for every test); every test's own output, passed or
# failed, is in Testing/Temporary/LastTest.log there.
BUILD ?= build
SANITIZE_BUILD ?= build-sanitize
JOBS  ?= $(shell nproc 2>/dev/null || echo 4)

# Any memory fault, leak or undefined behaviour stops the test (or the build tool) and fails it.
SANITIZE_FLAGS = -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer
SANITIZE_ENV = ASAN_OPTIONS=detect_leaks=1:halt_on_error=1 UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1

# A build or a test run that keeps its whole output in a log and prints what a reader needs.
QUIET = sh scripts/quiet-run

.PHONY: all deps configure build run test sanitize clean

all: build

deps:
	@sh scripts/install-deps

configure: deps
	@cmake -S . -B $(BUILD) -G "Unix Makefiles" >/dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS) -- --no-print-directory

run: build
	@$(BUILD)/fosku

test: configure
	@$(QUIET) build $(BUILD)/build.log cmake --build $(BUILD) -j $(JOBS) -- --no-print-directory
	@QT_QPA_PLATFORM=offscreen $(QUIET) tests $(BUILD)/test.log \
		ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS) --timeout 120

sanitize: deps
	@cmake -S . -B $(SANITIZE_BUILD) -G "Unix Makefiles" -DCMAKE_BUILD_TYPE=Debug \
		-DCMAKE_CXX_FLAGS_DEBUG="-O1 -g" -DCMAKE_CXX_FLAGS="$(SANITIZE_FLAGS)" \
		-DCMAKE_EXE_LINKER_FLAGS="$(SANITIZE_FLAGS)" >/dev/null
	@$(SANITIZE_ENV) $(QUIET) build $(SANITIZE_BUILD)/build.log \
		cmake --build $(SANITIZE_BUILD) -j $(JOBS) -- --no-print-directory
	@$(SANITIZE_ENV) QT_QPA_PLATFORM=offscreen $(QUIET) tests $(SANITIZE_BUILD)/test.log \
		ctest --test-dir $(SANITIZE_BUILD) --output-on-failure -j $(JOBS) --timeout 300

clean:
	@rm -rf $(BUILD) $(SANITIZE_BUILD)
