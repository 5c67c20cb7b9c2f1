# The two commands: `make test` builds everything and runs every tier;
# `make run` starts Kvartune in a demo Wine machine; `make bench` measures
# the start-up time (a benchmark, not a test); `make fuzz` fuzzes every
# libFuzzer target for FUZZ_SECONDS seconds (default 60); `make release`
# builds and checks the 32-bit release and packs dist/kvtune<version>.zip.
.PHONY: test run bench fuzz deps release

deps:
	@tools/install-deps

test: deps
	@tools/run-tests

run: deps
	@tools/run-demo

bench: deps
	@tools/bench-startup

fuzz: deps
	@tools/run-fuzz

release: deps
	cmake --preset win32 >/dev/null
	cmake --build --preset win32
	ctest --test-dir build/win32 --output-on-failure
	tools/make-release
