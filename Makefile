# The two commands: `make test` builds everything and runs every tier;
# `make run` starts Kvartune in a demo Wine machine.
.PHONY: test run deps

deps:
	@tools/install-deps

test: deps
	@tools/run-tests

run: deps
	@tools/run-demo
