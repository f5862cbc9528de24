# The two commands of the README:
#   make run    installs what is missing, builds Quorlin optimised and opens it
#   make test   installs what is missing, builds everything and runs every test
.PHONY: run test deps bench format

deps:
	@scripts/install-deps

run: deps
	cmake --preset release
	cmake --build --preset release --target quorlin
	build/release/window/quorlin

test: deps
	scripts/run-tests

bench: deps
	cmake --preset release
	cmake --build --preset release
	scripts/run-benchmarks

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i
