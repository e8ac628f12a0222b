# Sourced by the build and test scripts: continuous integration (CI=true)
# builds with warnings as errors.
if [ "${CI:-}" = true ]; then preset=ci; else preset=default; fi
