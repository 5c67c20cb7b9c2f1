# The two commands: `make test` builds everything and runs every tier;
# `make run` starts Kvartune in a demo Wine machine; `make fuzz` fuzzes every
# libFuzzer target for FUZZ_SECONDS seconds (default 60).
.PHONY: test run deps fuzz

deps:
	@tools/install-deps

test: deps
	@tools/run-tests

run: deps
	@tools/run-demo

fuzz: deps
	@tools/run-fuzz
