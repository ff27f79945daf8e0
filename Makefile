# The commands of the README.
BUILD ?= build
JOBS ?= 2

FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 60

.PHONY: run test fuzz

run:
	bash scripts/install-deps.sh
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BUILD) -j$(JOBS)
	bash scripts/run-game.sh $(BUILD)

test:
	bash scripts/install-deps.sh
	bash scripts/run-tests.sh $(BUILD) $(JOBS)

# Builds the fuzz targets with clang and libFuzzer and runs each for FUZZ_SECONDS.
fuzz:
	bash scripts/install-deps.sh --fuzz
	JOBS=$(JOBS) bash scripts/run-fuzz.sh $(FUZZ_BUILD) $(FUZZ_SECONDS)
