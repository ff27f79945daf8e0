# The two commands of the README.
BUILD ?= build
JOBS ?= 2

.PHONY: run test

run:
	bash scripts/install-deps.sh
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BUILD) -j$(JOBS)
	bash scripts/run-game.sh $(BUILD)

test:
	bash scripts/install-deps.sh
	bash scripts/run-tests.sh $(BUILD) $(JOBS)
