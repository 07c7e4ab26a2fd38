# The two front-door commands: `make run` and `make test`.
.PHONY: run test deps release bench fuzz format clean

CLI_RELEASE := build/release/src/cli/zelvo-cli

deps:
	@scripts/install-deps.sh

release: deps
	cmake --preset release
	cmake --build --preset release

run: release
	@if [ ! -f demo/zdat9.bin ]; then $(CLI_RELEASE) demo demo; fi
	$(CLI_RELEASE) check demo

test: deps
	cmake --preset test
	cmake --build --preset test
	ctest --preset test

bench: deps
	cmake --preset release
	cmake --build --preset release --target zelvo_bench
	build/release/bench/zelvo_bench

fuzz: deps
	cmake --preset fuzz
	cmake --build --preset fuzz

format:
	find src tests tools bench fuzz -name '*.cpp' -o -name '*.h' | xargs clang-format -i

clean:
	rm -rf build
